// Draws the program's SVG icon into square PNG pictures for the icon theme, at build time:
// render-icon SOURCE.svg SIZE OUTPUT.png [SIZE OUTPUT.png ...]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool render(QSvgRenderer &svg, int size, const QString &output)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return image.save(output, "PNG");
}

} // namespace

int main(int argc, char **argv)
{
    // No display is needed to draw into a picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4 || arguments.size() % 2 != 0) {
        std::fputs("usage: render-icon SOURCE.svg SIZE OUTPUT.png [SIZE OUTPUT.png ...]\n", stderr);
        return 2;
    }
    QSvgRenderer svg(arguments.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render-icon: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    for (qsizetype i = 2; i + 1 < arguments.size(); i += 2) {
        bool ok = false;
        const int size = arguments.at(i).toInt(&ok);
        if (!ok || size < 1 || !render(svg, size, arguments.at(i + 1))) {
            std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(arguments.at(i + 1)));
            return 1;
        }
    }
    return 0;
}

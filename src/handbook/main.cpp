#include "ui/help/HandbookWebPages.h"

#include <QGuiApplication>
#include <cstdio>

// varnel-handbook-html HANDBOOK OUT [LANGUAGE]: writes the handbook's web pages. Run at build
// time without a display.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4) {
        std::fputs("Kullanım: varnel-handbook-html KILAVUZ_KLASÖRÜ ÇIKIŞ_KLASÖRÜ [DİL]\n", stderr);
        return 2;
    }
    QString error;
    if (!HandbookWebPages::write(args[1], args.size() == 4 ? args[3] : QStringLiteral("tr"), args[2], error)) {
        std::fprintf(stderr, "varnel-handbook-html: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

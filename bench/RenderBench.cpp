// Figures for pictures of a chart: a chain of 1,000 blocks (ten columns of a hundred) loaded
// with the surface's fonts and drawn into PNG, SVG and PDF bytes, as "Resim Olarak Kaydet..."
// and varnel-run --render draw it. Prints the best of a few rounds; asserts nothing.

#include "BenchCharts.h"

#include "project/Project.h"
#include "render/ChartRenderer.h"
#include "render/PngEncoder.h"
#include "render/SurfaceFonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int rounds = 3;

// The best time of a few rounds, in milliseconds, and the size of the last result.
void measure(const char *what, const std::function<qsizetype()> &work)
{
    double best = 1e300;
    qsizetype bytes = 0;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        bytes = work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("%-34s %9.1f ms  %10lld bytes\n", what, best, static_cast<long long>(bytes));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString chart = dir.filePath(QStringLiteral("chain.vnp"));
    if (!BenchCharts::writeChain(chart, 1000)) {
        std::fputs("the chart could not be written\n", stderr);
        return 1;
    }
    MessageLog log;
    Project project(&log);
    project.context().setTextMeasure(&SurfaceFonts::measure());
    if (!project.load_FILE(chart))
        return 1;
    const QSizeF size = ChartRenderer(project).sourceRect().size();
    std::printf("chart of 1,000 blocks: %.0f x %.0f surface pixels\n", size.width(), size.height());
    measure("scene (ChartRenderer)", [&] { return qsizetype(ChartRenderer(project).isEmpty()); });
    ChartRenderer renderer(project);
    const QSize pixels = (renderer.sourceRect().size() * renderer.pngScale()).toSize();
    QImage image(pixels, QImage::Format_RGB32);
    measure("  of which: drawing at 2x", [&] {
        QPainter painter(&image);
        renderer.render(painter, QRectF(QPointF(0, 0), pixels));
        return qsizetype(image.sizeInBytes());
    });
    measure("  of which: PNG encoding", [&] {
        return PngEncoder::encode(image).size();
    });
    measure("PNG at 2x (scene included)", [&] { return ChartRenderer(project).png().size(); });
    measure("SVG (scene included)", [&] { return ChartRenderer(project).svg(QStringLiteral("chain")).size(); });
    measure("PDF (scene included)", [&] { return ChartRenderer(project).pdf(QStringLiteral("chain")).size(); });
    return 0;
}

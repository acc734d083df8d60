// Measures the drawing surface on large charts and prints the figures:
//   bench_surface [BLOCKS]   (default 1000 blocks and as many lines)
// Opening: reading the file, building the scene and painting the first screen. Dragging: a
// block with lines moved one pixel per frame, each frame painting what changed. A run's replacements: how
// often the scene is rebuilt while a run replaces the chart at every step.

#include "BenchCharts.h"

#include "model/cBlock.h"
#include "render/BlockItem.h"
#include "render/ChartScene.h"
#include "ui/editor/ChartEditor.h"
#include "ui/editor/DrawingSurface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <vector>

namespace {

bool writeChart(const QString &path, int blocks)
{
    ChartBuilder chart;
    QStringList tags;
    tags << chart.block(ChartBuilder::Kind::Start, QStringLiteral("START"));
    for (int i = 1; i < blocks - 1; ++i) {
        if (i % 3 == 0)
            tags << chart.block(ChartBuilder::Kind::Condition, QStringLiteral("IF_LESS"), QStringLiteral("i"),
                                QString::number(i));
        else
            tags << chart.block(ChartBuilder::Kind::Action, QStringLiteral("ADD"), QStringLiteral("i"),
                                QStringLiteral("1"), QStringLiteral("i"));
    }
    tags << chart.block(ChartBuilder::Kind::End, QStringLiteral("STOP"));
    for (int i = 0; i + 1 < tags.size(); ++i)
        chart.line(tags[i], tags[i + 1]);
    chart.line(tags.last(), tags.first()); // as many lines as blocks
    return chart.save(path);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, buttons, {});
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int blocks = argc > 1 ? std::max(4, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.vnp"));
    if (!writeChart(path, blocks)) {
        std::fputs("cannot write the chart\n", stderr);
        return 1;
    }

    MessageLog log;
    Project project(&log);
    DrawingSurface surface;
    surface.resize(1200, 800);
    surface.show();
    ChartEditor editor(project, surface);
    QCoreApplication::processEvents();

    std::vector<double> opening;
    std::vector<double> loading;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        project.load_FILE(path);
        const double loaded = double(timer.nsecsElapsed()) / 1e6;
        surface.fitSceneToContents();
        surface.viewport()->repaint();
        opening.push_back(double(timer.nsecsElapsed()) / 1e6);
        loading.push_back(loaded);
    }
    std::printf("%d blocks, %d lines\n", project.theBlockCollection().Count(), project.theLineCollection().Count());
    std::printf("opening (read, build the scene, paint the first screen): %.1f ms (reading and building: %.1f ms)\n",
                median(opening), median(loading));

    QElapsedTimer rebuildTimer;
    rebuildTimer.start();
    editor.scene().rebuild();
    std::printf("rebuilding the scene alone: %.1f ms\n", double(rebuildTimer.nsecsElapsed()) / 1e6);

    // Drag a block in the middle of the chart, with its two lines, one pixel per frame.
    cBlock *block = project.theBlockCollection().item(blocks / 2);
    surface.centerOn(editor.scene().blockItem(block->theObjectShape()));
    QPoint at = surface.mapFromScene(QPointF(block->shapeLeft() + 5, block->shapeTop() + 5));
    QWidget *viewport = surface.viewport();
    sendMouse(viewport, QEvent::MouseButtonPress, at, Qt::LeftButton);
    const int frames = 300;
    int routed = 0;
    QObject::connect(&project.theLineCollection(), &Line_Collection::lineChanged, [&routed] { ++routed; });
    QElapsedTimer dragTimer;
    dragTimer.start();
    const std::clock_t dragCpu = std::clock();
    for (int i = 0; i < frames; ++i) {
        at += QPoint(i % 2, 1 - i % 2);
        sendMouse(viewport, QEvent::MouseMove, at, Qt::LeftButton);
        QCoreApplication::processEvents(); // paints what the move changed, as a frame does
    }
    const double dragSeconds = double(dragTimer.nsecsElapsed()) / 1e9;
    // On a shared machine the processor time says more than the wall clock.
    const double dragCpuSeconds = double(std::clock() - dragCpu) / CLOCKS_PER_SEC;
    sendMouse(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
    std::printf("scripted drag: %d frames in %.3f s = %.0f frames per second (%.0f per second of processor time); "
                "%.1f lines re-routed per frame; %d undo step(s)\n",
                frames, dragSeconds, frames / dragSeconds, frames / dragCpuSeconds, double(routed) / frames,
                editor.undoStack().count());

    // A run whose every step replaces the chart (a recursive call) redraws at screen rate.
    int rebuilds = 0;
    QObject::connect(&editor.scene(), &ChartScene::rebuilt, [&rebuilds] { ++rebuilds; });
    editor.setRunInProgress(true);
    const int replacements = 200;
    QElapsedTimer runTimer;
    runTimer.start();
    for (int i = 0; i < replacements; ++i) {
        project.load_FILE(path);
        QCoreApplication::processEvents();
    }
    const double runMs = double(runTimer.nsecsElapsed()) / 1e6;
    editor.setRunInProgress(false);
    std::printf("run replacing the chart %d times in %.0f ms: %d scene rebuilds\n", replacements, runMs, rebuilds);

    // The picture an export makes: a scene of its own, without the selection frame.
    QElapsedTimer exportTimer;
    exportTimer.start();
    ChartScene picture(project.context(), project.theBlockCollection(), project.theLineCollection());
    const QRectF bounds = picture.chartBounds();
    QImage image(bounds.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.render(&painter, QRectF(QPointF(0, 0), bounds.size()), bounds);
    painter.end();
    std::printf("whole chart to a %dx%d picture: %.1f ms\n", image.width(), image.height(),
                double(exportTimer.nsecsElapsed()) / 1e6);
    return 0;
}

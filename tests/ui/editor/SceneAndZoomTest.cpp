#include "EditorFixture.h"

#include "model/BlockTool.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QFile>

namespace {

// A chart file of the given blocks (each "shape tag left top action") and lines ("from,to"),
// written in the project file's layout.
QString writeChart(const QTemporaryDir &dir, const QStringList &blockRows, const QStringList &lineRows)
{
    QString text;
    const auto add = [&text](const QString &line) { text += line + QStringLiteral("\r\n"); };
    add(QString::number(blockRows.size()) + QStringLiteral("\t <--SHAPES"));
    add(QString::number(lineRows.size()) + QStringLiteral("\t <--LINES"));
    for (const QString &row : blockRows) {
        const QStringList f = row.split(QLatin1Char(' '));
        for (const QString &value : {f[1], f[0], f[2], f[3], QStringLiteral("70"), QStringLiteral("30"),
                                     QStringLiteral("16777215"), QStringLiteral("0"), QStringLiteral("0"),
                                     QStringLiteral("-reserved 1-"), QStringLiteral("-reserved 2-"), f[4],
                                     QString(), QString(), QString()})
            add(value);
    }
    add(QStringLiteral("  "));
    add(QStringLiteral("---- LINES ---- from,to ----"));
    for (const QString &row : lineRows) {
        add(row);
        add(QStringLiteral("reserved 1"));
        add(QString());
    }
    const QString path = dir.filePath(QStringLiteral("chart.vnp"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toLatin1());
    return path;
}

} // namespace

TEST_F(EditorFixture, ZoomChangesOnlyTheViewNeverTheStoredCoordinates)
{
    cBlock *a = place(QStringLiteral("START"), QPointF(40, 40));
    surface->setZoomPercent(200);
    EXPECT_EQ(surface->zoomPercent(), 200);
    EXPECT_EQ(itemOf(*a)->pos(), QPointF(40, 40));
    EXPECT_EQ(a->shapeWidth(), 70);
    drag(QPointF(50, 50), QPointF(80, 70));
    EXPECT_EQ(QPointF(a->shapeLeft(), a->shapeTop()), QPointF(70, 60));
    cBlock *b = place(QStringLiteral("END"), QPointF(300, 100));
    EXPECT_EQ(QPointF(b->shapeLeft(), b->shapeTop()), QPointF(300, 100));
    surface->setZoomPercent(1000);
    EXPECT_EQ(surface->zoomPercent(), DrawingSurface::maximumZoom);
    surface->setZoomPercent(1);
    EXPECT_EQ(surface->zoomPercent(), DrawingSurface::minimumZoom);
    surface->zoomResetAction()->trigger();
    EXPECT_EQ(surface->zoomPercent(), 100);
    EXPECT_EQ(QPointF(a->shapeLeft(), a->shapeTop()), QPointF(70, 60));
}

TEST_F(EditorFixture, ControlWheelZoomsAroundThePointer)
{
    place(QStringLiteral("START"), QPointF(300, 200));
    const QPoint pointer(320, 210);
    const QPointF under = surface->toSurface(pointer);
    QWheelEvent wheel(pointer, surface->viewport()->mapToGlobal(pointer), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(surface->viewport(), &wheel);
    EXPECT_GT(surface->zoomPercent(), 100);
    const QPointF after = surface->toSurface(pointer);
    EXPECT_NEAR(after.x(), under.x(), 1.0);
    EXPECT_NEAR(after.y(), under.y(), 1.0);
}

TEST_F(EditorFixture, EveryBlockStaysReachableHoweverFarItIsDragged)
{
    cBlock *a = place(QStringLiteral("START"), QPointF(20, 20));
    drag(QPointF(30, 30), QPointF(-400, -300));
    QCoreApplication::processEvents();
    EXPECT_TRUE(surface->sceneRect().contains(itemOf(*a)->sceneBoundingRect()));
    editor->undo();
    editor->apply(QStringLiteral("Taşı"), [a](EditOperations &o) { return o.moveBlock(a->theObjectShape(), 5000, 4000); });
    QCoreApplication::processEvents();
    EXPECT_TRUE(surface->sceneRect().contains(itemOf(*a)->sceneBoundingRect()));
}

TEST_F(EditorFixture, ABadChartDrawsWhatItCanAndSaysWhatIsWrongOnce)
{
    QTemporaryDir dir;
    const QString path = writeChart(dir, {QStringLiteral("2 id1 20 20 START"), QStringLiteral("77 id2 20 120 STOP")},
                                    {QStringLiteral("id1,id2"), QStringLiteral("id1,id9")});
    project->load_FILE(path);
    ASSERT_EQ(blocks().Count(), 2) << log.text().toStdString();
    EXPECT_EQ(editor->scene().blockItemCount(), 2);
    EXPECT_EQ(log.text().count(QStringLiteral("Shape özelliğinde yanlış ayar var: 77")), 1);
    for (int i = 0; i < 3; ++i) {
        surface->viewport()->repaint();
        editor->scene().blockItem(blocks().item(2)->theObjectShape())->update();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(log.text().count(QStringLiteral("Shape özelliğinde yanlış ayar var: 77")), 1);
    const QImage image = surface->grab().toImage();
    EXPECT_FALSE(image.isNull());
}

TEST_F(EditorFixture, ReplacementsDuringARunAreDrawnAtMostOncePerFrame)
{
    const QString file = QStringLiteral(VARNEL_SOURCE_DATA "/Examples/factorial.vnp");
    ASSERT_TRUE(project->load_FILE(file));
    QSignalSpy rebuilt(&editor->scene(), &ChartScene::rebuilt);
    editor->setRunInProgress(true);
    for (int i = 0; i < 50; ++i) {
        context().beginReplace();
        context().endReplace();
    }
    EXPECT_EQ(rebuilt.count(), 0);
    EXPECT_TRUE(rebuilt.wait(500));
    EXPECT_EQ(rebuilt.count(), 1);
    editor->setRunInProgress(false);
    context().beginReplace();
    context().endReplace();
    EXPECT_EQ(rebuilt.count(), 2);
    expectSceneMatchesModel();
}

TEST_F(EditorFixture, AnExampleChartIsDrawnWhole)
{
    ASSERT_TRUE(project->load_FILE(QStringLiteral(VARNEL_SOURCE_DATA "/Examples/factorial.vnp")));
    EXPECT_GT(blocks().Count(), 0);
    expectSceneMatchesModel();
    for (const auto &line : lines())
        EXPECT_TRUE(itemOf(*line)->isVisible());
}

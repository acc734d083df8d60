#include "EditorFixture.h"

#include "model/BlockTool.h"

#include <QScrollBar>

namespace {

struct ToolCase {
    const char *word;
    const char *action;
    qint16 shape;
};

} // namespace

class PlacingTest : public EditorFixture, public ::testing::WithParamInterface<ToolCase> {};

TEST_P(PlacingTest, AToolWithoutDialogPlacesItsBlockWithTheClickAsTopLeftCorner)
{
    const ToolCase tool = GetParam();
    cBlock *block = place(QString::fromLatin1(tool.word), QPointF(120, 80));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->zAction(), QString::fromLatin1(tool.action));
    EXPECT_EQ(block->Shape(), tool.shape);
    EXPECT_EQ(QPointF(block->shapeLeft(), block->shapeTop()), QPointF(120, 80));
    EXPECT_TRUE(context().projectModified());
    expectSceneMatchesModel();
    EXPECT_TRUE(surface->selectorVisible());
    EXPECT_EQ(surface->selectorRect(), ChartEditor::selectorFrame(*block));
}

INSTANTIATE_TEST_SUITE_P(Tools, PlacingTest,
                         ::testing::Values(ToolCase{"START", "START", 2}, ToolCase{"END", "STOP", 2},
                                           ToolCase{"INTERSECTION", "INTERSECTION", 3}));

// A click near the view's lower right corner places a block that reaches past it: the view
// scrolls so that the whole new block is in sight.
TEST_F(EditorFixture, ABlockPlacedAtTheEdgeOfTheViewIsScrolledIntoSight)
{
    const QRect view = surface->viewport()->rect();
    cBlock *block = place(QStringLiteral("START"), surface->toSurface(view.bottomRight() - QPoint(4, 4)));
    ASSERT_NE(block, nullptr);
    const QRect shown = surface->viewportTransform().mapRect(ChartEditor::selectorFrame(*block)).toAlignedRect();
    EXPECT_TRUE(surface->viewport()->rect().contains(shown));
}

TEST_F(EditorFixture, ADialogToolPlacesNothingUntilItsDialogConfirms)
{
    EXPECT_EQ(place(QStringLiteral("ACTION"), QPointF(50, 50)), nullptr);
    EXPECT_EQ(blocks().Count(), 0);
    EXPECT_EQ(editor->scene().blockItemCount(), 0);
    EXPECT_FALSE(surface->selectorVisible());

    QString askedFor;
    editor->setPlacementDialog([&askedFor](const BlockTool &tool) -> std::optional<ActionFields> {
        askedFor = tool.word;
        return ActionFields{QStringLiteral("IF_LESS"), QStringLiteral("a"), QStringLiteral("b"), QString()};
    });
    cBlock *block = place(QStringLiteral("JUNCTION"), QPointF(50, 50));
    EXPECT_EQ(askedFor, QStringLiteral("JUNCTION"));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->sCaption(), QStringLiteral("a < b"));
    expectSceneMatchesModel();
}

TEST_F(EditorFixture, APressOnEmptySurfaceWithoutAToolChangesNothing)
{
    cBlock *start = place(QStringLiteral("START"), QPointF(10, 10));
    const auto before = snapshot();
    const qint16 selected = context().selectedIndex();
    click(QPointF(300, 300));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(context().selectedIndex(), selected);
    EXPECT_FALSE(editor->placeBlock(QString(), QPointF(1, 1)));
    EXPECT_FALSE(editor->placeBlock(QStringLiteral("start"), QPointF(1, 1)));
    EXPECT_EQ(blocks().Count(), 1);
    ASSERT_NE(start, nullptr);
}

TEST_F(EditorFixture, ToolsDoNothingWhileBlocksAreNotTracked)
{
    project->setTrackCurrentBlock(false);
    EXPECT_FALSE(editor->placeBlock(QStringLiteral("START"), QPointF(1, 1)));
    EXPECT_EQ(blocks().Count(), 0);
}

TEST_F(EditorFixture, DraggingKeepsTheGrabPointAndLinesFollowEveryMove)
{
    cBlock *a = place(QStringLiteral("START"), QPointF(20, 20));
    cBlock *b = place(QStringLiteral("END"), QPointF(20, 200));
    editor->connectSelected();
    ASSERT_EQ(lines().Count(), 1);
    const cLine *line = lines().item(1);
    int routed = 0;
    QObject::connect(&lines(), &Line_Collection::lineChanged, [&routed] { ++routed; });

    const QPointF grab(30, 205);
    press(grab);
    for (int step = 1; step <= 5; ++step) {
        moveTo(grab + QPointF(40 * step, 10 * step));
        EXPECT_EQ(QPointF(b->shapeLeft(), b->shapeTop()), QPointF(20 + 40 * step, 200 + 10 * step));
        EXPECT_EQ(itemOf(*line)->route(), context().line(line->theObjectLine()));
    }
    EXPECT_FALSE(surface->selectorVisible());
    release(grab + QPointF(200, 50));
    EXPECT_EQ(routed, 5);
    EXPECT_TRUE(surface->selectorVisible());
    EXPECT_EQ(surface->selectorRect(), ChartEditor::selectorFrame(*b));
    EXPECT_EQ(itemOf(*b)->pos(), QPointF(220, 250));
    EXPECT_EQ(a->shapeLeft(), 20);
    expectSceneMatchesModel();
}

TEST_F(EditorFixture, ABlockHeldStillPastTheEdgeCarriesTheViewAlongUntilReleased)
{
    cBlock *b = place(QStringLiteral("END"), QPointF(20, 200));
    const QPointF grab(30, 205);
    press(grab);
    const QPoint outside(surface->viewport()->width() + 10, viewportPoint(grab).y());
    moveInViewport(outside);
    QScrollBar *across = surface->horizontalScrollBar();
    const int first = across->value();
    EXPECT_TRUE(QTest::qWaitFor([&] { return across->value() > first; }, 2000));
    EXPECT_NEAR(b->shapeLeft(), surface->toSurface(outside).x() - 10, 1); // still under the pointer
    EXPECT_EQ(b->shapeTop(), 200);

    QTest::mouseRelease(surface->viewport(), Qt::LeftButton, {}, outside);
    const int released = across->value();
    QTest::qWait(100);
    EXPECT_EQ(across->value(), released);
    expectSceneMatchesModel();
}

TEST_F(EditorFixture, APressedBlockIsSelectedComesToTheFrontAndNamesItsTag)
{
    cBlock *b = place(QStringLiteral("END"), QPointF(40, 30));
    cBlock *a = place(QStringLiteral("START"), QPointF(20, 20)); // overlaps b, drawn over it
    QString shown;
    QObject::connect(editor.get(), &ChartEditor::blockPressed, [&shown](const QString &tag) { shown = tag; });
    click(QPointF(50, 40)); // both blocks are under this point
    EXPECT_EQ(shown, a->TagID());
    EXPECT_EQ(context().selectedIndex(), a->theObjectShape());
    EXPECT_EQ(context().previousSelectedIndex(), b->theObjectShape()); // pressing the selected block
    click(QPointF(100, 55)); // only b
    EXPECT_EQ(shown, b->TagID());
    EXPECT_EQ(context().previousSelectedIndex(), a->theObjectShape());
    click(QPointF(50, 40)); // b came to the front
    EXPECT_EQ(context().selectedIndex(), b->theObjectShape());
    EXPECT_EQ(context().previousSelectedIndex(), a->theObjectShape());
}

TEST_F(EditorFixture, ADoubleClickAsksForTheEditOfThePressedBlock)
{
    cBlock *a = place(QStringLiteral("START"), QPointF(20, 20));
    place(QStringLiteral("END"), QPointF(200, 20));
    int asked = 0;
    QObject::connect(editor.get(), &ChartEditor::editRequested,
                     [this, &asked, a] { asked += context().selectedIndex() == a->theObjectShape(); });
    click(centreOf(*a));
    EXPECT_EQ(asked, 0);
    QTest::mouseDClick(surface->viewport(), Qt::LeftButton, {}, viewportPoint(centreOf(*a)));
    release(centreOf(*a));
    EXPECT_EQ(asked, 1);
}

TEST_F(EditorFixture, AutomaticConnectJoinsEachNewOrClickedBlockFromTheOneBefore)
{
    editor->setAutoConnect(true);
    cBlock *a = place(QStringLiteral("START"), QPointF(20, 20));
    ASSERT_NE(a, nullptr); // the first block stays, though there was nothing to join it from
    EXPECT_TRUE(log.text().contains(QStringLiteral("İki nesne seçilmelidir!")));
    cBlock *b = place(QStringLiteral("END"), QPointF(20, 200));
    ASSERT_EQ(lines().Count(), 1);
    EXPECT_EQ(lines().item(1)->sFrom(), a->TagID());
    EXPECT_EQ(lines().item(1)->sTo(), b->TagID());
    click(centreOf(*a)); // b to a: joined already, and not reported
    EXPECT_EQ(lines().Count(), 1);
    EXPECT_FALSE(log.text().contains(QStringLiteral("Zaten bağlı!")));
    cBlock *c = place(QStringLiteral("END"), QPointF(200, 200));
    ASSERT_EQ(lines().Count(), 2);
    EXPECT_EQ(lines().item(2)->sFrom(), a->TagID());
    EXPECT_EQ(lines().item(2)->sTo(), c->TagID());
    expectSceneMatchesModel();
}

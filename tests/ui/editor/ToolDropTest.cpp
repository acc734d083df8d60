#include "EditorFixture.h"

#include "ui/editor/ToolDrag.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

// A tool dragged from the tool column onto the surface: the line under the pointer is lit while
// it hovers, and the drop places the block as a press with the tool armed would, into the line
// when it is dropped on one.
class ToolDropTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        editor->setPlacementDialog([this](const BlockTool &tool) -> std::optional<ActionFields> {
            ++dialogs;
            if (!confirm)
                return std::nullopt;
            if (tool.word == QLatin1String("JUNCTION"))
                return ActionFields{QStringLiteral("IF_EQUAL"), QStringLiteral("x"), QStringLiteral("1"), QString()};
            return ActionFields{QStringLiteral("OUTPUT"), QString(), QStringLiteral("x"), QString()};
        });
    }

    // A JUNCTION above an END, joined by a line captioned EVET.
    void buildPair()
    {
        top = place(QStringLiteral("JUNCTION"), QPointF(100, 20));
        bottom = place(QStringLiteral("END"), QPointF(100, 320));
        editor->connectSelected();
        dialogs = 0;
    }
    QPointF middleOfLine(int position)
    {
        const LineElement &route = context().line(lines().item(position)->theObjectLine());
        return QPointF((route.x1 + route.x2) / 2, (route.y1 + route.y2) / 2);
    }

    void hover(const QMimeData &data, const QPointF &at)
    {
        const QPoint point = viewportPoint(at);
        QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(surface->viewport(), &enter);
        QDragMoveEvent move(point, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(surface->viewport(), &move);
    }
    bool drop(const QString &word, const QPointF &at)
    {
        const std::unique_ptr<QMimeData> data(ToolDrag::mimeData(word));
        hover(*data, at);
        QDropEvent dropped(QPointF(viewportPoint(at)), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(surface->viewport(), &dropped);
        return dropped.isAccepted();
    }

    int dialogs = 0;
    bool confirm = true;
    cBlock *top = nullptr;
    cBlock *bottom = nullptr;
};

TEST_F(ToolDropTest, ADropPlacesTheBlockWhereItFallsAsOneStep)
{
    const struct {
        const char *tool;
        bool confirm;
        int blocks;  // on the surface after the drop
        int dialogs; // opened by the drop
    } cases[] = {
        {"OUTPUT", true, 1, 1},
        {"OUTPUT", false, 0, 1}, // closed without confirming: nothing stays
        {"END", true, 1, 0},     // a tool without a dialog
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tool);
        confirm = c.confirm;
        dialogs = 0;
        const QStringList before = snapshot();
        EXPECT_TRUE(drop(QString::fromLatin1(c.tool), QPointF(140, 160)));
        EXPECT_EQ(dialogs, c.dialogs);
        ASSERT_EQ(blocks().Count(), c.blocks);
        if (c.blocks == 0)
            continue;
        const cBlock &made = *blocks().item(1);
        EXPECT_EQ(QPointF(made.shapeLeft(), made.shapeTop()), QPointF(140, 160));
        const QStringList after = snapshot();
        editor->undo();
        EXPECT_EQ(snapshot(), before);
        editor->redo();
        EXPECT_EQ(snapshot(), after);
        expectSceneMatchesModel();
        editor->undo();
    }
}

TEST_F(ToolDropTest, ADropOnALineGoesIntoItKeepingTheCaptionOnTheFirstPart)
{
    buildPair();
    ASSERT_EQ(lines().item(1)->sCaption(), QStringLiteral("EVET"));
    const QStringList before = snapshot();
    const int steps = editor->undoStack().count();
    ASSERT_TRUE(drop(QStringLiteral("OUTPUT"), middleOfLine(1)));
    ASSERT_EQ(blocks().Count(), 3);
    const QString made = blocks().item(3)->TagID();
    ASSERT_EQ(lines().Count(), 2);
    EXPECT_EQ(lines().item(1)->sFrom() + u'>' + lines().item(1)->sTo(), top->TagID() + u'>' + made);
    EXPECT_EQ(lines().item(1)->sCaption(), QStringLiteral("EVET"));
    EXPECT_EQ(lines().item(2)->sFrom() + u'>' + lines().item(2)->sTo(), made + u'>' + bottom->TagID());
    EXPECT_EQ(lines().item(2)->sCaption(), QString());
    EXPECT_EQ(editor->undoStack().count(), steps + 1);
    const QStringList after = snapshot();
    editor->undo();
    EXPECT_EQ(snapshot(), before);
    editor->redo();
    EXPECT_EQ(snapshot(), after);
    expectSceneMatchesModel();
}

TEST_F(ToolDropTest, ADropOnALineCancelledAtTheDialogLeavesTheChartAsItWas)
{
    buildPair();
    confirm = false;
    const QStringList before = snapshot();
    const int steps = editor->undoStack().count();
    drop(QStringLiteral("OUTPUT"), middleOfLine(1));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(editor->undoStack().count(), steps);
}

TEST_F(ToolDropTest, TheLineUnderAHoveringToolIsLitUntilTheDragLeavesOrDrops)
{
    buildPair();
    const qint16 line = lines().item(1)->theObjectLine();
    const std::unique_ptr<QMimeData> tool(ToolDrag::mimeData(QStringLiteral("ACTION")));
    hover(*tool, middleOfLine(1));
    EXPECT_EQ(surface->targetLine(), line);
    hover(*tool, QPointF(600, 500));
    EXPECT_EQ(surface->targetLine(), -1);
    hover(*tool, middleOfLine(1));
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(surface->viewport(), &leave);
    EXPECT_EQ(surface->targetLine(), -1);
    drop(QStringLiteral("END"), middleOfLine(1));
    EXPECT_EQ(surface->targetLine(), -1);
}

// An armed tool's cursor lights the line a press would put its block into; disarmed, nothing is.
TEST_F(ToolDropTest, AnArmedToolLightsTheLineUnderThePointer)
{
    buildPair();
    const QPointF onLine = middleOfLine(1);
    moveTo(onLine);
    EXPECT_EQ(surface->targetLine(), -1);
    surface->setToolCursor(QCursor(QPixmap(8, 8), 0, 0));
    moveTo(onLine);
    EXPECT_EQ(surface->targetLine(), lines().item(1)->theObjectLine());
    surface->setToolCursor(QCursor(Qt::ArrowCursor));
    EXPECT_EQ(surface->targetLine(), -1);
}

TEST_F(ToolDropTest, DataCarryingNoToolIsRefused)
{
    QMimeData text;
    text.setText(QStringLiteral("ACTION"));
    QDragEnterEvent enter(viewportPoint(QPointF(50, 50)), Qt::CopyAction, &text, Qt::LeftButton, {});
    QCoreApplication::sendEvent(surface->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent dropped(QPointF(viewportPoint(QPointF(50, 50))), Qt::CopyAction, &text, Qt::LeftButton, {});
    QCoreApplication::sendEvent(surface->viewport(), &dropped);
    EXPECT_EQ(blocks().Count(), 0);
}

// Whatever edit puts a block in the way of a line back up, the line goes around it; undone, the
// line is straight again, and done again, around once more.
TEST_F(ToolDropTest, ALineBackUpGoesAroundABlockAnyEditPutsInItsWay)
{
    cBlock *upper = place(QStringLiteral("OUTPUT"), QPointF(100, 20));
    cBlock *lower = place(QStringLiteral("OUTPUT"), QPointF(100, 320));
    ASSERT_TRUE(drop(QStringLiteral("OUTPUT"), QPointF(400, 170)));
    cBlock *aside = blocks().item(3);
    editor->connectBlocks(upper->theObjectShape(), aside->theObjectShape());
    editor->connectBlocks(aside->theObjectShape(), lower->theObjectShape());
    editor->connectBlocks(lower->theObjectShape(), upper->theObjectShape());
    ASSERT_EQ(lines().Count(), 3);
    const LineElement &back = context().line(lines().item(3)->theObjectLine());
    ASSERT_TRUE(back.bends.isEmpty());
    // The block aside is dragged between the two: the line back up, none of its own, goes around.
    drag(centreOf(*aside), QPointF(135, 185));
    EXPECT_EQ(back.bends.size(), 2);
    EXPECT_EQ(itemOf(*lines().item(3))->route(), back);
    editor->undo();
    EXPECT_TRUE(back.bends.isEmpty());
    editor->redo();
    EXPECT_EQ(back.bends.size(), 2);
    expectSceneMatchesModel();
}

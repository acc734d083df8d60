#include "EditorFixture.h"

#include "ui/editor/ChartClipboard.h"
#include "ui/editor/SelectionCommands.h"

#include <QAction>

// The commands' actions, as a window would make them.
struct CommandActions {
    QAction cut, copy, paste, selectAll, grid;
    SelectionCommands::Actions all() { return {&cut, &copy, &paste, &selectAll, &grid}; }
};

// Several blocks at once: rubber band and Ctrl+click, moving and deleting them with their
// lines, and the clipboard between two drawings.
class MultiSelectionTest : public EditorFixture {
protected:
    // START -> ADD -> END down the left, a lone END on the right.
    void buildChart()
    {
        editor->setPlacementDialog([](const BlockTool &) -> std::optional<ActionFields> {
            return ActionFields{QStringLiteral("ADD"), QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("a")};
        });
        a = place(QStringLiteral("START"), QPointF(40, 20));
        b = place(QStringLiteral("ACTION"), QPointF(40, 120));
        editor->connectSelected();
        c = place(QStringLiteral("END"), QPointF(40, 220));
        editor->connectSelected();
        d = place(QStringLiteral("END"), QPointF(300, 220));
    }
    void ctrlClick(const cBlock &block)
    {
        QTest::mouseClick(surface->viewport(), Qt::LeftButton, Qt::ControlModifier, viewportPoint(centreOf(block)));
    }
    QVector<qint16> elementsOf(std::initializer_list<const cBlock *> list)
    {
        QVector<qint16> out;
        for (const cBlock *block : list)
            out.append(block->theObjectShape());
        return out;
    }

    cBlock *a = nullptr, *b = nullptr, *c = nullptr, *d = nullptr;
};

TEST_F(MultiSelectionTest, RubberBandAndCtrlClickChooseTheBlocks)
{
    buildChart();
    drag(QPointF(10, 100), QPointF(200, 300)); // around b and c
    EXPECT_EQ(editor->selectedBlocks(), elementsOf({b, c}));
    EXPECT_EQ(surface->groupFrames().size(), 1); // the selected block has the usual frame
    EXPECT_TRUE(surface->selectorVisible());
    ctrlClick(*d);
    EXPECT_EQ(editor->selectedBlocks(), elementsOf({b, c, d}));
    EXPECT_EQ(context().selectedIndex(), d->theObjectShape());
    ctrlClick(*c);
    EXPECT_EQ(editor->selectedBlocks(), elementsOf({b, d}));
    QTest::mouseClick(surface->viewport(), Qt::LeftButton, Qt::ControlModifier, viewportPoint(QPointF(200, 20)));
    click(centreOf(*a)); // a plain press: that block alone
    EXPECT_EQ(editor->selectedBlocks(), elementsOf({a}));
    EXPECT_TRUE(surface->groupFrames().isEmpty());
}

TEST_F(MultiSelectionTest, ASelectionMovesAndGoesAsOneStep)
{
    buildChart();
    const QStringList before = snapshot();
    editor->selectBlocks(elementsOf({a, b}));
    const int steps = editor->undoStack().count();
    drag(centreOf(*b), centreOf(*b) + QPointF(100, 10));
    EXPECT_FLOAT_EQ(a->shapeLeft(), 140);
    EXPECT_FLOAT_EQ(b->shapeLeft(), 140);
    EXPECT_FLOAT_EQ(c->shapeLeft(), 40);
    EXPECT_EQ(editor->undoStack().count(), steps + 1);
    expectSceneMatchesModel();
    const QStringList moved = snapshot();

    editor->moveSelectionBy(0, ChartEditor::gridStep);
    EXPECT_FLOAT_EQ(a->shapeTop(), 40);
    editor->undo();
    EXPECT_EQ(snapshot(), moved);

    editor->deleteSelection();
    EXPECT_EQ(blocks().Count(), 2);
    EXPECT_EQ(lines().Count(), 0); // b -> c led out of the selection and went too
    EXPECT_EQ(editor->undoStack().count(), steps + 2);
    editor->undo();
    EXPECT_EQ(snapshot(), moved);
    expectSceneMatchesModel();
    editor->undo();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(MultiSelectionTest, TheGridSnapsMovesAndIsRemembered)
{
    buildChart();
    {
        CommandActions first;
        SelectionCommands commands(*editor, first.all());
        first.grid.setChecked(true);
    }
    CommandActions second;
    SelectionCommands again(*editor, second.all());
    EXPECT_TRUE(second.grid.isChecked());
    EXPECT_TRUE(editor->gridEnabled());
    drag(centreOf(*d), centreOf(*d) + QPointF(13, 26));
    EXPECT_FLOAT_EQ(d->shapeLeft(), 310);
    EXPECT_FLOAT_EQ(d->shapeTop(), 250);
    second.grid.setChecked(false);
    drag(centreOf(*d), centreOf(*d) + QPointF(3, 4));
    EXPECT_FLOAT_EQ(d->shapeLeft(), 313);
}

TEST_F(MultiSelectionTest, CopiedBlocksPasteIntoAnotherDrawingUnderNewTags)
{
    buildChart();
    CommandActions mine;
    SelectionCommands commands(*editor, mine.all());
    editor->selectBlocks(elementsOf({a, b}));
    commands.copy();
    ASSERT_TRUE(ChartClipboard::holdsBlocks());

    // A second program: a drawing of its own that already uses tag id1.
    MessageLog otherLog;
    Project other(&otherLog);
    DrawingSurface otherSurface;
    ChartEditor otherEditor(other, otherSurface);
    otherEditor.placeBlock(QStringLiteral("END"), QPointF(0, 0));
    CommandActions theirs;
    SelectionCommands otherCommands(otherEditor, theirs.all());
    otherCommands.paste();
    Block_Collection &pasted = other.theBlockCollection();
    ASSERT_EQ(pasted.Count(), 3);
    EXPECT_EQ(pasted.item(2)->zAction(), QStringLiteral("START"));
    EXPECT_EQ(pasted.item(3)->zAction(), QStringLiteral("ADD"));
    EXPECT_EQ(pasted.item(3)->sCaption(), b->sCaption());
    EXPECT_NE(pasted.item(2)->TagID(), pasted.item(1)->TagID());
    ASSERT_EQ(other.theLineCollection().Count(), 1); // b -> c led out of what was copied
    EXPECT_EQ(other.theLineCollection().item(1)->sFrom(), pasted.item(2)->TagID());
    EXPECT_EQ(otherEditor.selectedBlocks().size(), 2);
    otherEditor.undo();
    EXPECT_EQ(pasted.Count(), 1);
    EXPECT_EQ(other.theLineCollection().Count(), 0);

    // Cut takes the blocks out with their lines, in one step; a paste brings them back.
    const int count = blocks().Count();
    commands.cut();
    EXPECT_EQ(blocks().Count(), count - 2);
    commands.paste();
    EXPECT_EQ(blocks().Count(), count);
    EXPECT_FLOAT_EQ(blocks().item(count)->shapeLeft(), 60); // a step beside where they were
    EXPECT_EQ(log.text(), QString());
}

TEST_F(MultiSelectionTest, TheClipboardReadsOnlyBlockRecords)
{
    ChartFragment one;
    one.blocks.append(EditRecord::BlockState());
    one.blocks[0].tagID = QStringLiteral("id4");
    const struct {
        const char *name;
        QByteArray bytes;
        int blocks;
    } cases[] = {
        {"empty", QByteArray(), 0},
        {"plain text", QByteArray("merhaba\r\n"), 0},
        {"cut short", ChartClipboard::encode(one).left(60), 0},
        {"one block", ChartClipboard::encode(one), 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChartClipboard::decode(c.bytes).blocks.size(), c.blocks) << c.name;
}

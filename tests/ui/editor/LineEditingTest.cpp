#include "EditorFixture.h"

// Placing into a line, connecting by dragging from a block's handle, and selecting and deleting
// one line.
class LineEditingTest : public EditorFixture {
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

    // START above END, joined.
    void buildPair()
    {
        top = place(QStringLiteral("START"), QPointF(100, 20));
        bottom = place(QStringLiteral("END"), QPointF(100, 320));
        editor->connectSelected();
    }

    QPointF middleOf(const cLine &line)
    {
        const LineElement &route = context().line(line.theObjectLine());
        return QPointF((route.x1 + route.x2) / 2, (route.y1 + route.y2) / 2);
    }

    QPointF handleOf(const cBlock &block)
    {
        return surface->handleCentre(itemOf(block)->sceneBoundingRect());
    }

    // Every step is taken back and done again exactly.
    void expectUndoRedo(const QStringList &before, const QStringList &after)
    {
        editor->undo();
        EXPECT_EQ(snapshot(), before);
        editor->redo();
        EXPECT_EQ(snapshot(), after);
        expectSceneMatchesModel();
    }

    int dialogs = 0;
    bool confirm = true;
    cBlock *top = nullptr;
    cBlock *bottom = nullptr;
};

TEST_F(LineEditingTest, ABlockPlacedOnALineGoesIntoIt)
{
    const struct {
        const char *tool;
        bool confirm;
        bool spliced;
    } cases[] = {
        {"OUTPUT", true, true},
        {"OUTPUT", false, false}, // the dialog closed without confirming
        {"END", true, true},      // a tool without a dialog
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tool);
        buildPair();
        confirm = c.confirm;
        const QStringList before = snapshot();
        const int steps = editor->undoStack().count();
        const cBlock *made = place(QString::fromLatin1(c.tool), middleOf(*lines().item(1)));
        if (!c.spliced) {
            EXPECT_EQ(snapshot(), before);
            EXPECT_EQ(editor->undoStack().count(), steps);
        } else {
            ASSERT_NE(made, nullptr);
            ASSERT_EQ(lines().Count(), 2);
            EXPECT_EQ(lines().item(1)->sTo(), made->TagID());
            EXPECT_EQ(lines().item(2)->sFrom(), made->TagID());
            EXPECT_EQ(lines().item(2)->sTo(), bottom->TagID());
            EXPECT_EQ(editor->undoStack().count(), steps + 1);
            expectUndoRedo(before, snapshot());
        }
        while (editor->undoStack().canUndo())
            editor->undo();
    }
}

TEST_F(LineEditingTest, TheCaptionStaysOnTheFirstPart)
{
    cBlock *test = place(QStringLiteral("JUNCTION"), QPointF(100, 20));
    cBlock *end = place(QStringLiteral("END"), QPointF(100, 320));
    editor->connectSelected();
    ASSERT_EQ(lines().item(1)->sCaption(), QStringLiteral("EVET"));
    const cBlock *made = place(QStringLiteral("OUTPUT"), middleOf(*lines().item(1)));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(lines().item(1)->sFrom(), test->TagID());
    EXPECT_EQ(lines().item(1)->sCaption(), QStringLiteral("EVET"));
    EXPECT_EQ(lines().item(2)->sCaption(), QString());
    EXPECT_EQ(lines().item(2)->sTo(), end->TagID());
    EXPECT_TRUE(itemOf(*lines().item(1))->route().labelVisible);
}

TEST_F(LineEditingTest, DraggingFromTheHandleConnectsWithTheRulesOfConnect)
{
    cBlock *test = place(QStringLiteral("JUNCTION"), QPointF(100, 20));
    cBlock *yes = place(QStringLiteral("END"), QPointF(20, 250));
    cBlock *no = place(QStringLiteral("END"), QPointF(250, 250));
    const QStringList before = snapshot();
    moveTo(centreOf(*test));
    EXPECT_EQ(surface->handleBlock(), test->theObjectShape());
    drag(handleOf(*test), centreOf(*yes));
    ASSERT_EQ(lines().Count(), 1);
    EXPECT_EQ(lines().item(1)->sCaption(), QStringLiteral("EVET"));
    expectUndoRedo(before, snapshot());
    moveTo(centreOf(*test));
    drag(handleOf(*test), centreOf(*no));
    ASSERT_EQ(lines().Count(), 2);
    EXPECT_EQ(lines().item(2)->sTo(), no->TagID());
    EXPECT_EQ(lines().item(2)->sCaption(), QStringLiteral("HAYIR"));

    const QStringList joined = snapshot();
    moveTo(centreOf(*test));
    drag(handleOf(*test), centreOf(*no));
    EXPECT_TRUE(log.text().contains(QStringLiteral("Zaten bağlı!")));
    moveTo(centreOf(*test));
    drag(handleOf(*test), QPointF(600, 500)); // let go over empty surface
    EXPECT_EQ(snapshot(), joined);
}

TEST_F(LineEditingTest, AClickedLineIsSelectedAndDeleteRemovesOnlyIt)
{
    buildPair();
    cBlock *side = place(QStringLiteral("END"), QPointF(300, 320));
    selectPair(*top, *side);
    editor->connectSelected();
    const QStringList before = snapshot();
    click(middleOf(*lines().item(1)));
    EXPECT_EQ(editor->selectedLine(), lines().item(1)->theObjectLine());
    EXPECT_TRUE(surface->lineHighlighted());
    EXPECT_FALSE(surface->selectorVisible());
    editor->deleteSelection();
    ASSERT_EQ(lines().Count(), 1);
    EXPECT_EQ(lines().item(1)->sTo(), side->TagID());
    EXPECT_EQ(editor->selectedLine(), -1);
    EXPECT_FALSE(surface->lineHighlighted());
    expectUndoRedo(before, snapshot());

    click(QPointF(500, 100)); // empty surface: nothing chosen any more
    EXPECT_EQ(editor->selectedLine(), -1);
    click(centreOf(*side));
    editor->deleteSelection(); // one connected block: "Nesne Sil" and its rule
    EXPECT_TRUE(log.text().contains(QStringLiteral("Bağlı nesneler silinemez.")));
}

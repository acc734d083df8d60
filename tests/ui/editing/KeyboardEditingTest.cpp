#include "../../interp/ChartBuilder.h"

#include "ui/editor/ChartEditor.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/editor/EditorKeyboard.h"

#include <QTest>
#include <gtest/gtest.h>

// The drawing surface driven by keys alone: a chart is built, walked, moved and run.
class KeyboardEditingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        surface.resize(800, 600);
        surface.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
        surface.setFocus();
        // The dialogs' answers and the kinds chosen from Insert's menu, in turn.
        editor.setPlacementDialog([this](const BlockTool &) -> std::optional<ActionFields> {
            return answers.isEmpty() ? std::nullopt : std::optional<ActionFields>(answers.takeFirst());
        });
        keyboard.setKindChooser([this](const QVector<EditorKeyboard::Kind> &) {
            return kinds.isEmpty() ? QString() : kinds.takeFirst();
        });
    }

    void key(int code, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(&surface, Qt::Key(code), mods); }
    void insert(const char *kind, std::optional<ActionFields> answer = std::nullopt)
    {
        kinds.append(QString::fromLatin1(kind));
        if (answer)
            answers.append(*answer);
        key(Qt::Key_Insert);
    }
    QString selectedAction()
    {
        const cBlock *block = editor.operations().blockAt(harness.project.context().selectedIndex());
        return block ? block->zAction() : QString();
    }

    ChartTest::RunHarness harness{true};
    DrawingSurface surface;
    ChartEditor editor{harness.project, surface};
    EditorKeyboard keyboard{editor, surface, {{QStringLiteral("START"), QStringLiteral("Başla")}}};
    QList<ActionFields> answers;
    QStringList kinds;
};

TEST_F(KeyboardEditingTest, AChartBuiltWithKeysAloneRuns)
{
    insert("START");
    insert("END");
    key(Qt::Key_Up); // back to START, whose line the next blocks go into
    EXPECT_EQ(selectedAction(), QStringLiteral("START"));
    insert("OUTPUT", ActionFields{QStringLiteral("OUTPUT"), QString(), QStringLiteral("n"), QString()});
    key(Qt::Key_Up);
    insert("ACTION", ActionFields{QStringLiteral("DEFINITION"), QStringLiteral("n"), QStringLiteral("42"), QString()});
    insert("ACTION", {}); // the dialog closed: nothing added
    EXPECT_EQ(harness.project.theBlockCollection().Count(), 4);
    EXPECT_EQ(harness.project.theLineCollection().Count(), 3);

    harness.run();
    EXPECT_EQ(harness.messages, QStringList());
    EXPECT_EQ(harness.rows, QStringList{QStringLiteral("42")});

    // Every insert was one step: undoing them all empties the drawing again.
    for (int i = 0; i < 4; ++i)
        editor.undo();
    EXPECT_EQ(harness.project.theBlockCollection().Count(), 0);
}

TEST_F(KeyboardEditingTest, TabAndTheArrowsFollowTheFlow)
{
    // START -> condition -(EVET)-> left, -(HAYIR)-> right; both to END. A lone block last.
    insert("START");
    insert("JUNCTION", ActionFields{QStringLiteral("IF_LESS"), QStringLiteral("a"), QStringLiteral("1"), QString()});
    insert("OUTPUT", ActionFields{QStringLiteral("OUTPUT"), QStringLiteral("sol"), QString(), QString()});
    const qint16 left = harness.project.context().selectedIndex();
    key(Qt::Key_Up);
    // With a line already out, Insert would go into it; the second branch is placed and joined.
    const qint16 condition = harness.project.context().selectedIndex();
    answers.append(ActionFields{QStringLiteral("OUTPUT"), QStringLiteral("sağ"), QString(), QString()});
    editor.placeBlock(QStringLiteral("OUTPUT"), QPointF(400, 200));
    const qint16 right = harness.project.context().selectedIndex();
    editor.connectBlocks(condition, right);
    editor.operations().moveBlock(left, 10, 200);

    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        qint16 expected;
    } steps[] = {
        {Qt::Key_Tab, {}, condition},           // from the start block along the flow
        {Qt::Key_Right, {}, right},              // the branch lying right
        {Qt::Key_Up, {}, condition},
        {Qt::Key_Left, {}, left},
        {Qt::Key_Tab, {}, right},                // EVET branch first, then HAYIR
        {Qt::Key_Tab, Qt::ShiftModifier, left},
        {Qt::Key_Down, {}, left},                // no line out: stays
    };
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    ASSERT_EQ(selectedAction(), QStringLiteral("START"));
    for (const auto &s : steps) {
        key(s.key, s.mods);
        EXPECT_EQ(harness.project.context().selectedIndex(), s.expected) << QTest::toString(Qt::Key(s.key));
    }

    const cBlock *block = editor.operations().blockAt(left);
    const float x = block->shapeLeft();
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(block->shapeLeft(), x + ChartEditor::gridStep);
    editor.undo();
    EXPECT_FLOAT_EQ(block->shapeLeft(), x);

    int edits = 0;
    QObject::connect(&editor, &ChartEditor::editRequested, [&edits] { ++edits; });
    key(Qt::Key_Return);
    EXPECT_EQ(edits, 1);
}

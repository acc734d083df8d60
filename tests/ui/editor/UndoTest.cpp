#include "EditorFixture.h"

#include <functional>

namespace {

struct EditCase {
    const char *name;
    std::function<void(EditorFixture &, ChartEditor &)> edit;
};

} // namespace

// A drawing of a condition joined to one end block, with a second end block free, and the
// first two selected: every edit of the table has something to work on.
class UndoTest : public EditorFixture, public ::testing::WithParamInterface<EditCase> {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        editor->setPlacementDialog([](const BlockTool &) -> std::optional<ActionFields> {
            return ActionFields{QStringLiteral("IF_LESS"), QStringLiteral("n"), QStringLiteral("2"), QString()};
        });
        test = place(QStringLiteral("JUNCTION"), QPointF(100, 20));
        end = place(QStringLiteral("END"), QPointF(20, 200));
        editor->connectSelected();
        spare = place(QStringLiteral("END"), QPointF(300, 200));
        selectPair(*end, *spare);
    }

    cBlock *test = nullptr;
    cBlock *end = nullptr;
    cBlock *spare = nullptr;
};

TEST_P(UndoTest, UndoAndRedoTakeEachEditBackAndDoItAgainExactly)
{
    const QStringList before = snapshot();
    const int steps = editor->undoStack().count();
    GetParam().edit(*this, *editor);
    const QStringList after = snapshot();
    ASSERT_NE(after, before);
    EXPECT_EQ(editor->undoStack().count(), steps + 1);
    editor->undo();
    EXPECT_EQ(snapshot(), before);
    expectSceneMatchesModel();
    editor->redo();
    EXPECT_EQ(snapshot(), after);
    expectSceneMatchesModel();
}

INSTANTIATE_TEST_SUITE_P(
    Edits, UndoTest,
    ::testing::Values(
        EditCase{"Place", [](EditorFixture &f, ChartEditor &) { f.place(QStringLiteral("START"), QPointF(400, 40)); }},
        EditCase{"Drag", [](EditorFixture &f, ChartEditor &) { f.drag(QPointF(320, 210), QPointF(420, 300), 6); }},
        EditCase{"Connect", [](EditorFixture &, ChartEditor &e) { e.connectSelected(); }},
        EditCase{"Label",
                 [](EditorFixture &f, ChartEditor &e) {
                     f.click(QPointF(150, 40));
                     f.click(QPointF(50, 210));
                     e.setCaptionPrompt([] { return QStringLiteral("döngü"); });
                     e.labelSelectedLines();
                 }},
        EditCase{"DeleteLine",
                 [](EditorFixture &f, ChartEditor &e) {
                     f.click(QPointF(150, 40));
                     f.click(QPointF(50, 210));
                     e.deleteSelectedLines();
                 }},
        EditCase{"DeleteBlock", [](EditorFixture &, ChartEditor &e) { e.deleteSelectedBlock(); }},
        EditCase{"Colour",
                 [](EditorFixture &, ChartEditor &e) {
                     e.apply(QStringLiteral("Renk"), [](EditOperations &o) {
                         return o.setSelectedColour(EditOperations::ColourRole::Fill, 0x00FF00);
                     });
                 }}),
    [](const ::testing::TestParamInfo<EditCase> &info) { return std::string(info.param.name); });

TEST_F(EditorFixture, ADragIsOneStep)
{
    cBlock *a = place(QStringLiteral("START"), QPointF(20, 20));
    const int steps = editor->undoStack().count();
    drag(QPointF(30, 30), QPointF(230, 130), 10);
    EXPECT_EQ(editor->undoStack().count(), steps + 1);
    editor->undo();
    EXPECT_EQ(QPointF(a->shapeLeft(), a->shapeTop()), QPointF(20, 20));
    drag(QPointF(30, 30), QPointF(60, 30), 3);
    drag(QPointF(60, 30), QPointF(90, 30), 3);
    EXPECT_EQ(editor->undoStack().count(), steps + 2);
}

TEST_F(EditorFixture, UndoingBackToTheSavedDrawingClearsTheModifiedState)
{
    place(QStringLiteral("START"), QPointF(20, 20));
    project->setProjectModified(false); // as a save leaves it
    EXPECT_TRUE(editor->undoStack().isClean());
    drag(QPointF(30, 30), QPointF(130, 30));
    EXPECT_TRUE(context().projectModified());
    editor->undo();
    EXPECT_FALSE(context().projectModified());
    editor->undo(); // before the save: the drawing differs from the file again
    EXPECT_TRUE(context().projectModified());
    editor->redo();
    EXPECT_FALSE(context().projectModified());
    editor->redo();
    EXPECT_TRUE(context().projectModified());
}

TEST_F(EditorFixture, TheUndoCommandsAreNamedAndFollowTheStack)
{
    EXPECT_EQ(editor->undoAction()->text(), QStringLiteral("Geri Al"));
    EXPECT_EQ(editor->redoAction()->text(), QStringLiteral("Yinele"));
    EXPECT_FALSE(editor->undoAction()->isEnabled());
    place(QStringLiteral("START"), QPointF(20, 20));
    EXPECT_TRUE(editor->undoAction()->isEnabled());
    editor->setRunInProgress(true);
    EXPECT_FALSE(editor->undoAction()->isEnabled());
    editor->undo();
    EXPECT_EQ(blocks().Count(), 1);
    editor->setRunInProgress(false);
    editor->undoAction()->trigger();
    EXPECT_EQ(blocks().Count(), 0);
    EXPECT_TRUE(editor->redoAction()->isEnabled());
    EXPECT_TRUE(editor->redoAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
}

TEST_F(EditorFixture, ALoadStartsANewHistory)
{
    place(QStringLiteral("START"), QPointF(20, 20));
    ASSERT_TRUE(project->load_FILE(QStringLiteral(VARNEL_SOURCE_DATA "/Examples/test05_if.vnp")));
    EXPECT_EQ(editor->undoStack().count(), 0);
    EXPECT_FALSE(context().projectModified());
    expectSceneMatchesModel();
}

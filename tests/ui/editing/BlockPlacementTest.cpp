// New blocks through the tools' property dialogs: a confirmed dialog gives the block its
// operation, a dialog closed without confirming leaves no block behind.

#include "BlockEditingFixture.h"

#include <functional>

namespace {

struct PlacementCase {
    const char *tool;
    std::function<void(QWidget *)> answer;
    ActionFields expected;
};

const QVector<PlacementCase> &placementCases()
{
    static const QVector<PlacementCase> cases = {
        {"ACTION",
         [](QWidget *d) {
             typeInto(field<QComboBox>(d, "cboxVarName"), "x");
             typeInto(field<QWidget>(d, "txtVarValue"), "5");
             clickOK(d);
         },
         {"DEFINITION", "x", "5", ""}},
        {"INPUT",
         [](QWidget *d) {
             typeInto(field<QWidget>(d, "txtText"), "Sayı?");
             typeInto(field<QComboBox>(d, "cboxVarName"), "n");
             clickOK(d);
         },
         {"INPUT", "Sayı?", "n", ""}},
        {"OUTPUT",
         [](QWidget *d) {
             typeInto(field<QWidget>(d, "txtText"), "Sonuç:");
             typeInto(field<QComboBox>(d, "cboxVarName"), "n");
             clickOK(d);
         },
         {"OUTPUT", "Sonuç:", "n", ""}},
        {"JUNCTION",
         [](QWidget *d) {
             typeInto(field<QComboBox>(d, "cboxOperand1"), "a");
             pickItem(field<QComboBox>(d, "cboxOperation"), ">=");
             typeInto(field<QComboBox>(d, "cboxOperand2"), "10");
             clickOK(d);
         },
         {"IF_GREATER_EQUAL", "a", "10", ""}},
        {"FUNCTION",
         [](QWidget *d) {
             typeInto(field<QComboBox>(d, "cboxFunctionName"), "Sin");
             typeInto(field<QComboBox>(d, "cboxParam1"), "x");
             typeInto(field<QComboBox>(d, "cboxResult"), "y");
             clickOK(d);
         },
         {"FUNCTION", "Sin", "x", "y"}},
        {"WINDOW", clickOK, {"WINDOW", "4365|3585|", "", "||"}},
    };
    return cases;
}

} // namespace

class BlockPlacementTest : public BlockEditingFixture {
protected:
    bool frameOn(const cBlock *block) const
    {
        return surface.selectorVisible() && surface.selectorRect() == ChartEditor::selectorFrame(*block);
    }
};

TEST_F(BlockPlacementTest, EveryDialogToolPlacesTheConfirmedBlockAtThePoint)
{
    for (const PlacementCase &c : placementCases()) {
        SCOPED_TRACE(c.tool);
        project.context().setProjectModified(false);
        whenModal(c.answer);
        editor.placeBlock(QString::fromLatin1(c.tool), QPointF(40, 60));
        const cBlock *block = selected();
        ASSERT_NE(block, nullptr);
        EXPECT_EQ((ActionFields{block->zAction(), block->zParam1(), block->zParam2(), block->zParam3()}), c.expected);
        EXPECT_EQ(block->shapeLeft(), 40);
        EXPECT_EQ(block->shapeTop(), 60);
        EXPECT_FALSE(block->sCaption().isEmpty());
        EXPECT_TRUE(frameOn(block));
        EXPECT_TRUE(project.projectModified());
    }
    EXPECT_EQ(blockCount(), placementCases().size());
    EXPECT_EQ(undoStack().count(), placementCases().size());
}

TEST_F(BlockPlacementTest, ClosingAnyDialogWithoutConfirmingLeavesNoBlock)
{
    cBlock *before = placeDirect(QStringLiteral("START"), 0, 0);
    for (const PlacementCase &c : placementCases()) {
        SCOPED_TRACE(c.tool);
        whenModal([](QWidget *d) { d->close(); });
        editor.placeBlock(QString::fromLatin1(c.tool), QPointF(10, 10));
        EXPECT_EQ(blockCount(), 1);
        EXPECT_EQ(project.context().selectedIndex(), -1);
        EXPECT_FALSE(surface.selectorVisible());
    }
    EXPECT_EQ(project.theBlockCollection().item(1), before);
}

TEST_F(BlockPlacementTest, ConfirmedEntriesFillTheRecentLists)
{
    whenModal(placementCases()[0].answer);
    editor.placeBlock(QStringLiteral("ACTION"), QPointF(0, 0));
    whenModal(placementCases()[1].answer);
    editor.placeBlock(QStringLiteral("INPUT"), QPointF(0, 50));
    whenModal([](QWidget *d) {
        typeInto(field<QComboBox>(d, "cboxFunctionName"), "kare");
        clickOK(d);
    });
    editor.placeBlock(QStringLiteral("FUNCTION"), QPointF(0, 100));

    EXPECT_EQ(editing.lists().ListBox_vars_vals().items(), (QStringList{"x", "n"}));
    EXPECT_EQ(editing.lists().ListBox_functions().items().last(), QStringLiteral("kare"));

    whenModal([](QWidget *d) {
        EXPECT_TRUE(itemsOf(field<QComboBox>(d, "cboxOperand1")).contains(QStringLiteral("n")));
        d->close();
    });
    editor.placeBlock(QStringLiteral("JUNCTION"), QPointF(0, 150));
}

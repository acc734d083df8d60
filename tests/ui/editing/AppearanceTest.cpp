// The colour commands through the colour picker, and the size window following the selected
// block.

#include "BlockEditingFixture.h"

#include "ui/dialogs/frmSize.h"

#include <QColorDialog>
#include <QSpinBox>

namespace {

using Role = EditOperations::ColourRole;

qint32 colourOf(const cBlock &block, Role role)
{
    switch (role) {
    case Role::Fill: return block.BGColor();
    case Role::Text: return block.TextColor();
    case Role::Border: return block.BorderColor();
    }
    return -1;
}

} // namespace

class AppearanceTest : public BlockEditingFixture {
protected:
    QSpinBox *spinner(const char *name) { return field<QSpinBox>(editing.sizeWindow(), name); }

    // Types a value into a spinner and confirms it, as the user does.
    void enter(const char *name, int value)
    {
        QSpinBox *box = spinner(name);
        box->selectAll();
        QTest::keyClicks(box, QString::number(value));
        QTest::keyClick(box, Qt::Key_Return);
    }
};

TEST_F(AppearanceTest, EachColourCommandSetsItsColourAsOneEdit)
{
    cBlock *block = placeDirect(QStringLiteral("START"), 0, 0);
    const QVector<std::pair<Role, QColor>> cases = {
        {Role::Fill, QColor(0x12, 0x34, 0x56)},
        {Role::Text, QColor(0xFF, 0x00, 0x00)},
        {Role::Border, QColor(0x00, 0x00, 0xFF)},
    };
    for (const auto &[role, colour] : cases) {
        const qint32 before = colourOf(*block, role);
        QString title;
        whenModal([&title, colour](QWidget *d) {
            title = d->windowTitle();
            static_cast<QColorDialog *>(d)->setCurrentColor(colour);
            static_cast<QColorDialog *>(d)->accept();
        });
        editing.changeColour(role);
        EXPECT_EQ(title, BlockEditing::colourCaption(role));
        EXPECT_EQ(colourOf(*block, role), colour.red() | colour.green() << 8 | colour.blue() << 16);
        EXPECT_EQ(undoStack().count(), 1);
        editor.undo();
        EXPECT_EQ(colourOf(*block, role), before);
        undoStack().clear();
    }
    EXPECT_EQ(block->BGColor(), 16777215);
}

TEST_F(AppearanceTest, CancellingThePickerLeavesTheColours)
{
    cBlock *block = placeDirect(QStringLiteral("START"), 0, 0);
    project.context().setProjectModified(false);
    whenModal([](QWidget *d) { static_cast<QColorDialog *>(d)->reject(); });
    editing.changeColour(Role::Fill);
    EXPECT_EQ(block->BGColor(), 16777215);
    EXPECT_FALSE(project.projectModified());
    EXPECT_EQ(undoStack().count(), 0);
}

TEST_F(AppearanceTest, WithoutSelectionNoCommandOpensAnything)
{
    bool opened = false;
    whenModal([&opened](QWidget *d) {
        opened = true;
        d->close();
    });
    editing.changeColour(Role::Border);
    editing.mnuChangeSize_Click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(editing.sizeWindow(), nullptr);
}

TEST_F(AppearanceTest, TheSizeWindowResizesTheSelectedBlockAndCirclesStaySquare)
{
    cBlock *oval = placeDirect(QStringLiteral("END"), 0, 0);
    cBlock *circle = placeDirect(QStringLiteral("INTERSECTION"), 200, 0);
    editing.mnuChangeSize_Click();
    ASSERT_NE(editing.sizeWindow(), nullptr);
    EXPECT_TRUE(editing.sizeWindow()->isVisible());
    EXPECT_EQ(editing.sizeWindow()->shownSize(), (BlockSize{10, 10}));

    enter("txtWidth", 30);
    EXPECT_EQ(circle->shapeWidth(), 30);
    EXPECT_EQ(circle->shapeHeight(), 30);
    EXPECT_EQ(surface.selectorRect(), ChartEditor::selectorFrame(*circle));

    project.context().setSelection(oval->theObjectShape(), circle->theObjectShape());
    EXPECT_EQ(editing.sizeWindow()->shownSize(), (BlockSize{70, 30}));
    enter("txtWidth", 100);
    EXPECT_EQ(oval->shapeWidth(), 100);
    EXPECT_EQ(oval->shapeHeight(), 30);
    enter("txtHeight", 45);
    EXPECT_EQ(oval->shapeWidth(), 100);
    EXPECT_EQ(oval->shapeHeight(), 45);
}

TEST_F(AppearanceTest, SizeEditsOfOneBlockAreOneUndoStepUntilTheSelectionMoves)
{
    cBlock *first = placeDirect(QStringLiteral("ACTION"), 0, 0, {"DEFINITION", "a", "1", ""});
    const BlockSize firstSize{first->shapeWidth(), first->shapeHeight()};
    cBlock *second = placeDirect(QStringLiteral("END"), 0, 100);
    editing.mnuChangeSize_Click();
    enter("txtWidth", 80);
    enter("txtHeight", 35);
    project.context().setSelection(first->theObjectShape(), -1);
    enter("txtWidth", 90);
    EXPECT_EQ(undoStack().count(), 2);

    editor.undo();
    EXPECT_EQ((BlockSize{first->shapeWidth(), first->shapeHeight()}), firstSize);
    editor.undo();
    EXPECT_EQ((BlockSize{second->shapeWidth(), second->shapeHeight()}), (BlockSize{70, 30}));
}

TEST_F(AppearanceTest, TheSizeWindowShowsTheSizeAfterAnUndo)
{
    placeDirect(QStringLiteral("END"), 0, 0);
    editing.mnuChangeSize_Click();
    enter("txtWidth", 120);
    editor.undo();
    EXPECT_EQ(editing.sizeWindow()->shownSize(), (BlockSize{70, 30}));
}

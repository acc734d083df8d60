// Placing blocks reuses one hidden dialog until it is closed without confirming; editing always
// starts from the block and discards the kept dialog.

#include "DialogTestSupport.h"

#include "ui/dialogs/DialogSlot.h"
#include "ui/dialogs/frmDlgAction.h"
#include "ui/dialogs/frmDlgIf.h"
#include "ui/dialogs/frmLists.h"

#include <QTabBar>
#include <gtest/gtest.h>

namespace {

void clickTab(QWidget *dialog, int index)
{
    auto *tabs = field<QTabBar>(dialog, "TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

} // namespace

TEST(DialogSlot, ConfirmedPlacementIsKeptForTheNextOne)
{
    frmLists lists;
    QWidget owner;
    DialogSlot<frmDlgAction> slot(lists, &owner);

    whenModal([](QWidget *d) {
        clickTab(d, 1);
        typeInto(field<QComboBox>(d, "cboxOperand1"), "a");
        pickItem(field<QComboBox>(d, "cboxOperation"), "*");
        clickOK(d);
    });
    EXPECT_EQ(slot.place({}), (ActionFields{"MULTIPLY", "a", "", ""}));
    frmDlgAction *kept = slot.keptDialog();
    ASSERT_NE(kept, nullptr);
    EXPECT_FALSE(kept->isVisible());

    whenModal(clickOK);
    EXPECT_EQ(slot.place({}), (ActionFields{"MULTIPLY", "a", "", ""}));
    EXPECT_EQ(slot.keptDialog(), kept);
}

TEST(DialogSlot, ClosedPlacementStartsFreshNextTime)
{
    frmLists lists;
    QWidget owner;
    DialogSlot<frmDlgIf> slot(lists, &owner);
    whenModal([](QWidget *d) {
        pickItem(field<QComboBox>(d, "cboxOperation"), "<>");
        clickOK(d);
    });
    ASSERT_TRUE(slot.place({}).has_value());

    whenModal([](QWidget *d) { d->close(); });
    EXPECT_FALSE(slot.place({}).has_value());
    EXPECT_EQ(slot.keptDialog(), nullptr);

    whenModal(clickOK);
    EXPECT_EQ(slot.place({}), (ActionFields{"IF_EQUAL", "", "", ""}));
}

TEST(DialogSlot, EditingFillsFromTheBlockAndDiscardsTheKeptDialog)
{
    frmLists lists;
    QWidget owner;
    DialogSlot<frmDlgIf> slot(lists, &owner);
    whenModal([](QWidget *d) {
        typeInto(field<QComboBox>(d, "cboxOperand1"), "placed");
        clickOK(d);
    });
    ASSERT_TRUE(slot.place({}).has_value());

    whenModal([](QWidget *d) {
        EXPECT_EQ(field<QComboBox>(d, "cboxOperand1")->currentText(), QStringLiteral("n"));
        EXPECT_EQ(field<QComboBox>(d, "cboxOperation")->currentText(), QStringLiteral(">="));
        clickOK(d);
    });
    EXPECT_EQ(slot.edit({"IF_GREATER_EQUAL", "n", "1", "z"}),
              (ActionFields{"IF_GREATER_EQUAL", "n", "1", "z"}));
    EXPECT_EQ(slot.keptDialog(), nullptr);
    EXPECT_TRUE(owner.findChildren<frmDlgIf *>().isEmpty());

    whenModal([](QWidget *d) { d->close(); });
    EXPECT_FALSE(slot.edit({"IF_LESS", "n", "1", ""}).has_value());
}

TEST(DialogSlot, PlacementWritesOverTheNewBlocksFields)
{
    frmLists lists;
    QWidget owner;
    DialogSlot<frmDlgAction> slot(lists, &owner);
    whenModal(clickOK);
    EXPECT_EQ(slot.place({"", "", "", "left"}), (ActionFields{"DEFINITION", "", "", "left"}));
}

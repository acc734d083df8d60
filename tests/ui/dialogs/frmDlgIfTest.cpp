// The condition dialog: one row of operand, comparison and operand.

#include "DialogTestSupport.h"

#include "ui/dialogs/frmDlgIf.h"
#include "ui/dialogs/frmLists.h"

#include <gtest/gtest.h>

TEST(frmDlgIf, FreshDialogPicksEqualWithEmptyOperands)
{
    frmLists lists;
    frmDlgIf d(lists);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Karşılaştırma"));
    auto *operation = field<QComboBox>(&d, "cboxOperation");
    EXPECT_FALSE(operation->isEditable());
    EXPECT_EQ(itemsOf(operation), (QStringList{"=", "<", ">", ">=", "<=", "<>"}));
    EXPECT_EQ(operation->currentText(), QStringLiteral("="));
    EXPECT_TRUE(field<QComboBox>(&d, "cboxOperand1")->currentText().isEmpty());
    EXPECT_TRUE(field<QComboBox>(&d, "cboxOperand2")->currentText().isEmpty());
}

TEST(frmDlgIf, EachCodeOpensWithItsOperatorAndConfirmsBack)
{
    const char *const codes[] = {"IF_EQUAL",         "IF_LESS",       "IF_GREATER",
                                 "IF_GREATER_EQUAL", "IF_LESS_EQUAL", "IF_NOT_EQUAL"};
    const char *const items[] = {"=", "<", ">", ">=", "<=", "<>"};
    frmLists lists;
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(codes[i]);
        const ActionFields block{codes[i], "a", "b", "c"};
        frmDlgIf d(lists, block);
        EXPECT_EQ(field<QComboBox>(&d, "cboxOperation")->currentText(), QString(items[i]));
        whenModal(clickOK);
        d.exec();
        EXPECT_EQ(d.confirmedFields(), block);
    }
}

TEST(frmDlgIf, ChangingTheOperatorChangesTheCodeOnly)
{
    frmLists lists;
    lists.addRecentVarVal("x");
    frmDlgIf d(lists, {"IF_GREATER_EQUAL", "x", "10", ""});
    whenModal([](QWidget *dialog) {
        pickItem(field<QComboBox>(dialog, "cboxOperation"), "<>");
        typeInto(field<QComboBox>(dialog, "cboxOperand2"), "y");
        clickOK(dialog);
    });
    d.exec();
    EXPECT_EQ(d.confirmedFields(), (ActionFields{"IF_NOT_EQUAL", "x", "y", ""}));
    EXPECT_EQ(lists.ListBox_vars_vals().items(), QStringList{"x"});
}

TEST(frmDlgIf, OperandListsOfferRecentEntries)
{
    frmLists lists;
    lists.addRecentVarVal("x");
    frmDlgIf d(lists);
    d.show();
    EXPECT_EQ(itemsOf(field<QComboBox>(&d, "cboxOperand1")), QStringList{"x"});
    EXPECT_EQ(itemsOf(field<QComboBox>(&d, "cboxOperand2")), QStringList{"x"});
    EXPECT_TRUE(field<QComboBox>(&d, "cboxOperand1")->currentText().isEmpty());
}

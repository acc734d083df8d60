// The function-call dialog: the recent functions, the parameter field that picking an argument-
// less function disables, and what a confirm yields and records.

#include "DialogTestSupport.h"

#include "ui/dialogs/frmDlgFunction.h"
#include "ui/dialogs/frmLists.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(frmDlgFunction, OffersTheRecentFunctionsAndVariables)
{
    frmLists lists;
    lists.addRecentVarVal("n");
    frmDlgFunction d(lists, {"FUNCTION", "Topla", "n", "r"});
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Fonksiyon"));
    d.show();
    auto *name = field<QComboBox>(&d, "cboxFunctionName");
    EXPECT_EQ(name->count(), 43);
    EXPECT_EQ(name->itemText(0), QStringLiteral("E"));
    EXPECT_EQ(name->currentText(), QStringLiteral("Topla"));
    EXPECT_EQ(itemsOf(field<QComboBox>(&d, "cboxParam1")), QStringList{"n"});
    EXPECT_EQ(field<QComboBox>(&d, "cboxResult")->currentText(), QStringLiteral("r"));
    QStringList labels;
    for (const QLabel *label : d.findChildren<QLabel *>())
        labels << label->text();
    EXPECT_EQ(labels, (QStringList{"Fonksiyon adı:", "Parametreler:", "Sonuç değişkeni:"}));
}

TEST(frmDlgFunction, PickingAFunctionWithoutArgumentDisablesTheParameter)
{
    const struct {
        const char *name;
        bool enabled;
    } cases[] = {
        {"Pi", false},  {"E", false},   {"Date", false}, {"Time", false}, {"Now", false},
        {"Clear", false}, {"Sin", true}, {"Day", true},   {"Factorial", true},
    };
    frmLists lists;
    frmDlgFunction d(lists);
    d.show();
    auto *name = field<QComboBox>(&d, "cboxFunctionName");
    auto *param = field<QComboBox>(&d, "cboxParam1");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        pickItem(name, c.name);
        EXPECT_EQ(param->isEnabled(), c.enabled);
        EXPECT_EQ(name->currentText(), QString::fromLatin1(c.name));
    }
}

TEST(frmDlgFunction, TypingANameLeavesTheParameterAsItIs)
{
    frmLists lists;
    frmDlgFunction d(lists);
    d.show();
    auto *param = field<QComboBox>(&d, "cboxParam1");
    typeInto(field<QComboBox>(&d, "cboxFunctionName"), "PI");
    EXPECT_TRUE(param->isEnabled());
    pickItem(field<QComboBox>(&d, "cboxFunctionName"), "Pi");
    typeInto(field<QComboBox>(&d, "cboxFunctionName"), "Sin");
    EXPECT_FALSE(param->isEnabled());
}

TEST(frmDlgFunction, DisabledParameterIsStillStoredAndReopeningEnablesIt)
{
    frmLists lists;
    frmDlgFunction d(lists, {"FUNCTION", "Sin", "x", "y"});
    whenModal([](QWidget *dialog) {
        pickItem(field<QComboBox>(dialog, "cboxFunctionName"), "Now");
        clickOK(dialog);
    });
    d.exec();
    EXPECT_EQ(d.confirmedFields(), (ActionFields{"FUNCTION", "Now", "x", "y"}));
    EXPECT_FALSE(field<QComboBox>(&d, "cboxParam1")->isEnabled());
    d.show();
    EXPECT_TRUE(field<QComboBox>(&d, "cboxParam1")->isEnabled());
}

TEST(frmDlgFunction, ConfirmRecordsOnlyTheFunctionName)
{
    frmLists lists;
    frmDlgFunction d(lists);
    whenModal([](QWidget *dialog) {
        typeInto(field<QComboBox>(dialog, "cboxFunctionName"), "Topla");
        typeInto(field<QComboBox>(dialog, "cboxParam1"), "a");
        typeInto(field<QComboBox>(dialog, "cboxResult"), "r");
        clickOK(dialog);
    });
    d.exec();
    EXPECT_EQ(d.confirmedFields(), (ActionFields{"FUNCTION", "Topla", "a", "r"}));
    EXPECT_EQ(lists.ListBox_functions().items().size(), 44);
    EXPECT_EQ(lists.ListBox_functions().items().last(), QStringLiteral("Topla"));
    EXPECT_TRUE(lists.ListBox_vars_vals().items().isEmpty());
}

TEST(frmDlgFunction, ClosingYieldsNothing)
{
    frmLists lists;
    frmDlgFunction d(lists, {"FUNCTION", "Sin", "x", "y"});
    whenModal([](QWidget *dialog) {
        typeInto(field<QComboBox>(dialog, "cboxFunctionName"), "Cos");
        dialog->close();
    });
    EXPECT_EQ(d.exec(), QDialog::Rejected);
    EXPECT_FALSE(d.confirmedFields().has_value());
    EXPECT_EQ(lists.ListBox_functions().items().size(), 43);
}

// Refilling an editable list from a recent list keeps the text the user sees.

#include "DialogTestSupport.h"

#include "ui/dialogs/frmLists.h"

#include <gtest/gtest.h>

TEST(frmLists, RefillReplacesItemsAndKeepsTheText)
{
    frmLists lists;
    lists.addRecentVarVal("a");
    lists.addRecentVarVal("b");
    QComboBox cbox;
    cbox.setEditable(true);
    cbox.addItem("stale");
    cbox.setEditText("typed");
    lists.fillCombo_var_val(&cbox);
    EXPECT_EQ(itemsOf(&cbox), (QStringList{"a", "b"}));
    EXPECT_EQ(cbox.currentText(), QStringLiteral("typed"));

    cbox.setEditText(QString());
    lists.fillCombo_func(&cbox);
    EXPECT_EQ(cbox.count(), 43);
    EXPECT_TRUE(cbox.currentText().isEmpty());
}

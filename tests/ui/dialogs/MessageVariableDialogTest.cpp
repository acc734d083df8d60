// The input and output dialogs: a message and a variable name, the variable entering the recent
// list on confirm.

#include "DialogTestSupport.h"

#include "ui/dialogs/frmDlgInput.h"
#include "ui/dialogs/frmDlgOutput.h"
#include "ui/dialogs/frmLists.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Kind {
    const char *code;
    const char *title;
    std::function<PropertyDialog *(frmLists &, const ActionFields *)> make;
};

const Kind kinds[] = {
    {"INPUT", "Giriş",
     [](frmLists &l, const ActionFields *b) -> PropertyDialog * {
         return b ? new frmDlgInput(l, *b) : new frmDlgInput(l);
     }},
    {"OUTPUT", "Çıkış",
     [](frmLists &l, const ActionFields *b) -> PropertyDialog * {
         return b ? new frmDlgOutput(l, *b) : new frmDlgOutput(l);
     }},
};

} // namespace

TEST(MessageVariableDialog, FreshDialogsHaveTheirTitlesAndLabels)
{
    for (const Kind &kind : kinds) {
        SCOPED_TRACE(kind.code);
        frmLists lists;
        std::unique_ptr<PropertyDialog> d(kind.make(lists, nullptr));
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8(kind.title));
        QStringList labels;
        for (const QLabel *label : d->findChildren<QLabel *>())
            labels << label->text();
        EXPECT_EQ(labels, (QStringList{"Mesaj:", "Değişken Adı:"}));
        EXPECT_TRUE(field<QLineEdit>(d.get(), "txtText")->text().isEmpty());
    }
}

TEST(MessageVariableDialog, ConfirmYieldsMessageAndVariable)
{
    for (const Kind &kind : kinds) {
        SCOPED_TRACE(kind.code);
        frmLists lists;
        const ActionFields block{"", "eski", "v", "third"};
        std::unique_ptr<PropertyDialog> d(kind.make(lists, &block));
        EXPECT_EQ(field<QLineEdit>(d.get(), "txtText")->text(), QStringLiteral("eski"));
        whenModal([](QWidget *dialog) {
            typeInto(field<QLineEdit>(dialog, "txtText"), "Sayı giriniz:");
            typeInto(field<QComboBox>(dialog, "cboxVarName"), "sayı");
            clickOK(dialog);
        });
        d->exec();
        EXPECT_EQ(d->confirmedFields(),
                  (ActionFields{kind.code, "Sayı giriniz:", "sayı", "third"}));
        EXPECT_EQ(lists.ListBox_vars_vals().items(), QStringList{"sayı"});
    }
}

TEST(MessageVariableDialog, EmptyMessageIsStoredAndEmptyNameNotRecorded)
{
    for (const Kind &kind : kinds) {
        SCOPED_TRACE(kind.code);
        frmLists lists;
        std::unique_ptr<PropertyDialog> d(kind.make(lists, nullptr));
        whenModal(clickOK);
        d->exec();
        EXPECT_EQ(d->confirmedFields(), (ActionFields{kind.code, "", "", ""}));
        EXPECT_TRUE(lists.ListBox_vars_vals().items().isEmpty());
    }
}

TEST(MessageVariableDialog, ClosingYieldsNothing)
{
    for (const Kind &kind : kinds) {
        SCOPED_TRACE(kind.code);
        frmLists lists;
        const ActionFields block{kind.code, "m", "v", ""};
        std::unique_ptr<PropertyDialog> d(kind.make(lists, &block));
        whenModal([](QWidget *dialog) {
            typeInto(field<QComboBox>(dialog, "cboxVarName"), "other");
            dialog->close();
        });
        EXPECT_EQ(d->exec(), QDialog::Rejected);
        EXPECT_FALSE(d->confirmedFields().has_value());
        EXPECT_TRUE(lists.ListBox_vars_vals().items().isEmpty());
    }
}

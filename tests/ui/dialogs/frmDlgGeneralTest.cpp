// The START block's options: the local variable list, written only over a START block.

#include "DialogTestSupport.h"

#include "ui/dialogs/frmDlgGeneral.h"
#include "ui/dialogs/frmLists.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(frmDlgGeneral, ShowsTheTextsOfTheOptions)
{
    frmLists lists;
    frmDlgGeneral d(lists, {"START", " a, b", "", ""});
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Genel Seçenekler"));
    EXPECT_EQ(field<QLineEdit>(&d, "txtLocalVars")->text(), QStringLiteral(" a, b"));
    EXPECT_EQ(field<QPushButton>(&d, "cmdOK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(field<QLabel>(&d, "lblLocalVars")->text(), QStringLiteral("Yerel Değişkenler:"));
    EXPECT_EQ(field<QLabel>(&d, "lblExample")->text(), QStringLiteral("Örnek:   a,b,c "));
    EXPECT_EQ(field<QLabel>(&d, "lblDescription")->text(),
              QStringLiteral("Yerel değişkenler aktif diyagram çalıştırılmadan önce yığına "
                             "kaydedilir ve diyagramın çalışması sona erdiğinde geri yüklenirler."));
}

TEST(frmDlgGeneral, ConfirmWritesTheListOnlyOverAStartBlock)
{
    const struct {
        ActionFields block;
        ActionFields expected;
    } cases[] = {
        {{"START", "old", "p2", ""}, {"START", "a,,b ", "p2", ""}},
        {{"STOP", "old", "", ""}, {"STOP", "old", "", ""}},
        {{"start", "old", "", ""}, {"start", "old", "", ""}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.block.zAction.toStdString());
        frmLists lists;
        frmDlgGeneral d(lists, c.block);
        whenModal([](QWidget *dialog) {
            typeInto(field<QLineEdit>(dialog, "txtLocalVars"), "a,,b ");
            clickOK(dialog);
        });
        EXPECT_EQ(d.exec(), QDialog::Accepted);
        EXPECT_EQ(d.confirmedFields(), c.expected);
    }
}

TEST(frmDlgGeneral, ClosingYieldsNothing)
{
    frmLists lists;
    frmDlgGeneral d(lists, {"START", "a", "", ""});
    whenModal([](QWidget *dialog) { dialog->close(); });
    EXPECT_EQ(d.exec(), QDialog::Rejected);
    EXPECT_FALSE(d.confirmedFields().has_value());
}

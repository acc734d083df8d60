// The action dialog: which page and fields a block opens with, what a confirm yields, the tab
// row, the recent variables, and that closing it yields nothing.

#include "DialogTestSupport.h"

#include "ui/dialogs/frmDlgAction.h"
#include "ui/dialogs/frmLists.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <gtest/gtest.h>

namespace {

QString text(const frmDlgAction &d, const char *name)
{
    if (auto *cbox = d.findChild<QComboBox *>(QString::fromLatin1(name)))
        return cbox->currentText();
    return field<QLineEdit>(&d, name)->text();
}

} // namespace

TEST(frmDlgAction, FreshDialogShowsPageOneWithFirstOperatorsPicked)
{
    frmLists lists;
    frmDlgAction d(lists);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("İşlem"));
    EXPECT_EQ(d.page(), frmDlgAction::DefinitionPage);
    auto *tabs = field<QTabBar>(&d, "TabStrip1");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Atama"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Aritmetik İşlemler"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("String İşlemleri"));
    EXPECT_EQ(field<QComboBox>(&d, "cboxOperation")->currentText(), QStringLiteral("+"));
    EXPECT_EQ(field<QComboBox>(&d, "cboxStringOperation")->currentText(), QStringLiteral("&"));
    EXPECT_EQ(itemsOf(field<QComboBox>(&d, "cboxDatabase")), QStringList{"Project1.mdb"});
    EXPECT_EQ(field<QPlainTextEdit>(&d, "txtSQL")->toPlainText(), QStringLiteral("SELECT ....\n"));
    for (const char *name : {"cboxVarName", "txtVarValue", "cboxOperand1", "cboxResult"})
        EXPECT_TRUE(text(d, name).isEmpty()) << name;
}

TEST(frmDlgAction, OperatorListsArePickOnly)
{
    frmLists lists;
    frmDlgAction d(lists);
    EXPECT_FALSE(field<QComboBox>(&d, "cboxOperation")->isEditable());
    EXPECT_FALSE(field<QComboBox>(&d, "cboxStringOperation")->isEditable());
    EXPECT_TRUE(field<QComboBox>(&d, "cboxOperand1")->isEditable());
    EXPECT_EQ(itemsOf(field<QComboBox>(&d, "cboxOperation")),
              (QStringList{"+", "-", "*", "/", "DIV", "MOD", "^", "%"}));
}

TEST(frmDlgAction, EditingOpensThePageOfTheActionCode)
{
    const struct {
        ActionFields block;
        frmDlgAction::Page page;
        std::vector<std::pair<const char *, const char *>> fields;
    } cases[] = {
        {{"DEFINITION", "a", "5", "z"}, frmDlgAction::DefinitionPage,
         {{"cboxVarName", "a"}, {"txtVarValue", "5"}}},
        {{"MODULE", "x", "3", "r"}, frmDlgAction::ArithmeticPage,
         {{"cboxOperand1", "x"}, {"cboxOperation", "MOD"}, {"cboxOperand2", "3"}, {"cboxResult", "r"}}},
        {{"PERCENT", "x", "3", "r"}, frmDlgAction::ArithmeticPage, {{"cboxOperation", "%"}}},
        {{"COMP", "s", "t", "u"}, frmDlgAction::StringsPage,
         {{"cboxString1", "s"}, {"cboxStringOperation", "COMP"}, {"cboxString2", "t"},
          {"cboxStringResult", "u"}}},
        {{"JOIN", "s", "t", "u"}, frmDlgAction::StringsPage, {{"cboxStringOperation", "&"}}},
        {{"SQL", "db.mdb", "SELECT 1", ""}, frmDlgAction::SqlPage, {{"cboxDatabase", "db.mdb"}}},
        {{"add", "x", "", ""}, frmDlgAction::DefinitionPage, {{"cboxVarName", ""}}},
    };
    frmLists lists;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.block.zAction.toStdString());
        frmDlgAction d(lists, c.block);
        EXPECT_EQ(d.page(), c.page);
        for (const auto &[name, value] : c.fields)
            EXPECT_EQ(text(d, name), QString::fromLatin1(value)) << name;
    }
}

TEST(frmDlgAction, ConfirmWritesOnlyTheVisiblePage)
{
    const struct {
        ActionFields block;
        std::function<void(QWidget *)> change;
        ActionFields expected;
    } cases[] = {
        {{"MODULE", "x", "3", "r"},
         [](QWidget *d) { pickItem(field<QComboBox>(d, "cboxOperation"), "^"); },
         {"POWER", "x", "3", "r"}},
        {{"ADD", "x", "3", "r"},
         [](QWidget *d) {
             QTest::mouseClick(field<QTabBar>(d, "TabStrip1"), Qt::LeftButton, {},
                               field<QTabBar>(d, "TabStrip1")->tabRect(0).center());
             typeInto(field<QComboBox>(d, "cboxVarName"), "toplam");
             typeInto(field<QLineEdit>(d, "txtVarValue"), "0");
         },
         {"DEFINITION", "toplam", "0", "r"}},
        {{"DEFINITION", "a", "1", "keep"},
         [](QWidget *d) {
             QTest::mouseClick(field<QTabBar>(d, "TabStrip1"), Qt::LeftButton, {},
                               field<QTabBar>(d, "TabStrip1")->tabRect(2).center());
             typeInto(field<QComboBox>(d, "cboxString1"), "ad");
             pickItem(field<QComboBox>(d, "cboxStringOperation"), "COMP");
         },
         {"COMP", "ad", "", ""}},
        {{"SQL", "db", "SELECT *\r\nFROM t", "keep"},
         [](QWidget *d) {
             auto *sql = field<QPlainTextEdit>(d, "txtSQL");
             sql->moveCursor(QTextCursor::End);
             sql->setFocus();
             QTest::keyClick(sql, Qt::Key_Return);
             QTest::keyClicks(sql, "WHERE 1");
         },
         {"SQL", "db", "SELECT *\r\nFROM t\r\nWHERE 1", "keep"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.block.zAction.toStdString());
        frmLists lists;
        frmDlgAction d(lists, c.block);
        whenModal([&](QWidget *dialog) {
            c.change(dialog);
            clickOK(dialog);
        });
        EXPECT_EQ(d.exec(), QDialog::Accepted);
        ASSERT_TRUE(d.confirmedFields().has_value());
        EXPECT_EQ(*d.confirmedFields(), c.expected);
    }
}

TEST(frmDlgAction, SqlPageHasNoTab)
{
    frmLists lists;
    frmDlgAction d(lists, {"SQL", "", "", ""});
    d.show();
    EXPECT_FALSE(field<QTabBar>(&d, "TabStrip1")->isVisible());
    d.showPage(frmDlgAction::StringsPage);
    EXPECT_TRUE(field<QTabBar>(&d, "TabStrip1")->isVisible());
    EXPECT_EQ(field<QTabBar>(&d, "TabStrip1")->currentIndex(), 2);
}

TEST(frmDlgAction, ClosingYieldsNothingAndRecordsNothing)
{
    frmLists lists;
    frmDlgAction d(lists, {"ADD", "x", "y", "z"});
    whenModal([](QWidget *dialog) {
        typeInto(field<QComboBox>(dialog, "cboxOperand1"), "changed");
        dialog->close();
    });
    EXPECT_EQ(d.exec(), QDialog::Rejected);
    EXPECT_FALSE(d.confirmedFields().has_value());
    EXPECT_TRUE(lists.ListBox_vars_vals().items().isEmpty());
}

TEST(frmDlgAction, ConfirmRecordsTheSevenListFieldsInOrder)
{
    frmLists lists;
    lists.addRecentVarVal("x");
    frmDlgAction d(lists, {"ADD", "b", "x", "c"});
    d.findChild<QComboBox *>("cboxString2")->setEditText("s");
    d.findChild<QComboBox *>("cboxVarName")->setEditText("v");
    whenModal(clickOK);
    d.exec();
    EXPECT_EQ(lists.ListBox_vars_vals().items(), (QStringList{"x", "v", "b", "c", "s"}));
}

TEST(frmDlgAction, ShowingRefillsTheListsAndKeepsTheirText)
{
    frmLists lists;
    lists.addRecentVarVal("x");
    lists.addRecentVarVal("y");
    frmDlgAction d(lists, {"ADD", "not-recent", "", ""});
    d.show();
    auto *operand = field<QComboBox>(&d, "cboxOperand1");
    EXPECT_EQ(itemsOf(operand), (QStringList{"x", "y"}));
    EXPECT_EQ(operand->currentText(), QStringLiteral("not-recent"));
    EXPECT_EQ(itemsOf(field<QComboBox>(&d, "cboxStringResult")), (QStringList{"x", "y"}));
    EXPECT_TRUE(itemsOf(field<QComboBox>(&d, "cboxDatabase")) == QStringList{"Project1.mdb"});
}

TEST(frmDlgAction, TypingGoesToTheVisiblePageAndEnterConfirms)
{
    frmLists lists;
    frmDlgAction d(lists, {"JOIN", "", "", ""});
    whenModal([](QWidget *dialog) {
        QWidget *focused = dialog->focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClicks(focused, "ad");
        QTest::keyClick(focused, Qt::Key_Return);
    });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
    EXPECT_EQ(d.confirmedFields(), (ActionFields{"JOIN", "ad", "", ""}));
}

TEST(frmDlgAction, TabsFollowTheKeyboard)
{
    frmLists lists;
    frmDlgAction d(lists);
    d.show();
    auto *tabs = field<QTabBar>(&d, "TabStrip1");
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(d.page(), frmDlgAction::ArithmeticPage);
}

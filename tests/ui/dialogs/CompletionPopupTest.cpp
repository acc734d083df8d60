// The completion pop-up of the dialogs' editable lists: a click elsewhere or Tab closes it and
// acts as usual, Enter takes a completion only when one is highlighted. Every gesture comes
// through the window, as a user's does, so the pop-up sees it first.

#include "DialogTestSupport.h"

#include "ui/dialogs/frmDlgAction.h"
#include "ui/dialogs/frmLists.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QWindow>
#include <memory>

namespace {

class CompletionPopupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *entry : {"toplamlar", "toplam", "i"})
            lists.addRecentVarVal(QString::fromLatin1(entry));
        dialog = std::make_unique<frmDlgAction>(lists);
        dialog->showPage(frmDlgAction::ArithmeticPage);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        first = field<QComboBox>(dialog.get(), "cboxOperand1");
        second = field<QComboBox>(dialog.get(), "cboxOperand2");
        first->setFocus();
    }

    QAbstractItemView *popup() const { return first->completer()->popup(); }

    void type(const QString &text)
    {
        for (const QChar ch : text)
            QTest::keyClick(dialog->windowHandle(), ch.toLatin1());
    }
    void key(Qt::Key key) { QTest::keyClick(dialog->windowHandle(), key); }

    // Types the start of two recent entries: the pop-up offers both.
    void openPopup()
    {
        type(QStringLiteral("topl"));
        ASSERT_TRUE(QTest::qWaitFor([this] { return popup()->isVisible(); }, 2000));
    }

    void clickOn(QWidget *target)
    {
        const QPoint at = target->mapTo(dialog.get(), target->rect().center());
        QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    }

    bool confirmed() const { return dialog->confirmedFields().has_value(); }

    frmLists lists;
    std::unique_ptr<frmDlgAction> dialog;
    QComboBox *first = nullptr;
    QComboBox *second = nullptr;
};

} // namespace

TEST_F(CompletionPopupTest, AClickOnAnotherFieldMovesThereAndTypingGoesThere)
{
    openPopup();
    clickOn(second);
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_TRUE(second->hasFocus() || second->lineEdit()->hasFocus());
    type(QStringLiteral("i"));
    EXPECT_EQ(first->currentText(), QStringLiteral("topl"));
    EXPECT_EQ(second->currentText(), QStringLiteral("i"));
}

TEST_F(CompletionPopupTest, AClickOnTheConfirmButtonConfirmsWhatWasTyped)
{
    openPopup();
    clickOn(field<QWidget>(dialog.get(), "cmdOK"));
    EXPECT_FALSE(popup()->isVisible());
    ASSERT_TRUE(confirmed());
    EXPECT_EQ(dialog->confirmedFields()->zParam1, QStringLiteral("topl"));
}

TEST_F(CompletionPopupTest, TabClosesThePopupAndMovesOn)
{
    openPopup();
    key(Qt::Key_Tab);
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_FALSE(first->hasFocus() || first->lineEdit()->hasFocus());
    EXPECT_EQ(first->currentText(), QStringLiteral("topl"));
    EXPECT_FALSE(confirmed());
}

TEST_F(CompletionPopupTest, EnterWithNothingHighlightedActsAsEnterInTheDialog)
{
    openPopup();
    key(Qt::Key_Return);
    EXPECT_FALSE(popup()->isVisible());
    ASSERT_TRUE(confirmed());
    EXPECT_EQ(dialog->confirmedFields()->zParam1, QStringLiteral("topl"));
}

TEST_F(CompletionPopupTest, EnterTakesTheHighlightedCompletionAndStaysInTheDialog)
{
    openPopup();
    while (popup()->currentIndex().data().toString() != QStringLiteral("toplamlar")) {
        const QModelIndex before = popup()->currentIndex();
        key(Qt::Key_Down);
        ASSERT_NE(popup()->currentIndex(), before) << "no such completion";
    }
    key(Qt::Key_Return);
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(first->currentText(), QStringLiteral("toplamlar"));
    EXPECT_FALSE(confirmed());
    EXPECT_TRUE(dialog->isVisible());
}

#include "ui/support/MainWindowFixture.h"

#include "ui/codegen/CodeView.h"
#include "ui/editor/ChartEditor.h"

#include <QDockWidget>
#include <QPlainTextEdit>

namespace {

// The code dock as the main window offers it.
class MainWindowCodeTest : public MainWindowFixture {
protected:
    QDockWidget *dock(const char *name) const { return window->findChild<QDockWidget *>(QString::fromLatin1(name)); }
};

TEST_F(MainWindowCodeTest, TheCodeDockFollowsTheSelectionAndAClickOnCodeSelectsItsBlock)
{
    window->show();
    loadExample(QStringLiteral("test05_if.vnp"));
    window->actions().file.codeView->trigger();
    ASSERT_TRUE(dock("codeDock")->isVisibleTo(window.get()));
    auto *view = qobject_cast<CodeView *>(dock("codeDock")->widget());
    ASSERT_TRUE(view->text()->toPlainText().contains(QStringLiteral("def test05_if")));

    window->editor()->operations().pressBlock(window->project().theBlockCollection().item(2)->theObjectShape());
    const QString selected = window->project().theBlockCollection().item(2)->TagID();
    EXPECT_EQ(view->markedTag(), selected);

    QString other;
    for (int line = 0; line < view->text()->blockCount() && other.isEmpty(); ++line) {
        if (!view->blockAt(line).isEmpty() && view->blockAt(line) != selected)
            other = view->blockAt(line);
    }
    ASSERT_FALSE(other.isEmpty());
    Q_EMIT view->blockClicked(other);
    EXPECT_EQ(window->editor()->operations().blockAt(window->project().context().selectedIndex())->TagID(), other);
    EXPECT_EQ(view->markedTag(), other);

    window->actions().file.codeView->trigger();
    EXPECT_FALSE(dock("codeDock")->isVisibleTo(window.get()));
}

} // namespace

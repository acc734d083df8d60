// Every dialog that opens a file is read-only: it can neither make folders nor move, rename or
// delete files, whichever command shows it.

#include "ui/support/MainWindowFixture.h"
#include "ui/shell/ModalAnswer.h"

#include "ui/shell/frmMakeExecutable.h"

#include <QFileDialog>
#include <QToolButton>

namespace {

class OpenDialogsTest : public MainWindowFixture {
protected:
    // Runs the command; the file dialog it shows is looked at and cancelled.
    void expectReadOnlyDialog(const char *command, const std::function<void()> &show)
    {
        bool seen = false;
        answerNextModal<QFileDialog>([&seen, command](QFileDialog *dialog) {
            seen = true;
            EXPECT_TRUE(dialog->testOption(QFileDialog::ReadOnly)) << command;
            EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile) << command;
            if (auto *newFolder = dialog->findChild<QToolButton *>(QStringLiteral("newFolderButton"))) {
                EXPECT_FALSE(newFolder->isEnabled()) << command;
            }
            dialog->reject();
        });
        show();
        EXPECT_TRUE(seen) << command;
    }
};

} // namespace

TEST_F(OpenDialogsTest, EveryOpenDialogIsReadOnly)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    expectReadOnlyDialog("Aç...", [this] { window->action(QStringLiteral("mnuLoad"))->trigger(); });
    expectReadOnlyDialog("FILEDIALOG", [this] {
        EXPECT_TRUE(window->host().fileDialog(QDir::tempPath(), QStringLiteral("Tüm Dosyalar (*)"), QString()).isEmpty());
    });
    frmMakeExecutable makeExecutable(window.get(), QCoreApplication::applicationFilePath());
    makeExecutable.show();
    expectReadOnlyDialog("EXE Yap", [&makeExecutable] {
        makeExecutable.findChild<QPushButton *>(QStringLiteral("cmdGetStartFlow"))->click();
    });
}

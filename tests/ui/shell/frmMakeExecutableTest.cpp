#include "ui/shell/ModalAnswer.h"

#include "shell/MakeExecutable.h"
#include "ui/shell/frmMakeExecutable.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class frmMakeExecutableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile(program).open(QIODevice::WriteOnly);
        QFile(flow).open(QIODevice::WriteOnly);
        dialog.show();
    }

    // Clicks a button and answers the modal window it opens: a file dialog chooses path (or
    // is cancelled when path is empty); a message box is read. A chosen make target is
    // followed by a message box, which is read too.
    void click(const char *button, const QString &path = QString())
    {
        const bool messageFollows = path.size() && QLatin1String(button) == QLatin1String("cmdMake");
        answerNextModal<QWidget>([=, this](QWidget *modal) { answer(modal, path, messageFollows); }, &dialog);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    }

    void answer(QWidget *modal, const QString &path, bool messageFollows)
    {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            return readMessage(box);
        auto *files = qobject_cast<QFileDialog *>(modal);
        folder = files->directory().absolutePath();
        filters = files->nameFilters();
        proposed = QFileInfo(files->selectedFiles().value(0)).fileName();
        if (messageFollows)
            answerNextModal<QMessageBox>([this](QMessageBox *box) { readMessage(box); }, &dialog);
        files->selectFile(path);
        QMetaObject::invokeMethod(files, path.isEmpty() ? "reject" : "accept");
    }

    void readMessage(QMessageBox *box)
    {
        message = box->text();
        box->close();
    }

    QTemporaryDir programDir, targetDir;
    QString program = programDir.filePath(QStringLiteral("varnel"));
    QString flow = programDir.filePath(QStringLiteral("ana.vnp"));
    QString target = targetDir.filePath(QStringLiteral("Hesap"));
    frmMakeExecutable dialog{nullptr, program};
    QString folder, proposed, message;
    QStringList filters;
};

} // namespace

TEST_F(frmMakeExecutableTest, BrowsePicksTheFlowFromTheProgramFolder)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("EXE Dosya Oluşturma"));
    click("cmdGetStartFlow", flow);
    EXPECT_EQ(folder, QDir(programDir.path()).absolutePath());
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Varnel Projeleri (*.vnp)"), QStringLiteral("Tüm Dosyalar (*)")}));
    EXPECT_EQ(dialog.startUpFlow(), flow);
    dialog.setStartUpFlow(QStringLiteral("eski.vnp"));
    click("cmdGetStartFlow");
    EXPECT_EQ(dialog.startUpFlow(), QStringLiteral("eski.vnp"));
}

TEST_F(frmMakeExecutableTest, MakesTheProgramAndTellsWhatToCopy)
{
    dialog.setStartUpFlow(flow);
    click("cmdMake", target);
    EXPECT_EQ(proposed, QStringLiteral("Program1"));
    EXPECT_EQ(filters, QStringList{QStringLiteral("Tüm Dosyalar (*)")});
    EXPECT_EQ(message, MakeExecutable::noticeText(target).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(QFileInfo(target).isExecutable());
}

TEST_F(frmMakeExecutableTest, EmptyFlowCancelAndFailureKeepTheDialog)
{
    dialog.setStartUpFlow(QStringLiteral("  "));
    click("cmdMake");
    EXPECT_EQ(message, QStringLiteral("Başlangıç diyagramını seçiniz!"));
    dialog.setStartUpFlow(flow);
    click("cmdMake");
    dialog.setStartUpFlow(programDir.filePath(QStringLiteral("yok.vnp")));
    click("cmdMake", target);
    EXPECT_TRUE(message.startsWith(QStringLiteral("EXE oluşturulurken hata: \n"))) << message.toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(QDir(targetDir.path()).isEmpty());
    click("cmdCancel");
    EXPECT_FALSE(dialog.isVisible());
}

#include "ui/shell/ModalAnswer.h"

#include "shell/MakeExecutable.h"
#include "ui/shell/frmMakeExecutable.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
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
        program = write(programDir.filePath(QStringLiteral("varnel")), "program bytes");
        flow = write(programDir.filePath(QStringLiteral("ana.vnp")), "chart");
        dialog.show();
    }

    static QString write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    template<typename T>
    T *child(const char *name) { return dialog.findChild<T *>(QLatin1String(name)); }

    // The next file dialog: remember how it opened, then choose path (or cancel when empty).
    void chooseInFileDialog(const QString &path)
    {
        answerNextModal([this, path](QWidget *modal) {
            auto *files = qobject_cast<QFileDialog *>(modal);
            ASSERT_NE(files, nullptr);
            fileDialogFolder = files->directory().absolutePath();
            fileDialogFilters = files->nameFilters();
            fileDialogProposed = files->selectedFiles().value(0);
            if (path.isEmpty()) {
                files->reject();
                return;
            }
            files->selectFile(path);
            QMetaObject::invokeMethod(files, "accept");
        }, &dialog);
    }

    // The message box after the file dialog, if any.
    void readNextMessage()
    {
        answerNextModal([this](QWidget *modal) {
            if (modal == &dialog || qobject_cast<QFileDialog *>(modal))
                return readNextMessage();
            auto *box = qobject_cast<QMessageBox *>(modal);
            message = box ? box->text() : QStringLiteral("<not a message box>");
            modal->close();
        }, &dialog);
    }

    void click(const char *button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    QTemporaryDir programDir;
    QTemporaryDir targetDir;
    QString program = programDir.filePath(QStringLiteral("varnel"));
    QString flow;
    frmMakeExecutable dialog{nullptr, program};
    QString fileDialogFolder;
    QStringList fileDialogFilters;
    QString fileDialogProposed;
    QString message;
};

} // namespace

TEST_F(frmMakeExecutableTest, ShowsItsControls)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("EXE Dosya Oluşturma"));
    EXPECT_EQ(child<QWidget>("lblStartUpFlow")->property("text").toString(), QStringLiteral("Başlangıç diyagramını seçiniz:"));
    EXPECT_EQ(child<QPushButton>("cmdGetStartFlow")->text(), QStringLiteral("..."));
    EXPECT_EQ(child<QPushButton>("cmdMake")->text(), QStringLiteral("Oluştur"));
    EXPECT_EQ(child<QPushButton>("cmdCancel")->text(), QStringLiteral("İptal"));
    dialog.setStartUpFlow(QStringLiteral("/ders/ana.vnp"));
    EXPECT_EQ(child<QLineEdit>("txtStartUpFlow")->text(), QStringLiteral("/ders/ana.vnp"));
}

TEST_F(frmMakeExecutableTest, BrowsePicksTheFlowFromTheProgramFolder)
{
    chooseInFileDialog(flow);
    click("cmdGetStartFlow");
    EXPECT_EQ(fileDialogFolder, QDir(programDir.path()).absolutePath());
    EXPECT_EQ(fileDialogFilters, (QStringList{QStringLiteral("Varnel Projeleri (*.vnp)"), QStringLiteral("Tüm Dosyalar (*)")}));
    EXPECT_EQ(dialog.startUpFlow(), flow);

    dialog.setStartUpFlow(QStringLiteral("eski.vnp"));
    chooseInFileDialog(QString());
    click("cmdGetStartFlow");
    EXPECT_EQ(dialog.startUpFlow(), QStringLiteral("eski.vnp"));
}

TEST_F(frmMakeExecutableTest, AnEmptyFlowAsksForOneAndKeepsTheDialog)
{
    dialog.setStartUpFlow(QStringLiteral("   "));
    readNextMessage();
    click("cmdMake");
    EXPECT_EQ(message, QStringLiteral("Başlangıç diyagramını seçiniz!"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(frmMakeExecutableTest, MakesTheProgramAndTellsWhatToCopy)
{
    dialog.setStartUpFlow(flow);
    const QString target = targetDir.filePath(QStringLiteral("Hesap"));
    chooseInFileDialog(target);
    readNextMessage();
    click("cmdMake");
    EXPECT_EQ(fileDialogFolder, QDir(programDir.path()).absolutePath());
    EXPECT_EQ(QFileInfo(fileDialogProposed).fileName(), QStringLiteral("Program1"));
    EXPECT_EQ(fileDialogFilters, QStringList{QStringLiteral("Tüm Dosyalar (*)")});
    EXPECT_EQ(message, MakeExecutable::noticeText(target).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(QFileInfo(target).isExecutable());
    EXPECT_TRUE(QFile::exists(target + QStringLiteral(".ini")));
    EXPECT_TRUE(QFile::exists(targetDir.filePath(QStringLiteral("ana.vnp"))));
}

TEST_F(frmMakeExecutableTest, CancellingTheSaveDialogWritesNothing)
{
    dialog.setStartUpFlow(flow);
    chooseInFileDialog(QString());
    click("cmdMake");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(QDir(targetDir.path()).isEmpty());
}

TEST_F(frmMakeExecutableTest, AFailureIsShownAndKeepsTheDialog)
{
    dialog.setStartUpFlow(programDir.filePath(QStringLiteral("yok.vnp")));
    chooseInFileDialog(targetDir.filePath(QStringLiteral("Program1")));
    readNextMessage();
    click("cmdMake");
    EXPECT_TRUE(message.startsWith(QStringLiteral("EXE oluşturulurken hata: \n"))) << message.toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(QDir(targetDir.path()).isEmpty());
}

TEST_F(frmMakeExecutableTest, CancelHidesTheDialog)
{
    click("cmdCancel");
    EXPECT_FALSE(dialog.isVisible());
}

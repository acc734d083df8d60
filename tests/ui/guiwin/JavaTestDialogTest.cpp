#include "base/MessageLog.h"
#include "ui/guiwin/GuiTestPrinting.h"
#include "ui/guiwin/frmJavaTest.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const WindowParams window{"4800|3000|", "BUTTON|b1|OK|240|360|1215|495|||", "||"};

DesignerContext places(MessageLog &log, const QString &program, const QString &project)
{
    DesignerContext c;
    c.log = &log;
    c.programFolder = program;
    c.projectFolder = project;
    return c;
}
}

TEST(JavaTestDialog, MakeWritesBesideTheProgramAndSaysSo)
{
    MessageLog log;
    QTemporaryDir program;
    frmJavaTest dialog(window, places(log, program.path(), ""));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>("cmdMake"), Qt::LeftButton);
    EXPECT_EQ(log.text(), "Dosya oluşturuldu:   GuiTest.java\r\nŞimdi şunu yapın: \r\n   javac GuiTest.java\r\n"
                          "   java GuiTest\r\n");
    QFile file(program.filePath("GuiTest.java"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("b1.reshape(16,24,81,33);"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST(JavaTestDialog, AnUnwritableProgramFolderSendsTheFileToTheProject)
{
    MessageLog log;
    QTemporaryDir project;
    frmJavaTest dialog(window, places(log, project.filePath("no-such-folder"), project.path()));
    EXPECT_EQ(dialog.make(), project.filePath("GuiTest.java"));
    EXPECT_TRUE(log.text().contains("Klasör: " + project.path() + "/\r\n"));
}

TEST(JavaTestDialog, FailuresAreReportedNotCalledSuccess)
{
    MessageLog log;
    QTemporaryDir program;
    ASSERT_TRUE(QDir(program.path()).mkdir("GuiTest.java")); // a folder in the file's place
    frmJavaTest dialog(window, places(log, program.path(), ""));
    dialog.show();
    EXPECT_EQ(dialog.make(), "");
    EXPECT_TRUE(log.text().startsWith("Dosya oluşturulamadı: " + program.filePath("GuiTest.java")));
    EXPECT_FALSE(log.text().contains("Dosya oluşturuldu"));
    EXPECT_TRUE(dialog.isVisible());

    log.dismiss();
    frmJavaTest none(std::nullopt, places(log, program.path(), ""));
    EXPECT_EQ(none.make(), "");
    EXPECT_EQ(log.text(), "Nesne seçilideğil!\r\n");
}

TEST(JavaTestDialog, CloseWritesNothing)
{
    MessageLog log;
    QTemporaryDir program;
    frmJavaTest dialog(window, places(log, program.path(), ""));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>("cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(QFile::exists(program.filePath("GuiTest.java")));
}

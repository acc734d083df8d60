#include "ui/codegen/CodeExportDialog.h"

#include "interp/ChartBuilder.h"
#include "project/ProjectFileWriter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using ChartTest::ChartBuilder;

QByteArray chartBytes(std::initializer_list<ChartTest::Step> steps)
{
    MessageLog log;
    Project project(&log);
    project.setTrackCurrentBlock(true);
    ChartBuilder(project).chain(steps);
    return ProjectFileWriter::serialize(project.theBlockCollection(), project.theLineCollection());
}

class CodeExportDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QTemporaryDir folder;
    EditedChart hello{QStringLiteral("/ders/merhaba.vnp"),
                      chartBytes({{"START"}, {"OUTPUT", "\"Merhaba\""}, {"STOP"}})};
};

TEST_F(CodeExportDialogTest, PreviewsAndSavesEachLanguage)
{
    struct Case {
        CodeExport::Language language;
        const char *file;
        const char *firstLine;
        const char *inCode;
    };
    const Case cases[] = {
        {CodeExport::Python, "merhaba.py", "#!/usr/bin/env python3", "print("},
        {CodeExport::C, "merhaba.c", "/* merhaba.vnp: Varnel akış şemasından C koduna aktarıldı.", "int main(void)"},
        // The public class is named after the file it is saved in.
        {CodeExport::Java, "Selam.java", "// merhaba.vnp: Varnel akış şemasından Java koduna aktarıldı.", "public class Selam {"},
    };
    CodeExportDialog dialog(hello);
    for (const Case &c : cases) {
        dialog.setLanguage(c.language);
        EXPECT_TRUE(dialog.preview()->toPlainText().startsWith(QString::fromUtf8(c.firstLine))) << c.file;
        EXPECT_TRUE(dialog.saveButton()->isEnabled());
        QString failure;
        const QString path = folder.filePath(QString::fromUtf8(c.file));
        ASSERT_TRUE(dialog.saveTo(path, failure)) << failure.toStdString();
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(saved.readAll());
        EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.firstLine))) << c.file;
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.inCode))) << c.file;
    }
}

TEST_F(CodeExportDialogTest, AFileThatCannotBeWrittenIsToldAndNothingIsLeft)
{
    CodeExportDialog dialog(hello);
    QString failure;
    const QString path = folder.filePath(QStringLiteral("yok/merhaba.py"));
    EXPECT_FALSE(dialog.saveTo(path, failure));
    EXPECT_TRUE(failure.startsWith(QStringLiteral("Kod kaydedilemedi: ") + path)) << failure.toStdString();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(CodeExportDialogTest, AChartWithAWindowIsRefusedWithTheExportsMessage)
{
    CodeExportDialog dialog(EditedChart{QString(), chartBytes({{"START"}, {"WINDOW"}, {"STOP"}})});
    EXPECT_FALSE(dialog.saveButton()->isEnabled());
    EXPECT_FALSE(dialog.problem()->isHidden());
    EXPECT_TRUE(dialog.problem()->text().contains(QStringLiteral("id2"))) << dialog.problem()->text().toStdString();
    QString failure;
    EXPECT_FALSE(dialog.saveTo(folder.filePath(QStringLiteral("a.py")), failure));
    EXPECT_EQ(failure, dialog.problem()->text());
}

} // namespace

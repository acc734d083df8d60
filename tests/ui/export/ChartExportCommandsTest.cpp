#include "base/MessageLog.h"
#include "project/Project.h"
#include "render/SurfaceFonts.h"
#include "support/ExportedFile.h"
#include "ui/export/ChartExportCommands.h"
#include "ui/main/frmMain.h"

#include <QAction>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ChartExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        project.context().setTextMeasure(&SurfaceFonts::measure());
        ASSERT_TRUE(project.load_FILE(QStringLiteral(VARNEL_SOURCE_DATA "/Examples/factorial.vnp")));
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    MessageLog log;
    Project project{&log};
    QAction saveImageEntry;
    QAction printEntry;
};

} // namespace

TEST_F(ChartExportTest, PrintingPutsTheChartOnOnePage)
{
    ChartExportCommands commands(project, nullptr, &saveImageEntry, &printEntry);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path(QStringLiteral("printed.pdf")));
    ASSERT_TRUE(commands.printOn(printer));
    EXPECT_EQ(ExportedFile::pdfPageCount(ExportedFile::read(path(QStringLiteral("printed.pdf")))), 1);
}

TEST_F(ChartExportTest, TheCommandRemembersTheFolderAndFormat)
{
    ChartExportCommands commands(project, nullptr, &saveImageEntry, &printEntry);
    ASSERT_TRUE(commands.saveImageTo(path(QStringLiteral("kopya.svg"))));
    EXPECT_EQ(commands.suggestedPath(), path(QStringLiteral("factorial.svg")));
}

TEST(ChartExportMainWindow, TheFileMenuOffersPictureAndPrint)
{
    frmMain window;
    for (const char *name : {"mnuSaveImage", "mnuPrint"}) {
        QAction *entry = window.action(QString::fromLatin1(name));
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_TRUE(entry->isEnabled()) << name;
    }
    EXPECT_EQ(window.action(QStringLiteral("mnuSaveImage"))->text(), QStringLiteral("Resim Olarak Kaydet..."));
    EXPECT_EQ(window.action(QStringLiteral("mnuPrint"))->text(), QStringLiteral("Yazdır..."));
}

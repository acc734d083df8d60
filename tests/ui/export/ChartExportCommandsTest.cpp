#include "base/MessageLog.h"
#include "interp/Breakpoints.h"
#include "model/cBlock.h"
#include "project/Project.h"
#include "render/SurfaceFonts.h"
#include "support/ExportedFile.h"
#include "ui/export/ChartExportCommands.h"
#include "ui/main/frmMain.h"

#include <QAction>
#include <QImage>
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

namespace {

// Pixels of the breakpoint dot's red: the chart's red arrowheads are a different red.
int dotPixels(const QString &file)
{
    const QImage picture(file);
    int found = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            found += picture.pixelColor(x, y) == QColor(0xD0, 0x10, 0x10);
    }
    return found;
}

} // namespace

TEST_F(ChartExportTest, BreakpointsAreInThePictureOnlyWhenAskedFor)
{
    Breakpoints breakpoints;
    const cBlock &block = **project.theBlockCollection().begin();
    breakpoints.set(Breakpoints::chartKey(project.projectPath()), block.TagID().toUpper());
    QAction toggle;
    ChartExportCommands commands(project, nullptr, &saveImageEntry, &printEntry);
    commands.showBreakpointsWith(&toggle, breakpoints);
    EXPECT_FALSE(toggle.isChecked());
    ASSERT_TRUE(commands.saveImageTo(path(QStringLiteral("plain.png"))));
    toggle.setChecked(true);
    ASSERT_TRUE(commands.saveImageTo(path(QStringLiteral("marked.png"))));
    EXPECT_EQ(dotPixels(path(QStringLiteral("plain.png"))), 0);
    EXPECT_GT(dotPixels(path(QStringLiteral("marked.png"))), 20);

    QAction later;
    ChartExportCommands remembered(project, nullptr, &saveImageEntry, &printEntry);
    remembered.showBreakpointsWith(&later, breakpoints);
    EXPECT_TRUE(later.isChecked());
    toggle.setChecked(false);
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

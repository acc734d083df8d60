// Entering a chart (what a function call and its return do) shows a chart read earlier again
// when its file is unchanged, exactly as a load of that file would leave the model, and reads
// the file again when it changed.

#include "ProjectTestSupport.h"
#include "base/Paths.h"
#include "model/ChangeRecorder.h"

#include <QSaveFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace ProjectTest;

namespace {

// Everything a load leaves that views and the user see: records, elements with their indexes,
// selection, flag, path, folder and caption.
QStringList dumpShown(const Project &project)
{
    QStringList out = dumpModel(project);
    const ModelContext &ctx = project.context();
    for (qint16 i = 1; i <= ctx.shapeElementCount(); ++i) {
        const ShapeElement &e = ctx.shape(i);
        out << QStringLiteral("shape %1|%2|%3,%4 %5x%6|%7")
                   .arg(i).arg(e.tag).arg(e.left).arg(e.top).arg(e.width).arg(e.height).arg(e.visible);
    }
    for (qint16 i = 1; i <= ctx.lineElementCount(); ++i) {
        const LineElement &e = ctx.line(i);
        out << QStringLiteral("line %1|%2,%3-%4,%5|%6 at %7,%8|%9")
                   .arg(i).arg(e.x1).arg(e.y1).arg(e.x2).arg(e.y2).arg(e.labelText).arg(e.labelLeft)
                   .arg(e.labelTop).arg(e.visible);
    }
    for (const auto &b : project.theBlockCollection())
        out << QStringLiteral("element of %1: %2").arg(b->TagID()).arg(b->theObjectShape());
    out << QStringLiteral("selection %1,%2").arg(ctx.selectedIndex()).arg(ctx.previousSelectedIndex());
    out << QStringLiteral("modified %1").arg(project.projectModified());
    out << project.projectPath() << project.projectFolder() << project.windowTitle();
    return out;
}

class ChartSwitch : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        project.setTrackCurrentBlock(GetParam());
        ASSERT_TRUE(writeBytes(a, helloBytes()));
        ASSERT_TRUE(writeBytes(b, replaceOnce(helloBytes(), "Merhaba", "Selam")));
        // A file can be shown again unread only once its times have settled.
        waitUntilSettled(a);
        waitUntilSettled(b);
    }

    // What a fresh load of the file shows.
    QStringList loadedFresh(const QString &path)
    {
        MessageLog otherLog;
        Project other(&otherLog);
        other.setTrackCurrentBlock(GetParam());
        EXPECT_TRUE(other.load_FILE(path));
        return dumpShown(other);
    }

    QString firstOutput() { return project.theBlockCollection().item(2)->zParam1(); }

    QTemporaryDir dir;
    QString a = dir.filePath(QStringLiteral("a.vnp"));
    QString b = dir.filePath(QStringLiteral("b.vnp"));
    MessageLog log;
    Project project{&log};
};

TEST_P(ChartSwitch, AnUnchangedChartIsShownAgainUnreadAsALoadLeavesIt)
{
    ASSERT_TRUE(project.load_FILE(a));
    cBlock *firstOfA = project.theBlockCollection().item(1);
    ASSERT_TRUE(project.enterChart(b));
    EXPECT_EQ(dumpShown(project), loadedFresh(b));
    const quint64 reads = project.fileCache().misses() + project.fileCache().hits();

    ASSERT_TRUE(project.enterChart(a));
    EXPECT_EQ(dumpShown(project), loadedFresh(a));
    EXPECT_EQ(project.theBlockCollection().item(1), firstOfA) << "the kept blocks themselves";
    ASSERT_TRUE(project.enterChart(b));
    EXPECT_EQ(dumpShown(project), loadedFresh(b));
    EXPECT_EQ(project.fileCache().misses() + project.fileCache().hits(), reads) << "no file was read";
    EXPECT_EQ(project.shelf().size(), 1u);
    EXPECT_TRUE(log.text().isEmpty());
}

TEST_P(ChartSwitch, EnteringTheChartOnShowAgainResetsWhatTheRunMoved)
{
    ASSERT_TRUE(project.load_FILE(a));
    const QStringList loaded = dumpShown(project);
    cBlock *first = project.theBlockCollection().item(1);
    project.context().setSelection(1, -1);
    ASSERT_TRUE(project.enterChart(a));
    EXPECT_EQ(dumpShown(project), loaded);
    EXPECT_EQ(project.theBlockCollection().item(1), first);
}

TEST_P(ChartSwitch, AChartFileChangedOnDiskIsReadAgain)
{
    ASSERT_TRUE(project.load_FILE(a));
    ASSERT_TRUE(project.enterChart(b));
    ASSERT_TRUE(project.enterChart(a));

    // Rewritten in place, the same size.
    ASSERT_TRUE(writeBytes(b, replaceOnce(helloBytes(), "Merhaba", "Hosgeld")));
    ASSERT_TRUE(project.enterChart(b));
    EXPECT_EQ(firstOutput(), QStringLiteral("Hosgeld Dünya"));
    EXPECT_EQ(dumpShown(project), loadedFresh(b));

    // Replaced by another file, as a safe save does.
    ASSERT_TRUE(project.enterChart(a));
    QSaveFile save(b);
    ASSERT_TRUE(save.open(QIODevice::WriteOnly));
    save.write(replaceOnce(helloBytes(), "Merhaba", "Yeni"));
    ASSERT_TRUE(save.commit());
    ASSERT_TRUE(project.enterChart(b));
    EXPECT_EQ(firstOutput(), QStringLiteral("Yeni Dünya"));

    // The chart on show itself, entered again after its file changed.
    ASSERT_TRUE(writeBytes(b, replaceOnce(helloBytes(), "Merhaba", "Son")));
    ASSERT_TRUE(project.enterChart(b));
    EXPECT_EQ(firstOutput(), QStringLiteral("Son Dünya"));
}

TEST_P(ChartSwitch, AnEditedChartIsNotKeptButReadAgainFromItsFile)
{
    ASSERT_TRUE(project.load_FILE(a));
    project.theBlockCollection().item(2)->setZParam1(QStringLiteral("düzenlendi"));
    ASSERT_TRUE(project.enterChart(b));
    ASSERT_TRUE(project.enterChart(a));
    EXPECT_EQ(firstOutput(), QStringLiteral("Merhaba Dünya"));

    // A saved chart is read again too: a load of the saved file may number elements otherwise.
    // (Saving needs the elements.)
    if (!GetParam())
        return;
    project.theBlockCollection().item(2)->setZParam1(QStringLiteral("kaydedildi"));
    ASSERT_TRUE(project.saveProjectFile(a));
    waitUntilSettled(a);
    cBlock *first = project.theBlockCollection().item(1);
    ASSERT_TRUE(project.enterChart(b));
    ASSERT_TRUE(project.enterChart(a));
    EXPECT_NE(project.theBlockCollection().item(1), first);
    EXPECT_EQ(firstOutput(), QStringLiteral("kaydedildi"));
}

TEST_P(ChartSwitch, AMissingFileChangesNothing)
{
    ASSERT_TRUE(project.load_FILE(a));
    ASSERT_TRUE(project.enterChart(b));
    ASSERT_TRUE(project.enterChart(a));
    const QStringList shown = dumpShown(project);
    ChangeRecorder recorder{project.context(), project.theBlockCollection(), project.theLineCollection()};

    EXPECT_FALSE(project.enterChart(dir.filePath(QStringLiteral("yok.vnp"))));
    ASSERT_TRUE(QFile::remove(b));
    EXPECT_FALSE(project.enterChart(b)) << "the kept copy of a deleted file is not shown";
    EXPECT_EQ(dumpShown(project), shown);
    EXPECT_TRUE(recorder.log.isEmpty());
    EXPECT_TRUE(log.text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Tracked, ChartSwitch, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "tracked" : "untracked"; });

class ChartSwitchAnnouncements : public ChartSwitch {};

TEST_P(ChartSwitchAnnouncements, ASwitchIsAnnouncedLikeALoad)
{
    ChangeRecorder recorder{project.context(), project.theBlockCollection(), project.theLineCollection()};
    QObject::connect(&project, &Project::projectReplaced, [&] { recorder.log << "projectReplaced"; });
    const QStringList bracket{"aboutToReplace", "blocksAboutToClear", "blocksCleared", "linesCleared",
                              "replaced", "projectReplaced"};
    ASSERT_TRUE(project.load_FILE(a));
    EXPECT_EQ(recorder.take(), bracket);
    ASSERT_TRUE(project.enterChart(b));
    EXPECT_EQ(recorder.take(), bracket);
    ASSERT_TRUE(project.enterChart(a));
    EXPECT_EQ(recorder.take(), bracket);
    ASSERT_TRUE(project.enterChart(a));
    EXPECT_EQ(recorder.take(), bracket);
}

// A view that rebuilds when the bracket closes finds the chart's path, folder and caption
// already there, after a switch as after a load.
TEST_P(ChartSwitchAnnouncements, TheBracketClosesOnTheNewChartsPlace)
{
    QStringList seen;
    QObject::connect(&project.context(), &ModelContext::replaced, [&] {
        seen << project.projectPath() + u' ' + project.projectFolder() + u' ' + project.windowTitle();
    });
    const auto place = [](const QString &path) {
        return path + u' ' + Paths::folderOf(path) + u' ' + Project::baseTitle() + QStringLiteral(" - ")
            + Paths::fileNameOf(path);
    };
    ASSERT_TRUE(project.load_FILE(a));
    ASSERT_TRUE(project.enterChart(b));
    ASSERT_TRUE(project.enterChart(a));
    EXPECT_EQ(seen, (QStringList{place(a), place(b), place(a)}));
}

TEST_P(ChartSwitchAnnouncements, AChartLoadedUnderOtherSettingsIsReadAgain)
{
    ASSERT_TRUE(project.load_FILE(a));
    cBlock *first = project.theBlockCollection().item(1);
    ASSERT_TRUE(project.enterChart(b));
    project.setTrackCurrentBlock(!GetParam());
    ASSERT_TRUE(project.enterChart(a));
    EXPECT_NE(project.theBlockCollection().item(1), first);
    EXPECT_EQ(project.theBlockCollection().item(1)->hasElement(), !GetParam());
}

INSTANTIATE_TEST_SUITE_P(Tracked, ChartSwitchAnnouncements, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "tracked" : "untracked"; });

} // namespace

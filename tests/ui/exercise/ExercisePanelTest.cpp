#include "ui/exercise/ExercisePanel.h"

#include "interp/ChartBuilder.h"
#include "project/ProjectFileWriter.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using ChartTest::ChartBuilder;

ExerciseTest test(const char *name, const QStringList &input, const QStringList &expected, bool hidden)
{
    ExerciseTest t;
    t.name = QString::fromUtf8(name);
    t.input = input;
    t.expected = expected;
    t.hidden = hidden;
    return t;
}

// "Read n, print its double", with two visible and three hidden tests; one of each kind fails.
class ExercisePanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        exercise.title = QStringLiteral("İki Katı");
        exercise.text = QStringLiteral("Bir sayı okuyun, **iki katını** yazdırın.");
        exercise.seconds = 30;
        exercise.tests = {test("üç", {"3"}, {"Sonuç 6"}, false), test("gizli bir", {"1"}, {"Sonuç 2"}, true),
                          test("yanlış", {"4"}, {"Sonuç 9"}, false), test("gizli yanlış", {"2"}, {"Sonuç 5"}, true),
                          test("gizli beş", {"5"}, {"Sonuç 10"}, true)};
        panel.setExercise(exercise, QStringLiteral("/yok/iki_kat.vnx"));
        panel.setChartSource([this] { return EditedChart{QString(), chart}; });
        chart = bytes({{"START"}, {"INPUT", "n", "n"}, {"MULTIPLY", "n", "2", "m"}, {"OUTPUT", "Sonuç", "m"}, {"STOP"}});
    }

    static QByteArray bytes(std::initializer_list<ChartTest::Step> steps, bool loopBack = false)
    {
        MessageLog log;
        Project project(&log);
        project.setTrackCurrentBlock(true);
        ChartBuilder builder(project);
        const QStringList tags = builder.chain(steps);
        if (loopBack)
            builder.link(tags.back(), tags[tags.size() - 2]);
        return ProjectFileWriter::serialize(project.theBlockCollection(), project.theLineCollection());
    }

    void checkAndWait()
    {
        QSignalSpy done(&panel, &ExercisePanel::checkingChanged);
        panel.checkButton()->click();
        ASSERT_TRUE(panel.isChecking());
        ASSERT_TRUE(done.wait(20000));
        if (done.size() < 2) {
            ASSERT_TRUE(done.wait(20000));
        }
    }

    QStringList marks() const
    {
        QStringList out;
        for (int i = 0; i < panel.testList()->topLevelItemCount(); ++i)
            out.append(panel.testList()->topLevelItem(i)->text(0));
        return out;
    }

    Exercise exercise;
    ExercisePanel panel;
    QByteArray chart;
};

TEST_F(ExercisePanelTest, ShowsOnlyTheVisibleTestsWithTheirLines)
{
    ASSERT_EQ(panel.testList()->topLevelItemCount(), 2);
    const QTreeWidgetItem *second = panel.testList()->topLevelItem(1);
    EXPECT_EQ(second->text(1), QStringLiteral("yanlış"));
    EXPECT_EQ(second->text(2), QStringLiteral("4"));
    EXPECT_EQ(second->text(3), QStringLiteral("Sonuç 9"));
    EXPECT_TRUE(panel.checkButton()->isEnabled());
}

TEST_F(ExercisePanelTest, MarksEachVisibleTestCountsTheHiddenOnesAndShowsTheFirstDifference)
{
    checkAndWait();
    EXPECT_EQ(marks(), (QStringList{QStringLiteral("✓"), QStringLiteral("✗")}));
    EXPECT_FALSE(panel.progress()->isVisible());
    EXPECT_EQ(panel.summary()->text(),
              QStringLiteral("Görünen testler: 1/2 geçti. Gizli testler: 2/3 geçti.\n"
                             "“yanlış” testinde ilk fark, satır 1: beklenen “Sonuç 9”, gelen “Sonuç 8”"));
    // The hidden test's lines are nowhere on the panel.
    EXPECT_FALSE(panel.summary()->text().contains(QStringLiteral("Sonuç 5")));
}

TEST_F(ExercisePanelTest, AFailureOtherThanADifferenceIsToldByItsReason)
{
    chart = bytes({{"START"}, {"INPUT", "n", "n"}, {"INPUT", "m", "m"}, {"STOP"}});
    checkAndWait();
    EXPECT_EQ(marks(), (QStringList{QStringLiteral("✗"), QStringLiteral("✗")}));
    EXPECT_TRUE(panel.summary()->text().endsWith(QStringLiteral("“üç” testi geçmedi: girdi bitti")))
        << panel.summary()->text().toStdString();
}

TEST_F(ExercisePanelTest, EditingTheChartCallsTheCheckOffAndClearsItsMarks)
{
    chart = bytes({{"START"}, {"DEFINITION", "i", "0"}, {"INTERSECTION"}, {"ADD", "i", "1", "i"}}, true);
    QSignalSpy changed(&panel, &ExercisePanel::checkingChanged);
    panel.checkButton()->click();
    ASSERT_TRUE(panel.isChecking());
    panel.chartEdited();
    EXPECT_FALSE(panel.isChecking());
    EXPECT_EQ(marks(), (QStringList{QString(), QString()}));
    EXPECT_EQ(panel.summary()->text(), QStringLiteral("Şema değişti; kontrol durduruldu."));
    EXPECT_EQ(changed.size(), 2);
    EXPECT_FALSE(changed.last().first().toBool());
}

} // namespace

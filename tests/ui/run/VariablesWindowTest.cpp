#include "ui/support/CountingLoopChart.h"
#include "ui/support/MainWindowFixture.h"

#include "ui/runwin/VariablesModel.h"
#include "ui/runwin/frmVars.h"

// The variables window opened from its button before any run, as a user opens it, and read
// only as its grid is told (no refresh asked for by the test).
class VariablesWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        window->show();
        QTest::mouseClick(controls().cmdVars, Qt::LeftButton);
        ASSERT_TRUE(window->vars()->isVisible());
    }

    VariablesModel &grid() { return *window->vars()->model(); }

    // "name=value" for every column the grid shows, the header column first.
    QStringList shown()
    {
        QStringList cells;
        for (int c = 0; c < grid().columnCount(); ++c)
            cells << grid().index(0, c).data().toString() + QLatin1Char('=') + grid().index(1, c).data().toString();
        return cells;
    }

    bool gridShows(const QStringList &cells)
    {
        return waitFor([&] { return shown() == cells; }, 2000);
    }

    // Reads n, sums 1..n into toplam and prints it.
    void loadSumChart()
    {
        ASSERT_TRUE(folder.write(QStringLiteral("toplam.vnp"), [](ChartTest::ChartBuilder &chart) {
            const QString start = chart.add(QStringLiteral("START"));
            const QString read = chart.add(QStringLiteral("INPUT"), QStringLiteral("n?"), QStringLiteral("n"));
            const QString zero = chart.add(QStringLiteral("DEFINITION"), QStringLiteral("toplam"), QStringLiteral("0"));
            const QString first = chart.add(QStringLiteral("DEFINITION"), QStringLiteral("i"), QStringLiteral("0"));
            const QString next = chart.add(QStringLiteral("ADD"), QStringLiteral("i"), QStringLiteral("1"), QStringLiteral("i"));
            const QString add = chart.add(QStringLiteral("ADD"), QStringLiteral("toplam"), QStringLiteral("i"),
                                          QStringLiteral("toplam"));
            const QString test = chart.add(QStringLiteral("IF_LESS"), QStringLiteral("i"), QStringLiteral("n"));
            const QString print = chart.add(QStringLiteral("OUTPUT"), QStringLiteral("Toplam ="), QStringLiteral("toplam"));
            const QString stop = chart.add(QStringLiteral("STOP"));
            const QStringList body = {start, read, zero, first, next, add, test};
            for (qsizetype i = 0; i + 1 < body.size(); ++i)
                chart.link(body[i], body[i + 1]);
            chart.link(print, stop);
            chart.link(test, next, QStringLiteral("EVET"));
            chart.link(test, print, QStringLiteral("HAYIR"));
        }));
        ASSERT_TRUE(window->project().load_FILE(folder.path(QStringLiteral("toplam.vnp"))));
    }

    // One run from the run button that types `typed` at its input; what the grid showed while
    // the input waited.
    QStringList runWithInput(const QString &typed)
    {
        QStringList atInput;
        whenInputPending([&] {
            gridShows(atStart);
            atInput = shown();
            QTest::keyClicks(window.get(), typed);
            QTest::keyClick(window.get(), Qt::Key_Return);
        });
        pressRun();
        EXPECT_TRUE(waitFor([this] { return !run().runInProgress(); }));
        EXPECT_TRUE(run().completedNormally());
        return atInput;
    }

    // What a run shows once its START has run: the header column, RETURN and the argument the
    // bottom frame passes.
    const QStringList atStart = {QStringLiteral("="), QStringLiteral("RETURN="), QStringLiteral("PARAM=PAR-OS")};
    ChartTest::ChartFolder folder;
};

TEST_F(VariablesWindowTest, ClearedWhenARunStartsAndShowsTheFinalValuesAfterIt)
{
    loadSumChart();
    setDelay(0);
    const struct {
        const char *typed;
        const char *total;
    } runs[] = {{"5", "15"}, {"3", "6"}};
    for (const auto &each : runs) {
        EXPECT_EQ(runWithInput(QString::fromLatin1(each.typed)), atStart) << each.typed;
        // The END of the main chart gives PARAM back and stores the result under the bottom
        // frame's name.
        EXPECT_TRUE(gridShows({QStringLiteral("="), QStringLiteral("RETURN="), QStringLiteral("PARAM=PARAM"),
                               QStringLiteral("n=") + QLatin1String(each.typed),
                                                    QStringLiteral("toplam=") + QLatin1String(each.total),
                                                    QStringLiteral("i=") + QLatin1String(each.typed),
                                                    QStringLiteral("RET-OS=")}))
            << each.typed << ": " << shown().join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(VariablesWindowTest, FollowsAFastRunAsItGoes)
{
    ASSERT_TRUE(writeCountingLoop(folder, QStringLiteral("sayac.vnp"), QStringLiteral("1e300")));
    ASSERT_TRUE(window->project().load_FILE(folder.path(QStringLiteral("sayac.vnp"))));
    setDelay(0);
    int refreshesWhileRunning = 0;
    QObject::connect(&grid(), &QAbstractItemModel::dataChanged, window.get(), [&] {
        refreshesWhileRunning += run().runInProgress();
    });
    QStringList shownWhileRunning;
    QTimer::singleShot(200, window.get(), [&] {
        shownWhileRunning = shown();
        QTest::mouseClick(controls().cmdStop, Qt::LeftButton);
    });
    pressRun();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    EXPECT_GE(refreshesWhileRunning, 2);
    ASSERT_EQ(shownWhileRunning.size(), atStart.size() + 1);
    EXPECT_TRUE(shownWhileRunning.last().startsWith(QStringLiteral("i=")));
    const QString last = QStringLiteral("i=") + window->runtime().vars.getVar(QStringLiteral("i"));
    EXPECT_TRUE(waitFor([&] { return shown().value(atStart.size()) == last; }, 2000));
}

#include "ui/support/MainWindowFixture.h"

#include "interp/ChartBuilder.h"
#include "interp/Interpreter.h"
#include "model/cBlock.h"
#include "ui/editor/ChartEditor.h"
#include "ui/editor/DrawingSurface.h"

#include <QCheckBox>

class SelectorTest : public MainWindowFixture {
protected:
    // A long way down to a loop that counts to `limit`: the loop and the END lie far below
    // the visible area of the shown window.
    void loadTallChart(const QString &limit)
    {
        ASSERT_TRUE(folder.write(QStringLiteral("uzun.vnp"), [&limit](ChartTest::ChartBuilder &chart) {
            QString previous = chart.add(QStringLiteral("START"));
            for (int i = 0; i < 30; ++i) {
                const QString next = chart.add(QStringLiteral("DEFINITION"), QStringLiteral("i"), QStringLiteral("0"));
                chart.link(previous, next);
                previous = next;
            }
            const QString add = chart.add(QStringLiteral("ADD"), QStringLiteral("i"), QStringLiteral("1"), QStringLiteral("i"));
            const QString test = chart.add(QStringLiteral("IF_LESS"), QStringLiteral("i"), limit);
            const QString stop = chart.add(QStringLiteral("STOP"));
            chart.link(previous, add);
            chart.link(add, test);
            chart.link(test, add, QStringLiteral("EVET"));
            chart.link(test, stop, QStringLiteral("HAYIR"));
        }));
        ASSERT_TRUE(window->project().load_FILE(folder.path(QStringLiteral("uzun.vnp"))));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QRectF visible() const
    {
        const DrawingSurface *surface = window->surface();
        return surface->mapToScene(surface->viewport()->rect()).boundingRect();
    }

    const cBlock *selected() const
    {
        return window->editor()->operations().blockAt(window->project().context().selectedIndex());
    }

    ChartTest::ChartFolder folder;

    cBlock *start()
    {
        loadExample(QStringLiteral("test00_hello.vnp"));
        return window->runtime().interpreter.findBlockByAction(QStringLiteral("START"));
    }
};

TEST_F(SelectorTest, FrameFollowsTheLastRecordedBlockOncePerFrame)
{
    setDelay(0);
    cBlock *block = start();
    ASSERT_NE(block, nullptr);
    ASSERT_TRUE(block->hasElement());
    for (int i = 0; i < 1000; ++i)
        window->host().setSelector(block);
    EXPECT_FALSE(window->surface()->selectorVisible());
    ASSERT_TRUE(waitFor([this] { return window->surface()->selectorVisible(); }, 500));
    const QRectF expected(block->shapeLeft() - 2, block->shapeTop() - 2, block->shapeWidth() + 5,
                          block->shapeHeight() + 5);
    EXPECT_EQ(window->surface()->selectorRect(), expected);
    window->host().hideSelector();
    EXPECT_FALSE(window->surface()->selectorVisible());
}

TEST_F(SelectorTest, NothingShowsWhileBlocksAreNotTracked)
{
    cBlock *block = start();
    controls().chk_LOAD_GUI->setChecked(false);
    window->setSelector(block);
    EXPECT_FALSE(window->surface()->selectorVisible());
}

TEST_F(SelectorTest, ARecordedBlockThatIsRemovedIsNeverShown)
{
    setDelay(0);
    cBlock *block = start();
    window->host().setSelector(block);
    loadExample(QStringLiteral("test00_hello.vnp"));
    window->host().flushSelector();
    EXPECT_FALSE(window->surface()->selectorVisible());
}

TEST_F(SelectorTest, AtADelayEveryReportedBlockIsFramedAtOnce)
{
    cBlock *block = start();
    for (const int delay : {1, 100, RunControl::DelayMaximum}) {
        setDelay(delay);
        window->host().hideSelector();
        window->host().setSelector(block);
        EXPECT_TRUE(window->surface()->selectorVisible()) << delay;
        EXPECT_EQ(window->surface()->selectorRect(), ChartEditor::selectorFrame(*block)) << delay;
    }
}

TEST_F(SelectorTest, AFastRunKeepsItsBlockInSightAndLeavesTheFrameWhereItStopped)
{
    loadTallChart(QStringLiteral("1e300"));
    setDelay(0);
    DrawingSurface *surface = window->surface();
    QRectF frame;
    QRectF seen;
    QTimer::singleShot(300, window.get(), [&] {
        frame = surface->selectorVisible() ? surface->selectorRect() : QRectF();
        seen = visible();
        QTest::mouseClick(controls().cmdStop, Qt::LeftButton);
    });
    pressRun();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    EXPECT_GT(frame.top(), 30 * 60.0) << "the frame is on the loop";
    EXPECT_TRUE(seen.contains(frame)) << "the view scrolled to it";

    const cBlock *last = selected();
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(last->zAction() == QStringLiteral("ADD") || last->zAction() == QStringLiteral("IF_LESS"));
    EXPECT_TRUE(surface->selectorVisible());
    EXPECT_EQ(surface->selectorRect(), ChartEditor::selectorFrame(*last));
}

TEST_F(SelectorTest, AtTheEndOfARunItsLastBlockIsFramedInSight)
{
    loadTallChart(QStringLiteral("3"));
    setDelay(0);
    pressRun();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    const cBlock *last = selected();
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->zAction(), QStringLiteral("STOP"));
    EXPECT_EQ(window->surface()->selectorRect(), ChartEditor::selectorFrame(*last));
    EXPECT_TRUE(visible().contains(window->surface()->selectorRect()));
}

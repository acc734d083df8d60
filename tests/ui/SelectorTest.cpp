#include "MainWindowFixture.h"

#include "interp/Interpreter.h"
#include "model/cBlock.h"
#include "ui/editor/DrawingSurface.h"

#include <QCheckBox>

class SelectorTest : public MainWindowFixture {
protected:
    cBlock *start()
    {
        loadExample(QStringLiteral("test00_hello.vnp"));
        return window->runtime().interpreter.findBlockByAction(QStringLiteral("START"));
    }
};

TEST_F(SelectorTest, FrameFollowsTheLastRecordedBlockOncePerFrame)
{
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
    cBlock *block = start();
    window->host().setSelector(block);
    loadExample(QStringLiteral("test00_hello.vnp"));
    window->host().flushSelector();
    EXPECT_FALSE(window->surface()->selectorVisible());
}

// The element counters are 16-bit: the 32768th element is an overflow, not a wrap-around,
// and a load starts them again from 1.

#include "ModelTestSupport.h"

using namespace ModelTest;

namespace {

class ElementCounters : public Model {
protected:
    void fillShapes()
    {
        for (int n = 0; n < 32767; ++n)
            ctx.newShapeElement();
    }
};

} // namespace

TEST_F(ElementCounters, ShapeCounterOverflowsPast32767)
{
    fillShapes();
    EXPECT_EQ(ctx.shapeElementCount(), 32767);
    EXPECT_EQ(errorNumberOf([&] { ctx.newShapeElement(); }), VarnelError::Overflow);
    EXPECT_EQ(ctx.shapeElementCount(), 32767);
    EXPECT_TRUE(ctx.hasShape(32767));
}

TEST_F(ElementCounters, LineCounterOverflowsPast32767)
{
    for (int n = 0; n < 32767; ++n)
        ctx.newLineElement();
    EXPECT_EQ(errorNumberOf([&] { ctx.newLineElement(); }), VarnelError::Overflow);
    EXPECT_EQ(ctx.lineElementCount(), 32767);
}

TEST_F(ElementCounters, AddShapeOverflowLeavesTheCollectionAsItWas)
{
    fillShapes();
    ctx.setSelection(5, ctx.previousSelectedIndex());
    EXPECT_EQ(errorNumberOf([&] { add(QStringLiteral("id1")); }), VarnelError::Overflow);
    EXPECT_EQ(blocks.Count(), 0);
    EXPECT_EQ(ctx.selectedIndex(), 5);
    EXPECT_EQ(blocks.getFreeTagID(), QStringLiteral("id1"));
}

TEST_F(ElementCounters, AddLineOverflowReachesTheCaller)
{
    add(QStringLiteral("A"));
    for (int n = 0; n < 32767; ++n)
        ctx.newLineElement();
    EXPECT_EQ(errorNumberOf([&] { lines.AddLine(QStringLiteral("A"), QStringLiteral("A"), QString()); }),
              VarnelError::Overflow);
}

TEST_F(ElementCounters, UnloadStartsAgainFromOne)
{
    add(QStringLiteral("id1"));
    add(QStringLiteral("id2"));
    ctx.newLineElement();
    ctx.unloadShapeElements();
    ctx.unloadLineElements();
    EXPECT_EQ(ctx.shapeElementCount(), 0);
    EXPECT_EQ(ctx.lineElementCount(), 0);
    EXPECT_FALSE(ctx.hasShape(1));
    EXPECT_EQ(errorNumberOf([&] { ctx.shape(1); }), VarnelError::NoObject);
    EXPECT_EQ(ctx.newShapeElement(), 1);
    EXPECT_EQ(ctx.newLineElement(), 1);
    // A fresh element, not the unloaded one.
    EXPECT_TRUE(ctx.shape(1).tag.isEmpty());
    EXPECT_FALSE(ctx.shape(1).visible);
}

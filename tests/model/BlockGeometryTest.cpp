// A block's size lives in its element as a 16-bit number: reading rounds halves to even,
// writing past the 16-bit range is an overflow and leaves the size as it was.

#include "ModelTestSupport.h"

using namespace ModelTest;

namespace {

class BlockGeometry : public Model {
protected:
    void SetUp() override { block = add(QStringLiteral("id1")); }
    ShapeElement &element() { return ctx.shape(block->theObjectShape()); }

    cBlock *block = nullptr;
};

} // namespace

TEST_F(BlockGeometry, ReadingTheSizeRoundsHalvesToEven)
{
    element().width = 70.5;
    element().height = 41.5;
    EXPECT_EQ(block->shapeWidth(), 70);
    EXPECT_EQ(block->shapeHeight(), 42);
    element().width = 69.5001;
    EXPECT_EQ(block->shapeWidth(), 70);
}

TEST_F(BlockGeometry, WritingTheSizeChecksThe16BitRange)
{
    block->setShapeWidth(32766.5);
    EXPECT_EQ(block->shapeWidth(), 32766);
    block->setShapeHeight(-32768.5);
    EXPECT_EQ(block->shapeHeight(), -32768);

    block->setShapeWidth(90);
    EXPECT_EQ(errorNumberOf([&] { block->setShapeWidth(32767.5); }), VarnelError::Overflow);
    EXPECT_EQ(errorNumberOf([&] { block->setShapeHeight(-32769.5); }), VarnelError::Overflow);
    EXPECT_EQ(block->shapeWidth(), 90);
    EXPECT_EQ(block->shapeHeight(), -32768);
}

TEST_F(BlockGeometry, TagFollowsIntoTheElementOnlyWhileTracked)
{
    block->setTagID(QStringLiteral("id9"));
    EXPECT_EQ(element().tag, QStringLiteral("id9"));
    ctx.trackCurrentBlock = false;
    block->setTagID(QStringLiteral("id10"));
    EXPECT_EQ(block->TagID(), QStringLiteral("id10"));
    EXPECT_EQ(element().tag, QStringLiteral("id9"));
}

// Deleting blocks: a connected block stays, a free one goes with its element hidden, and
// element indexes are never handed out twice.

#include "ModelTestSupport.h"

using namespace ModelTest;

namespace {

class RemoveShape : public Model {
protected:
    void SetUp() override
    {
        a = add(QStringLiteral("id1"));
        b = add(QStringLiteral("id2"));
        c = add(QStringLiteral("id3"));
        QObject::connect(&blocks, &Block_Collection::selectorHidden, [this] { ++selectorHides; });
    }

    cBlock *a = nullptr;
    cBlock *b = nullptr;
    cBlock *c = nullptr;
    int selectorHides = 0;
};

} // namespace

TEST_F(RemoveShape, ConnectedBlockStaysWhetherSourceOrTarget)
{
    lines.AddLine(QStringLiteral("id1"), QStringLiteral("id2"), QString());
    for (cBlock *block : {a, b}) {
        const qint16 index = block->theObjectShape();
        SCOPED_TRACE(index);
        errors.clear();
        ctx.setSelection(index, ctx.previousSelectedIndex());
        blocks.removeShape(index);
        EXPECT_EQ(errors, QStringList{QStringLiteral("Bağlı nesneler silinemez.")});
        EXPECT_EQ(blocks.Count(), 3);
        EXPECT_EQ(blocks.item(block->TagID()), block);
        EXPECT_TRUE(ctx.shape(index).visible);
        EXPECT_EQ(ctx.shape(index).tag, block->TagID());
        EXPECT_EQ(ctx.selectedIndex(), index);
    }
    EXPECT_EQ(selectorHides, 0);
}

TEST_F(RemoveShape, FreeBlockGoesOnceItsLinesAreDeleted)
{
    lines.AddLine(QStringLiteral("id1"), QStringLiteral("id2"), QString());
    lines.AddLine(QStringLiteral("id3"), QStringLiteral("id2"), QString());
    lines.deleteLine(1, 2);
    lines.deleteLine(3, 2);
    ASSERT_EQ(lines.Count(), 0);

    ctx.setSelection(2, 1);
    blocks.removeShape(2);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(blocks.Count(), 2);
    EXPECT_EQ(blocks.item(QStringLiteral("id2")), nullptr);
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("id2")), -1);
    // The element is hidden, not destroyed, and its tag no longer names a block.
    EXPECT_EQ(ctx.shapeElementCount(), 3);
    EXPECT_FALSE(ctx.shape(2).visible);
    EXPECT_EQ(ctx.shape(2).tag, QStringLiteral("id2-DELETED"));
    EXPECT_EQ(ctx.selectedIndex(), -1);
    EXPECT_EQ(selectorHides, 1);
}

TEST_F(RemoveShape, MinusOneDoesNothing)
{
    ctx.setSelection(3, ctx.previousSelectedIndex());
    blocks.removeShape(-1);
    EXPECT_EQ(blocks.Count(), 3);
    EXPECT_EQ(ctx.selectedIndex(), 3);
    EXPECT_EQ(selectorHides, 0);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(RemoveShape, DeletedIndexIsNeverReused)
{
    blocks.removeShape(3);
    blocks.removeShape(2);
    // The tag is free again, the element index is not.
    EXPECT_EQ(blocks.getFreeTagID(), QStringLiteral("id2"));
    cBlock *next = add(QStringLiteral("id2"));
    EXPECT_EQ(next->theObjectShape(), 4);
    EXPECT_EQ(ctx.shapeElementCount(), 4);
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("id2")), 4);
    EXPECT_EQ(ctx.shape(2).tag, QStringLiteral("id2-DELETED"));
    EXPECT_EQ(ctx.selectedIndex(), 4);
    EXPECT_EQ(ctx.previousSelectedIndex(), -1);
}

TEST_F(RemoveShape, FindsTheBlockByTheElementTagAfterARename)
{
    // Renaming a block's tag moves the element tag with it, so the element still finds it.
    b->setTagID(QStringLiteral("yeni"));
    lines.AddLine(QStringLiteral("yeni"), QStringLiteral("id3"), QString());
    blocks.removeShape(2);
    EXPECT_EQ(errors, QStringList{QStringLiteral("Bağlı nesneler silinemez.")});
    EXPECT_EQ(blocks.Count(), 3);
}

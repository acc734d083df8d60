// Creating blocks: what AddShape gives a block with and without picture elements, the keys
// it refuses, and how blocks are looked up afterwards.

#include "ModelTestSupport.h"

using namespace ModelTest;

namespace {

class AddShape : public Model {};

} // namespace

TEST_F(AddShape, TrackedBlockGetsTheNextElementAndBecomesSelected)
{
    ctx.setSelection(-1, ctx.previousSelectedIndex());
    cBlock *first = blocks.AddShape(92, QStringLiteral("id1"), 40.5f, 60.25f);
    EXPECT_EQ(first->theObjectShape(), 1);
    EXPECT_EQ(ctx.previousSelectedIndex(), -1);
    EXPECT_EQ(ctx.selectedIndex(), 1);

    cBlock *second = blocks.AddShape(2, QStringLiteral("id2"), 0, 0);
    EXPECT_EQ(second->theObjectShape(), 2);
    EXPECT_EQ(ctx.shapeElementCount(), 2);
    EXPECT_EQ(ctx.previousSelectedIndex(), 1);
    EXPECT_EQ(ctx.selectedIndex(), 2);

    EXPECT_FLOAT_EQ(first->shapeLeft(), 40.5f);
    EXPECT_FLOAT_EQ(first->shapeTop(), 60.25f);
    EXPECT_EQ(first->Shape(), 92);
    EXPECT_EQ(first->BGColor(), 16777215);
    EXPECT_EQ(first->TextColor(), 0);
    EXPECT_EQ(first->BorderColor(), 0);
    EXPECT_TRUE(first->Visible());
    EXPECT_EQ(first->TagID(), QStringLiteral("id1"));
    // The element carries the tag: that is how the editor finds the block of an element.
    EXPECT_EQ(ctx.shape(1).tag, QStringLiteral("id1"));
    EXPECT_TRUE(first->zAction().isEmpty());
    EXPECT_TRUE(first->sCaption().isEmpty());
}

TEST_F(AddShape, MarksTheProjectModifiedWithOrWithoutTracking)
{
    add(QStringLiteral("id1"));
    EXPECT_TRUE(ctx.projectModified());

    ctx.setProjectModified(false);
    ctx.trackCurrentBlock = false;
    add(QStringLiteral("id2"));
    EXPECT_TRUE(ctx.projectModified());
}

TEST_F(AddShape, UntrackedBlockHasNoElementAndZeroAppearance)
{
    ctx.trackCurrentBlock = false;
    ctx.setSelection(4, 3);
    cBlock *block = blocks.AddShape(91, QStringLiteral("id1"), 40, 60);

    EXPECT_FALSE(block->hasElement());
    EXPECT_EQ(ctx.shapeElementCount(), 0);
    EXPECT_EQ(ctx.selectedIndex(), 4);
    EXPECT_EQ(ctx.previousSelectedIndex(), 3);
    EXPECT_EQ(block->Shape(), 0);
    EXPECT_EQ(block->BGColor(), 0);
    EXPECT_EQ(block->TextColor(), 0);
    EXPECT_EQ(block->BorderColor(), 0);
    EXPECT_EQ(block->TagID(), QStringLiteral("id1"));
    EXPECT_EQ(blocks.item(QStringLiteral("id1")), block);
}

TEST_F(AddShape, UntrackedBlockRefusesEveryElementProperty)
{
    ctx.trackCurrentBlock = false;
    cBlock *b = add(QStringLiteral("id1"));
    const int noObject = VarnelError::NoObject;
    EXPECT_EQ(errorNumberOf([&] { b->shapeLeft(); }), noObject);
    EXPECT_EQ(errorNumberOf([&] { b->setShapeLeft(1); }), noObject);
    EXPECT_EQ(errorNumberOf([&] { b->shapeTop(); }), noObject);
    EXPECT_EQ(errorNumberOf([&] { b->setShapeTop(1); }), noObject);
    EXPECT_EQ(errorNumberOf([&] { b->shapeWidth(); }), noObject);
    EXPECT_EQ(errorNumberOf([&] { b->setShapeWidth(1); }), noObject);
    EXPECT_EQ(errorNumberOf([&] { b->shapeHeight(); }), noObject);
    EXPECT_EQ(errorNumberOf([&] { b->setShapeHeight(1); }), noObject);
    EXPECT_EQ(errorNumberOf([&] { b->Visible(); }), noObject);
    EXPECT_EQ(errorNumberOf([&] { b->setVisible(true); }), noObject);
}

TEST_F(AddShape, DuplicateKeyFailsEvenWhenOnlyTheCaseDiffers)
{
    cBlock *original = add(QStringLiteral("id1"));
    for (const QString &key : {QStringLiteral("id1"), QStringLiteral("ID1"), QStringLiteral("Id1")}) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(errorNumberOf([&] { add(key); }), VarnelError::DuplicateKey);
        EXPECT_EQ(blocks.Count(), 1);
        EXPECT_EQ(blocks.item(QStringLiteral("id1")), original);
        EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("id1")), 1);
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(AddShape, LookupsByKeyAreExact)
{
    cBlock *block = add(QStringLiteral("Id7"));
    EXPECT_EQ(blocks.item(QStringLiteral("Id7")), block);
    EXPECT_EQ(blocks.item(QStringLiteral("id7")), nullptr);
    EXPECT_EQ(blocks.item(QStringLiteral("ID7")), nullptr);
    EXPECT_EQ(blocks.getIndexFromTag(QStringLiteral("id7")), -1);
}

TEST_F(AddShape, MissingKeyOrPositionYieldsNoBlockAndNoMessage)
{
    cBlock *first = add(QStringLiteral("id1"));
    cBlock *second = add(QStringLiteral("id2"));
    EXPECT_EQ(blocks.item(QStringLiteral("id3")), nullptr);
    EXPECT_EQ(blocks.item(QString()), nullptr);
    EXPECT_EQ(blocks.item(0), nullptr);
    EXPECT_EQ(blocks.item(3), nullptr);
    EXPECT_EQ(blocks.item(1), first);
    EXPECT_EQ(blocks.item(2), second);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(AddShape, RemoveByMissingKeyOrPositionIsAnError)
{
    add(QStringLiteral("id1"));
    EXPECT_NE(errorNumberOf([&] { blocks.Remove(QStringLiteral("id2")); }), 0);
    EXPECT_NE(errorNumberOf([&] { blocks.Remove(2); }), 0);
    EXPECT_EQ(blocks.Count(), 1);
    blocks.Remove(1);
    EXPECT_EQ(blocks.Count(), 0);
    EXPECT_EQ(blocks.item(QStringLiteral("id1")), nullptr);
}

TEST_F(AddShape, EnumerationKeepsInsertionOrder)
{
    for (const char *tag : {"id3", "id1", "id2"})
        add(QString::fromLatin1(tag));
    blocks.Remove(QStringLiteral("id1"));
    add(QStringLiteral("id1"));
    QStringList order;
    for (const auto &block : blocks)
        order << block->TagID();
    EXPECT_EQ(order, (QStringList{"id3", "id2", "id1"}));
}

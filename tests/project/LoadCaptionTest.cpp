// A load gives every tracked block its captions, widening a block too narrow for its caption,
// and routes the lines between the blocks as read.

#include "ProjectTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ProjectTest;

namespace {

class LoadCaption : public ::testing::Test {
protected:
    bool load(const QByteArray &bytes)
    {
        const QString file = dir.filePath(QStringLiteral("dar.vnp"));
        EXPECT_TRUE(writeBytes(file, bytes));
        return project.load_FILE(file);
    }

    // The output block of the example made 40 units wide.
    QByteArray narrowHello() const
    {
        return replaceOnce(helloBytes(), "130       \t <--WIDTH", "40       \t <--WIDTH");
    }

    QTemporaryDir dir;
    MessageLog log;
    Project project{&log};
};

TEST_F(LoadCaption, BlocksGetTheirCaptionsAndGrowToFitThem)
{
    ASSERT_TRUE(load(narrowHello()));
    const Block_Collection &blocks = project.theBlockCollection();
    EXPECT_EQ(blocks.item(QStringLiteral("id1"))->sCaption(), QStringLiteral("başla"));
    const cBlock *output = blocks.item(QStringLiteral("id2"));
    EXPECT_EQ(output->sCaptionUp(), QStringLiteral("çıkış"));
    EXPECT_EQ(output->sCaption(), QStringLiteral("\"Merhaba Dünya\""));
    EXPECT_EQ(output->shapeWidth(), 15 * 7 + 20); // the stand-in measure: 7 units a character
    EXPECT_EQ(blocks.item(QStringLiteral("id1"))->shapeWidth(), 70);
    // The loaded width is the widened one, and the lines are routed to it.
    const LineElement &toOutput = project.context().line(1);
    EXPECT_FLOAT_EQ(toOutput.x2, 110 + 125 / 2.0f);
    EXPECT_FLOAT_EQ(toOutput.y2, 100);
    EXPECT_TRUE(toOutput.head.visible);
}

TEST_F(LoadCaption, UntrackedLoadLeavesCaptionsEmpty)
{
    project.context().trackCurrentBlock = false;
    ASSERT_TRUE(load(narrowHello()));
    EXPECT_TRUE(project.theBlockCollection().item(QStringLiteral("id2"))->sCaption().isEmpty());
}

} // namespace

// The geometry of one line: attach points by how the two boxes lie, the arrow head, the label,
// and the rule that only a change of an integer part moves anything.

#include "model/LineRouter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using Box = LineRouter::Box;

struct AttachCase {
    const char *name;
    Box from, to;
    float x1, y1, x2, y2;
};

const AttachCase attachCases[] = {
    {"target wholly right", {0, 0, 70, 30}, {100, 0, 70, 30}, 70, 15, 100, 15},
    {"target wholly below", {0, 0, 70, 30}, {0, 100, 70, 30}, 35, 30, 35, 100},
    {"target wholly left", {100, 0, 70, 30}, {0, 0, 70, 30}, 100, 15, 70, 15},
    {"target above: a loop back", {0, 100, 70, 30}, {0, 0, 70, 30}, 35, 100, 35, 30},
    {"right wins over below", {0, 0, 70, 30}, {100, 100, 70, 30}, 70, 15, 100, 115},
    {"left and above", {100, 100, 70, 30}, {0, 0, 70, 30}, 100, 115, 70, 15},
    {"touching side by side count as overlapping", {0, 0, 70, 30}, {70, 0, 70, 30}, 35, 0, 105, 0},
    {"touching one above the other", {0, 0, 70, 30}, {0, 30, 70, 30}, 35, 0, 35, 30},
    {"overlapping boxes join their top middles", {0, 0, 70, 30}, {20, 10, 90, 40}, 35, 0, 65, 10},
};

class Attach : public ::testing::TestWithParam<AttachCase> {};

TEST_P(Attach, EndsFollowTheFirstRuleThatApplies)
{
    const AttachCase &c = GetParam();
    const LineRouter::Ends e = LineRouter::attachPoints(c.from, c.to);
    EXPECT_FLOAT_EQ(e.x1, c.x1) << c.name;
    EXPECT_FLOAT_EQ(e.y1, c.y1) << c.name;
    EXPECT_FLOAT_EQ(e.x2, c.x2) << c.name;
    EXPECT_FLOAT_EQ(e.y2, c.y2) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Boxes, Attach, ::testing::ValuesIn(attachCases));

// For every direction the strokes leave the tip along the direction back to the source turned
// by half a radian either way, 15 units long.
TEST(ArrowHead, StrokesFlankTheLineInEveryDirection)
{
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const double theta = degrees * M_PI / 180;
        const float tipX = 200, tipY = 100;
        const LineRouter::Ends ends{float(tipX + 80 * std::cos(theta)),
                                    float(tipY + 80 * std::sin(theta)), tipX, tipY};
        const ArrowHead h = LineRouter::arrowHead(ends);
        EXPECT_NEAR(h.up.x2, tipX + 15 * std::cos(theta - 0.5), 1e-3) << degrees;
        EXPECT_NEAR(h.up.y2, tipY + 15 * std::sin(theta - 0.5), 1e-3) << degrees;
        EXPECT_NEAR(h.down.x2, tipX + 15 * std::cos(theta + 0.5), 1e-3) << degrees;
        EXPECT_NEAR(h.down.y2, tipY + 15 * std::sin(theta + 0.5), 1e-3) << degrees;
        EXPECT_FLOAT_EQ(h.up.x1, tipX);
        EXPECT_FLOAT_EQ(h.up.y1, tipY);
        EXPECT_FLOAT_EQ(h.down.x1, tipX);
        EXPECT_FLOAT_EQ(h.down.y1, tipY);
    }
}

TEST(ArrowHead, DotSitsOnTheTipAndTheHeadPointsAlongTheLine)
{
    const ArrowHead right = LineRouter::arrowHead({70, 15, 100, 15});
    EXPECT_FLOAT_EQ(right.dotLeft, 98);
    EXPECT_FLOAT_EQ(right.dotTop, 13);
    EXPECT_TRUE(right.visible);
    EXPECT_LT(std::max(right.up.x2, right.down.x2), 100); // side by side: pointing right
    const ArrowHead loop = LineRouter::arrowHead({35, 100, 35, 30});
    EXPECT_GT(std::min(loop.up.y2, loop.down.y2), 30); // a loop back: pointing down
}

TEST(ArrowHead, ZeroLengthLineGetsTheFixedStrokes)
{
    const ArrowHead h = LineRouter::arrowHead({35, 0, 35, 0});
    const double s = 15 * std::sin(0.5);
    EXPECT_NEAR(h.up.x2, 35 + s, 1e-4);
    EXPECT_NEAR(h.up.y2, -s, 1e-4);
    EXPECT_NEAR(h.down.x2, 35 - s, 1e-4);
    EXPECT_NEAR(h.down.y2, s, 1e-4);
}

class Route : public ::testing::Test {
protected:
    void SetUp() override
    {
        e.labelWidth = 35;
        e.labelHeight = 14;
        ASSERT_TRUE(LineRouter::route(e, source, target));
    }

    Box source{0, 0, 70, 30};
    Box target{100, 0, 70, 30};
    LineElement e;
};

TEST_F(Route, PlacesEndsHeadAndLabelCentredOnTheMidpoint)
{
    EXPECT_FLOAT_EQ(e.x1, 70);
    EXPECT_FLOAT_EQ(e.y1, 15);
    EXPECT_FLOAT_EQ(e.x2, 100);
    EXPECT_FLOAT_EQ(e.y2, 15);
    EXPECT_TRUE(e.head.visible);
    EXPECT_FLOAT_EQ(e.head.dotLeft, 98);
    EXPECT_FLOAT_EQ(e.labelLeft, 85 - 17.5f);
    EXPECT_FLOAT_EQ(e.labelTop, 15 - 7);
}

TEST_F(Route, MoveWithinTheSameIntegerPartsTouchesNothing)
{
    const LineElement before = e;
    target.left += 0.4f;
    source.top += 0.3f;
    EXPECT_FALSE(LineRouter::route(e, source, target));
    EXPECT_EQ(e.x2, before.x2);
    EXPECT_EQ(e.y1, before.y1);
    EXPECT_EQ(e.labelLeft, before.labelLeft);
    EXPECT_EQ(e.head.up.x2, before.head.up.x2);
}

TEST_F(Route, CrossingAnIntegerMovesLineAndHeadWithFullValues)
{
    target.left += 1.25f;
    EXPECT_TRUE(LineRouter::route(e, source, target));
    EXPECT_FLOAT_EQ(e.x2, 101.25f);
    EXPECT_FLOAT_EQ(e.head.dotLeft, 99.25f);
    // The label's new left 68.125 has the integer part of 67.5 + 1: it moves too.
    EXPECT_FLOAT_EQ(e.labelLeft, 68.125f);
}

TEST_F(Route, LabelStaysWhileItsIntegerPartsDoNot)
{
    e.labelLeft = 67.9f;
    target.left += 2; // the line moves; the label's new left 68.5 has another integer part
    EXPECT_TRUE(LineRouter::route(e, source, target));
    EXPECT_FLOAT_EQ(e.labelLeft, 68.5f);
    // Both ends move apart by one: the line moves, its midpoint and so the label do not.
    e.labelLeft = 68.9f;
    source.left -= 1;
    target.left += 1;
    EXPECT_TRUE(LineRouter::route(e, source, target));
    EXPECT_FLOAT_EQ(e.x1, 69);
    EXPECT_FLOAT_EQ(e.labelLeft, 68.9f);
}

TEST(RouteFirstTime, HeadIsPlacedEvenWhenTheEndsTruncateToZero)
{
    LineElement e;
    EXPECT_TRUE(LineRouter::route(e, {0, 0, 0.5f, 0.5f}, {0, 0, 0.5f, 0.5f}));
    EXPECT_TRUE(e.head.visible);
}

} // namespace

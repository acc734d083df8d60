// Editing one side of a block: circle shapes keep both sides equal, every other shape keeps
// the side not edited.

#include "model/BlockSize.h"

#include <gtest/gtest.h>

TEST(BlockSize, OneSideFollowsOnlyForCircles)
{
    const BlockSize size{70, 30};
    const struct {
        qint16 shape;
        BlockSize afterWidth;
        BlockSize afterHeight;
    } cases[] = {
        {0, {90, 30}, {70, 45}},  {1, {90, 90}, {45, 45}},  {2, {90, 30}, {70, 45}},
        {3, {90, 90}, {45, 45}},  {91, {90, 30}, {70, 45}}, {92, {90, 30}, {70, 45}},
        {93, {90, 30}, {70, 45}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shape);
        EXPECT_EQ(size.withWidth(c.shape, 90), c.afterWidth);
        EXPECT_EQ(size.withHeight(c.shape, 45), c.afterHeight);
    }
}

// The poll ring stands in for a read of the folder watch's queue, so it must never say "quiet"
// once input has come, whoever wrote it, and must say it only to the thread that asked.

#include "project/PollRing.h"

#include <gtest/gtest.h>

#include <thread>
#include <unistd.h>

namespace {

class PollRingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::pipe(ends), 0);
        if (!ring.start(ends[0]))
            GTEST_SKIP() << "the kernel offers no ring here; the watch reads its queue instead";
    }
    void TearDown() override
    {
        ::close(ends[0]);
        ::close(ends[1]);
    }
    static bool put(int fd) { return ::write(fd, "x", 1) == 1; }
    void drain()
    {
        char byte;
        ASSERT_EQ(::read(ends[0], &byte, 1), 1);
    }

    int ends[2] = {-1, -1};
    PollRing ring;
};

TEST_F(PollRingTest, InputFromAnyThreadIsToldUntilTheRingIsRenewed)
{
    EXPECT_TRUE(ring.quiet());
    ASSERT_TRUE(put(ends[1]));
    EXPECT_TRUE(ring.answered()) << "input written by this thread is told at once";
    EXPECT_FALSE(ring.quiet());
    drain();
    ring.renew();
    EXPECT_TRUE(ring.quiet());

    std::thread writer([&] { EXPECT_TRUE(put(ends[1])); });
    writer.join();
    EXPECT_FALSE(ring.quiet()) << "input written by another thread";
    drain();
    ring.renew();
    EXPECT_TRUE(ring.quiet());
}

TEST_F(PollRingTest, InputLeftUnreadAnswersTheRenewedPollAtOnce)
{
    ASSERT_TRUE(put(ends[1]));
    ring.renew();
    EXPECT_FALSE(ring.quiet());
}

TEST_F(PollRingTest, AnotherThreadIsNeverToldQuiet)
{
    bool quietThere = true;
    std::thread other([&] { quietThere = ring.quiet(); });
    other.join();
    EXPECT_FALSE(quietThere);
    EXPECT_TRUE(ring.quiet());
}

} // namespace

#include "engine/frame/FrameClock.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(FrameClock, StallRunsOneFrameAndKeepsThePhase) {
    FrameClock clock;
    clock.Start(1000, 16);
    EXPECT_EQ(clock.nextDue, 1016u);
    EXPECT_FALSE(clock.Due(1015));
    EXPECT_TRUE(clock.Due(1016));
    EXPECT_EQ(clock.nextDue, 1032u);
    // A 100 ms stall: one frame, nextDue in whole periods past now.
    EXPECT_TRUE(clock.Due(1132));
    EXPECT_EQ(clock.nextDue, 1144u);
    EXPECT_FALSE(clock.Due(1133));
    EXPECT_FALSE(clock.Due(1143));
    EXPECT_TRUE(clock.Due(1144));
    EXPECT_EQ(clock.nextDue, 1160u);
}

TEST(FrameClock, TickWraps) {
    FrameClock clock;
    clock.Start(0xFFFFFFF8u, 16);
    EXPECT_EQ(clock.nextDue, 8u);
    EXPECT_FALSE(clock.Due(0xFFFFFFFFu));
    EXPECT_TRUE(clock.Due(9));
    EXPECT_EQ(clock.nextDue, 24u);
}

}  // namespace
}  // namespace vn

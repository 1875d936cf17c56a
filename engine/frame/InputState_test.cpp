#include "engine/frame/InputState.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(InputState, TapClearsKeysForOneFrame) {
    InputState in;
    in.countUp = in.countStart = in.countA = in.countE = 2;
    in.latchLeft = 1;
    in.PenDown(5, 6);
    bool skipping = false;
    in.Latch(false, false, skipping);
    EXPECT_EQ(in.tapped, 1);
    EXPECT_EQ(in.penDownEvent, 0);
    EXPECT_EQ(in.countUp + in.countStart + in.countA + in.latchLeft, 0);
    EXPECT_EQ(in.countE, 2);  // E is not among the cleared keys
    in.Latch(false, false, skipping);
    EXPECT_EQ(in.tapped, 0);
    EXPECT_EQ(in.penHeld, 1);
    in.PenUp();
    in.Latch(false, false, skipping);
    EXPECT_EQ(in.released, 1);
    EXPECT_EQ(in.penHeld, 0);
}

TEST(InputState, FreshButtonClearsDirections) {
    InputState in;
    in.countC = 1;
    in.countLeft = 3;
    in.countStart = 1;
    in.latchStart = 1;
    bool skipping = false;
    in.Latch(false, false, skipping);
    EXPECT_EQ(in.countLeft + in.countStart + in.latchStart, 0);
    EXPECT_EQ(in.countC, 1);
}

TEST(InputState, SkipLock) {
    InputState in;
    bool skipping = false;
    in.countLeft = 1;
    in.Latch(false, true, skipping);
    EXPECT_TRUE(skipping);
    EXPECT_EQ(in.countLeft, 0);
    in.countRight = 1;
    in.Latch(true, true, skipping);  // the open menu stops the latch before the lock
    EXPECT_TRUE(skipping);
    in.Latch(false, true, skipping);
    EXPECT_FALSE(skipping);
    EXPECT_EQ(in.countRight, 0);
    in.countLeft = 1;
    in.Latch(false, false, skipping);  // without the setting the lock stays off
    EXPECT_FALSE(skipping);
    EXPECT_EQ(in.countLeft, 1);
}

}  // namespace
}  // namespace vn

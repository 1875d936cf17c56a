#include "engine/platform/interface/EmulatedDisplay.h"

#include <gtest/gtest.h>

#include "engine/platform/host/Png.h"

namespace vn {
namespace {

TEST(EmulatedDisplay, PropertiesOfBothBuilds) {
    EmulatedDisplay sig(Sigmarion3Profile());
    sig.Open(320, 240);
    const DisplayProperties s = sig.Properties();
    EXPECT_EQ(s.width, 240);
    EXPECT_EQ(s.height, 320);
    EXPECT_EQ(s.xPitch, -640);
    EXPECT_EQ(s.yPitch, -2);
    EmulatedDisplay small(Sigmarion3Profile());
    small.Open(100, 100);  // too small: falls back to 320 x 240
    EXPECT_EQ(small.Properties().xPitch, -640);
    EmulatedDisplay ppc(PocketPcProfile());
    ppc.Open(0, 0);
    const DisplayProperties p = ppc.Properties();
    EXPECT_EQ(p.width, 480);
    EXPECT_EQ(p.height, 640);
    EXPECT_EQ(p.xPitch, 2);
    EXPECT_EQ(p.yPitch, 960);
    EXPECT_EQ(p.formatFlags, 0x80);
}

TEST(EmulatedDisplay, PocketPcViews) {
    EmulatedDisplay ppc(PocketPcProfile());
    ppc.Open(0, 0);
    uint8_t* origin = ppc.Origin();
    // Frame-buffer pixel (0, 639) holds logical (0, 0): pure red.
    origin[639 * 960] = 0x00;
    origin[639 * 960 + 1] = 0xF8;
    EXPECT_EQ(ppc.LogicalPixel(0, 0), 0xF800);
    RgbaImage land, native;
    ppc.ToLandscape(land);
    ppc.ToNative(native);
    EXPECT_EQ(land.width, 640);
    EXPECT_EQ(native.width, 480);
    EXPECT_EQ(land.rgba[0], 255);
    EXPECT_EQ(native.rgba[(639 * 480) * 4], 255);
}

TEST(EmulatedDisplay, PenPositionsOfEachBuild) {
    EmulatedDisplay ppc(PocketPcProfile());
    EXPECT_EQ(ppc.LogicalToPen(599, 20), PackPoint(10, 20));
    EmulatedDisplay sig(Sigmarion3Profile());
    EXPECT_EQ(sig.LogicalToPen(-3, 17), PackPoint(-3, 17));
    EXPECT_EQ(PointX(PackPoint(-3, 17)), -3);
    EXPECT_EQ(PointY(PackPoint(-3, -17)), -17);
}

}  // namespace
}  // namespace vn

#include "engine/platform/host/Png.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(Png, RoundTripsRgba) {
    RgbaImage image{3, 2, {}};
    for (int i = 0; i < 3 * 2 * 4; ++i) image.rgba.push_back(static_cast<uint8_t>(i * 11));
    auto bytes = EncodePng(image);
    ASSERT_TRUE(bytes);
    auto back = DecodePng(*bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, 3);
    EXPECT_EQ(back->height, 2);
    EXPECT_EQ(back->rgba, image.rgba);
}

TEST(Png, RefusesNonPng) {
    const uint8_t junk[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::string error;
    EXPECT_FALSE(DecodePng(junk, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(EncodePng(RgbaImage{2, 2, {0, 0, 0}}));
}

}  // namespace
}  // namespace vn

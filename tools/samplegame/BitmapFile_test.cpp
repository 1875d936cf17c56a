#include "tools/samplegame/BitmapFile.h"

#include <gtest/gtest.h>

#include "formats/io/RecordFields.h"

namespace vn {
namespace {

Picture Sample() {
    Picture p(3, 2, {10, 20, 30});
    p.Set(0, 0, {255, 0, 0});
    p.Set(2, 1, {0, 0, 255}, 77);
    return p;
}

TEST(BitmapFile, WritesHeadersPaddingAndBottomUpRows) {
    const struct {
        int bits;
        size_t stride;
    } cases[] = {{8, 4}, {16, 8}, {24, 12}, {32, 12}};
    for (const auto& c : cases) {
        const auto b = BitmapFile::Encode(Sample(), c.bits);
        const uint32_t offset = GetU32(&b[10]);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(GetU32(&b[18]), 3u);
        EXPECT_EQ(GetU32(&b[22]), 2u);
        EXPECT_EQ(GetU16(&b[28]), c.bits);
        EXPECT_EQ(offset, c.bits == 8 ? 54u + 1024 : 54u);
        EXPECT_EQ(b.size(), offset + 2 * c.stride) << c.bits;
    }
    const auto b24 = BitmapFile::Encode(Sample(), 24);
    EXPECT_EQ(b24[54 + 12 + 2], 255);  // top-left red is in the second stored row
    const auto b16 = BitmapFile::Encode(Sample(), 16);
    EXPECT_EQ(GetU16(&b16[54 + 8]), 0xF800);
    EXPECT_EQ(GetU16(&b16[54 + 4]), 0x001F);  // bottom-right blue, first stored row
    const auto b32 = BitmapFile::Encode(Sample(), 32);
    EXPECT_EQ(b32[54 + 8 + 3], 77);
}

TEST(BitmapFile, EightBitKeepsExactColoursWhenFewAndDithersWhenMany) {
    const auto b = BitmapFile::Encode(Sample(), 8);
    auto colour = [&](int index) { return GetU32(&b[54 + 4 * index]); };
    const uint8_t topLeft = b[54 + 1024 + 4];
    EXPECT_EQ(colour(topLeft), 0xFF0000u);
    EXPECT_EQ(colour(b[54 + 1024 + 1]), (10u << 16) | (20u << 8) | 30u);

    Picture many(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) many.Set(x, y, {uint8_t(x * 8), uint8_t(y * 8), 128});
    const auto m = BitmapFile::Encode(many, 8);
    // The cube: 6 x 7 x 6 entries, so index 251 is white-ish and 252 unused.
    EXPECT_EQ(GetU32(&m[54 + 4 * 251]), 0xFFFFFFu);
    EXPECT_EQ(GetU32(&m[54 + 4 * 252]), 0u);
}

TEST(BitmapFile, MaskIsAlphaBottomUpWithoutPadding) {
    const auto mask = BitmapFile::EncodeMask(Sample());
    EXPECT_EQ(mask, (std::vector<uint8_t>{255, 255, 77, 255, 255, 255}));
}

}  // namespace
}  // namespace vn

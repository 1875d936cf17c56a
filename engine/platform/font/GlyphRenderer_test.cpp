#include "engine/platform/font/GlyphRenderer.h"

#include <gtest/gtest.h>

#include <vector>

namespace vn {
namespace {

int Lit(const std::vector<uint8_t>& cell) {
    int n = 0;
    for (size_t i = 0; i < cell.size(); i += 3) {
        EXPECT_TRUE(cell[i] == 0 || cell[i] == 0xFF) << "anti-aliased pixel";
        n += cell[i] == 0xFF;
    }
    return n;
}

TEST(GlyphRenderer, DefaultFaceIsAJapaneseFont) {
    EXPECT_FALSE(GlyphRenderer::ResolveFace("\xef\xbc\xad\xef\xbc\xb3 \xe3\x82\xb4\xe3\x82\xb7\xe3\x83\x83\xe3\x82\xaf").empty());
    EXPECT_EQ(GlyphRenderer::ResolveFace("No Such Face 123"), GlyphRenderer::ResolveFace(""));
}

TEST(GlyphRenderer, MonochromeGlyphsInsideTheCell) {
    GlyphRenderer r;
    std::vector<uint8_t> cell(64 * 64 * 3, 0x55);
    ASSERT_TRUE(r.Draw("", 24, "\xe3\x81\x82", cell.data(), 64, 64));  // あ
    const int kana = Lit(cell);
    EXPECT_GT(kana, 30);
    ASSERT_TRUE(r.Draw("", 24, " ", cell.data(), 64, 64));
    EXPECT_EQ(Lit(cell), 0);  // cleared to black, nothing drawn
    ASSERT_TRUE(r.Draw("", 12, "A", cell.data(), 64, 64));
    const int small = Lit(cell);
    ASSERT_TRUE(r.Draw("", 48, "A", cell.data(), 64, 64));
    EXPECT_GT(Lit(cell), small * 3);
    // Nothing outside the first 12 x 12 pixels at size 12 ... beyond the glyph's width.
    ASSERT_TRUE(r.Draw("", 12, "A", cell.data(), 64, 64));
    for (int y = 16; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) EXPECT_EQ(cell[(y * 64 + x) * 3], 0);
    }
}

}  // namespace
}  // namespace vn

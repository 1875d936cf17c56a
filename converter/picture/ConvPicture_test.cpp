#include "converter/picture/ConvPicture.h"

#include <gtest/gtest.h>

#include <vector>

#include "converter/picture/PictureFixtures.h"

namespace vn {
namespace {

using Mode = ConvPicture::ScaleMode;
using Fill = PixelFill;

ConvPicture Make(int w, int h, int bits, const Fill& fill) { return MakePicture(w, h, bits, fill); }

std::vector<int> Px(const ConvPicture& p, int x, int y) {
    std::vector<int> c;
    for (int i = 0; i < p.Bits() / 8; ++i) c.push_back(p.At(x, y)[i]);
    return c;
}

TEST(ConvPicture, MakesPaddedBottomUpRows) {
    ConvPicture p(3, 2, 24);
    EXPECT_EQ(p.Picture().Stride(), 12);
    p.At(0, 0)[0] = 7;  // the top row is stored last
    EXPECT_EQ(p.Picture().Pixels()[12], 7);
    EXPECT_TRUE(ConvPicture(0, 2, 24).Empty());
    EXPECT_TRUE(ConvPicture(2, 2, 16).Empty());
}

TEST(ConvPicture, ReadsBitmapFilesAndKeepsTheirBitCount) {
    const auto p = ConvPicture::FromBitmap(BmpFile(3, 2, 16, [](int x, int y) {
        return std::vector<int>{x == 0 && y == 0 ? 0xF800 : 0xFFFF};
    }));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Bits(), 24);
    EXPECT_EQ(p->FileBitCount(), 16);
    EXPECT_EQ(p->SourceWidth(), 3);
    EXPECT_EQ(Px(*p, 0, 0), (std::vector<int>{0, 0, 248}));
    EXPECT_EQ(Px(*p, 2, 1), (std::vector<int>{248, 252, 248}));
    std::vector<uint8_t> cut = BmpFile(3, 2, 24, Solid({1, 2, 3}));
    cut.pop_back();
    std::string error;
    EXPECT_FALSE(ConvPicture::FromBitmap(cut, &error));
    EXPECT_FALSE(error.empty());
}

TEST(ConvPicture, HalvesA640By480PictureInto2By2Means) {
    ConvPicture p = Make(640, 480, 24, [](int x, int y) {
        return std::vector<int>{x % 256, y % 256, (x + y) % 7};
    });
    ASSERT_TRUE(p.Scale(50, Mode::AllPixels));
    ASSERT_EQ(p.Width(), 320);
    ASSERT_EQ(p.Height(), 240);
    EXPECT_EQ(p.SourceWidth(), 640);
    EXPECT_EQ(p.SourceHeight(), 480);
    // (x, y) averages columns 2x, 2x+1 and rows 2y, 2y+1.
    EXPECT_EQ(Px(p, 0, 0), (std::vector<int>{0, 0, 1}));    // red 0,1,1,2
    EXPECT_EQ(Px(p, 10, 3), (std::vector<int>{20, 6, 4}));  // blue 20,21 ; red 5,6,6,0 → 17/4
    EXPECT_EQ(Px(p, 319, 239), (std::vector<int>{126, 222, 4}));  // red 3,4,4,5
}

TEST(ConvPicture, Overlaps3PixelBoxesAt641PixelsWide) {
    ConvPicture p = Make(641, 2, 24, [](int x, int) { return std::vector<int>{x % 200, 0, 0}; });
    ASSERT_TRUE(p.Scale(50, Mode::AllPixels));
    ASSERT_EQ(p.Width(), 320);
    ASSERT_EQ(p.Height(), 1);
    // Step 2051/1024: box of pixel 1 starts at column 2 and covers 2..4,
    // overlapping pixel 0's box 0..2 by one column; pixel 319 covers 638..640.
    EXPECT_EQ(Px(p, 0, 0)[0], 1);
    EXPECT_EQ(Px(p, 1, 0)[0], 3);
    EXPECT_EQ(Px(p, 319, 0)[0], 39);
}

TEST(ConvPicture, ScalesTinyPicturesToAtLeastOnePixel) {
    ConvPicture p = Make(3, 1, 24, [](int x, int) { return std::vector<int>{x * 30, 0, 0}; });
    ASSERT_TRUE(p.Scale(50, Mode::AllPixels));
    EXPECT_EQ(p.Width(), 1);  // 50 × 3 / 100, box of three pixels
    EXPECT_EQ(Px(p, 0, 0)[0], 30);
    ConvPicture q(1, 1, 24);
    ASSERT_TRUE(q.Scale(50, Mode::AllPixels));
    EXPECT_EQ(q.Width(), 1);
    EXPECT_EQ(q.Height(), 1);
}

TEST(ConvPicture, ScalesOverOpaqueOrAllPixels) {
    const Fill fill = [](int x, int y) {
        if (x == 1 && y == 1) return std::vector<int>{200, 200, 200, 0};
        return std::vector<int>{10 * (x + 2 * y + 1), 0, 0, 255};
    };
    ConvPicture all = Make(2, 2, 32, fill);
    ASSERT_TRUE(all.Scale(50, Mode::AllPixels));
    EXPECT_EQ(Px(all, 0, 0), (std::vector<int>{(10 + 20 + 30 + 200) / 4, 50, 50, 765 / 4}));
    ConvPicture opaque = Make(2, 2, 32, fill);
    ASSERT_TRUE(opaque.Scale(50, Mode::OpaquePixels));
    EXPECT_EQ(Px(opaque, 0, 0), (std::vector<int>{20, 0, 0, 255}));
    ConvPicture clear = Make(2, 2, 32, [](int, int) { return std::vector<int>{90, 90, 90, 0}; });
    ASSERT_TRUE(clear.Scale(50, Mode::OpaquePixels));
    EXPECT_EQ(Px(clear, 0, 0), (std::vector<int>{0, 0, 0, 0}));
}

TEST(ConvPicture, ScaleAt100PercentKeepsThePicture) {
    ConvPicture p = Make(5, 3, 24, [](int x, int y) { return std::vector<int>{x, y, 9}; });
    ASSERT_TRUE(p.Scale(100, Mode::AllPixels));
    EXPECT_EQ(p.Width(), 5);
    EXPECT_EQ(Px(p, 4, 2), (std::vector<int>{4, 2, 9}));
    ConvPicture none;
    EXPECT_FALSE(none.Scale(50, Mode::AllPixels));
}

TEST(ConvPicture, KeysNearBlackAndFeathersInVisitingOrder) {
    // Row: black, a dark pixel that is not near black, a grey.
    const int colours[3][3] = {{0, 0, 0}, {2, 0, 0}, {90, 90, 90}};
    ConvPicture p = Make(3, 1, 24, [&](int x, int) {
        return std::vector<int>{colours[x][0], colours[x][1], colours[x][2]};
    });
    ASSERT_TRUE(p.KeyNearBlack());
    ASSERT_EQ(p.Bits(), 32);
    // Pixel 1 drops to (2+0+0)/3 = 0 and so feathers pixel 2 to 90.
    EXPECT_EQ(p.At(0, 0)[3], 0);
    EXPECT_EQ(p.At(1, 0)[3], 0);
    EXPECT_EQ(p.At(2, 0)[3], 90);
}

TEST(ConvPicture, FeathersTheWholeNeighbourhoodOnly) {
    ConvPicture p = Make(4, 4, 24, [](int x, int y) {
        if (x == 1 && y == 1) return std::vector<int>{1, 1, 1};
        return std::vector<int>{30 * x, 30 * y, 60};
    });
    ASSERT_TRUE(p.KeyNearBlack());
    EXPECT_EQ(p.At(1, 1)[3], 0);
    EXPECT_EQ(p.At(0, 0)[3], 20);  // (0 + 0 + 60) / 3
    EXPECT_EQ(p.At(2, 2)[3], (60 + 60 + 60) / 3);
    EXPECT_EQ(p.At(2, 0)[3], (60 + 0 + 60) / 3);
    EXPECT_EQ(p.At(3, 3)[3], 255);  // outside the 3 × 3 neighbourhood
    EXPECT_EQ(p.At(3, 1)[3], 255);
}

TEST(ConvPicture, KeysPureBlack) {
    ConvPicture p = Make(2, 1, 24, [](int x, int) { return std::vector<int>{x, 0, 0}; });
    ASSERT_TRUE(p.KeyBlack());
    EXPECT_EQ(p.At(0, 0)[3], 0);
    EXPECT_EQ(p.At(1, 0)[3], 255);
    ConvPicture none;
    EXPECT_FALSE(none.KeyBlack());
}

TEST(ConvPicture, TakesAlphaFromABottomUpMask) {
    ConvPicture p = Make(2, 2, 24, [](int x, int y) { return std::vector<int>{x, y, 5}; });
    const std::vector<uint8_t> wrong(3, 1);
    EXPECT_FALSE(p.AlphaFromMask(wrong));
    EXPECT_EQ(p.Bits(), 24);
    const std::vector<uint8_t> mask = {10, 20, 30, 40};  // bottom row first
    ASSERT_TRUE(p.AlphaFromMask(mask));
    EXPECT_EQ(Px(p, 0, 1), (std::vector<int>{0, 1, 5, 10}));
    EXPECT_EQ(Px(p, 1, 1)[3], 20);
    EXPECT_EQ(Px(p, 0, 0)[3], 30);
    EXPECT_EQ(Px(p, 1, 0)[3], 40);
}

TEST(ConvPicture, TurnsMagentaIntoHalfTransparentBlue) {
    ConvPicture p = Make(2, 1, 32, [](int x, int) {
        return x == 0 ? std::vector<int>{255, 0, 255, 255} : std::vector<int>{255, 1, 255, 255};
    });
    ASSERT_TRUE(p.ColorToAlpha({255, 0, 255}, 128, {255, 0, 0}));
    EXPECT_EQ(Px(p, 0, 0), (std::vector<int>{255, 0, 0, 128}));
    EXPECT_EQ(Px(p, 1, 0), (std::vector<int>{255, 1, 255, 255}));
    ConvPicture rgb(1, 1, 24);
    EXPECT_FALSE(rgb.ColorToAlpha({0, 0, 0}, 1, {0, 0, 0}));
}

TEST(ConvPicture, BlendsOntoTheBaseAndClipsAtItsEdges) {
    const ConvPicture base = Make(4, 3, 24, [](int, int) {
        return std::vector<int>{100, 100, 100};
    });
    const int alphas[3] = {128, 0, 255};
    // A 3 × 2 picture at (2, 2): only its top row's first two pixels land.
    ConvPicture p = Make(3, 2, 32, [&](int x, int) {
        return std::vector<int>{200, 0, 20, alphas[x]};
    });
    p.SetSourceSize(999, 999);
    ASSERT_TRUE(p.BlendOnto(base, 2, 2));
    EXPECT_EQ(p.Width(), 4);
    EXPECT_EQ(p.Height(), 3);
    EXPECT_EQ(p.Bits(), 24);
    EXPECT_EQ(p.SourceWidth(), 4);
    EXPECT_EQ(p.SourceHeight(), 3);
    // (200·128 + 100·128) >> 8 = 150, (0 + 100·128) >> 8 = 50, (20·128 + 100·128) >> 8 = 60
    EXPECT_EQ(Px(p, 2, 2), (std::vector<int>{150, 50, 60}));
    EXPECT_EQ(Px(p, 3, 2), (std::vector<int>{100, 100, 100}));  // alpha 0
    EXPECT_EQ(Px(p, 1, 1), (std::vector<int>{100, 100, 100}));

    ConvPicture q = Make(3, 2, 32, [&](int x, int) {
        return std::vector<int>{200, 0, 20, alphas[x]};
    });
    ASSERT_TRUE(q.BlendOnto(base, -2, -1));  // only column 2 of its bottom row lands, at (0, 0)
    EXPECT_EQ(Px(q, 0, 0), (std::vector<int>{200, 0, 20}));
    EXPECT_EQ(Px(q, 1, 0), (std::vector<int>{100, 100, 100}));
}

TEST(ConvPicture, PastesNonBlackPixelsAndClips) {
    ConvPicture base = Make(3, 3, 24, [](int, int) { return std::vector<int>{7, 7, 7}; });
    const ConvPicture overlay = Make(2, 2, 24, [](int x, int y) {
        return x == 0 && y == 0 ? std::vector<int>{0, 0, 0} : std::vector<int>{x, y, 50};
    });
    ASSERT_TRUE(base.PasteOnto(overlay, 2, 1));
    EXPECT_EQ(Px(base, 2, 1), (std::vector<int>{7, 7, 7}));  // black overlay pixel
    EXPECT_EQ(Px(base, 2, 2), (std::vector<int>{0, 1, 50}));
    EXPECT_EQ(Px(base, 1, 2), (std::vector<int>{7, 7, 7}));
    for (int far : {INT32_MIN, INT32_MAX}) {
        ASSERT_TRUE(base.PasteOnto(overlay, far, far));
        ConvPicture q = Make(2, 2, 32, Solid({1, 1, 1, 255}));
        ASSERT_TRUE(q.BlendOnto(base, far, far));
        EXPECT_EQ(Px(q, 2, 2), (std::vector<int>{0, 1, 50}));  // nothing drawn
    }
    ASSERT_TRUE(base.PasteOnto(overlay, -1, -1));
    EXPECT_EQ(Px(base, 0, 0), (std::vector<int>{1, 1, 50}));
    EXPECT_EQ(base.Width(), 3);
}

TEST(ConvPicture, PadsOddFramesWithATransparentColumn) {
    const Fill fill = [](int x, int y) { return std::vector<int>{x % 45, x / 45, y, 255}; };
    ConvPicture odd = Make(4 * 45, 2, 32, fill);
    ASSERT_TRUE(odd.PadFrames());
    ASSERT_EQ(odd.Width(), 4 * 46);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(Px(odd, j * 46, 1), (std::vector<int>{0, j, 1, 255})) << j;
        EXPECT_EQ(Px(odd, j * 46 + 44, 0), (std::vector<int>{44, j, 0, 255})) << j;
        EXPECT_EQ(Px(odd, j * 46 + 45, 0), (std::vector<int>{0, 0, 0, 0})) << j;
    }
    ConvPicture even = Make(4 * 44, 2, 32, fill);
    ASSERT_TRUE(even.PadFrames());
    EXPECT_EQ(even.Width(), 4 * 44);
    EXPECT_EQ(Px(even, 100, 1), (std::vector<int>{100 % 45, 2, 1, 255}));
}

TEST(ConvPicture, SharesFrameZerosAlpha) {
    ConvPicture p = Make(8, 1, 32, [](int x, int) {
        return std::vector<int>{x, 0, 0, x < 2 ? 10 * x : 99};
    });
    ASSERT_TRUE(p.ShareFrameAlpha());
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(Px(p, 2 * j, 0), (std::vector<int>{2 * j, 0, 0, 0}));
        EXPECT_EQ(Px(p, 2 * j + 1, 0), (std::vector<int>{2 * j + 1, 0, 0, 10}));
    }
}

}  // namespace
}  // namespace vn

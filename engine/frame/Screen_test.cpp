#include "engine/frame/Screen.h"

#include <gtest/gtest.h>

#include "engine/platform/headless/HeadlessPlatform.h"

namespace vn {
namespace {

class CountingPlatform : public HeadlessPlatform {
public:
    explicit CountingPlatform(const BuildProfile& p) : HeadlessPlatform(p, "\\nowhere\\", {}) {}
    uint8_t* BeginDraw() override {
        ++beginDraws;
        return HeadlessPlatform::BeginDraw();
    }
    void PresentRect(const Rect& r) override { rects.push_back(r); }
    int beginDraws = 0;
    std::vector<Rect> rects;
};

struct Rig {
    explicit Rig(const BuildProfile& profile) : platform(profile) {
        platform.OpenDisplay();
        screen.Init(profile.logicalWidth, profile.logicalHeight);
        screen.properties = platform.GetDisplayProperties();
    }
    void Set(int x, int y, uint8_t b, uint8_t g, uint8_t r) {
        uint8_t* p = &screen.backBuffer[(static_cast<size_t>(y) * screen.logicalWidth + x) * 3];
        p[0] = b, p[1] = g, p[2] = r;
    }
    // The frame buffer's bytes from its lowest address.
    uint16_t Raw(size_t pixelIndex) {
        const DisplayProperties d = screen.properties;
        uint8_t* origin = platform.BeginDraw();
        // The bitmap build's origin is its last pixel.
        uint8_t* base = d.xPitch < 0 ? origin - (static_cast<size_t>(d.width) * d.height - 1) * 2 : origin;
        return static_cast<uint16_t>(base[pixelIndex * 2] | (base[pixelIndex * 2 + 1] << 8));
    }
    CountingPlatform platform;
    Screen screen;
};

TEST(Screen, To565) { EXPECT_EQ(Screen::To565(0xFF, 0x80, 0x10), 0x141F); }

TEST(Screen, Sigmarion3LogicalPixelShowsAtTheSameWindowPixel) {
    Rig rig(Sigmarion3Profile());
    const int points[][2] = {{0, 0}, {319, 0}, {0, 239}, {319, 239}, {17, 101}};
    for (const auto& pt : points) rig.Set(pt[0], pt[1], 0xFF, 0, 0);
    PresentWhole(rig.platform, rig.screen);
    for (const auto& pt : points) {
        // Window pixel (x, y) of the bottom-up bitmap is row 239 - y.
        EXPECT_EQ(rig.Raw(static_cast<size_t>(239 - pt[1]) * 320 + pt[0]), 0x001F) << pt[0] << "," << pt[1];
    }
    EXPECT_EQ(rig.Raw(static_cast<size_t>(239 - 1) * 320 + 1), 0);
}

TEST(Screen, PocketPcCornersOfThePortraitFrameBuffer) {
    Rig rig(PocketPcProfile());
    rig.Set(0, 0, 0, 0, 0xFF);
    rig.Set(639, 479, 0, 0xFF, 0);
    PresentWhole(rig.platform, rig.screen);
    EXPECT_EQ(rig.Raw(639 * 480 + 0), 0xF800);  // frame-buffer (0, 639)
    EXPECT_EQ(rig.Raw(0 * 480 + 479), 0x07E0);  // frame-buffer (479, 0)
}

TEST(Screen, EmptyDirtyListPresentsNothing) {
    Rig rig(Sigmarion3Profile());
    rig.Set(5, 5, 0xFF, 0xFF, 0xFF);
    PresentFrame(rig.platform, rig.screen, {}, {});
    EXPECT_EQ(rig.platform.beginDraws, 0);
    EXPECT_EQ(rig.platform.Display().LogicalPixel(5, 5), 0);
}

TEST(Screen, DirtyRectanglesOnly) {
    Rig rig(Sigmarion3Profile());
    rig.Set(5, 5, 0xFF, 0xFF, 0xFF);
    rig.Set(50, 50, 0xFF, 0xFF, 0xFF);
    PresentFrame(rig.platform, rig.screen, {{0, 0, 10, 10}}, {});
    EXPECT_EQ(rig.platform.beginDraws, 1);
    EXPECT_EQ(rig.platform.Display().LogicalPixel(5, 5), 0xFFFF);
    EXPECT_EQ(rig.platform.Display().LogicalPixel(50, 50), 0);
    ASSERT_EQ(rig.platform.rects.size(), 1u);
    EXPECT_EQ(rig.platform.rects[0], (Rect{0, 0, 10, 10}));
}

TEST(Screen, ShakeShiftsTheWholeScreen) {
    const struct {
        Point shake;
        Point from, to;
    } cases[] = {
        {{3, 0}, {10, 10}, {13, 10}},
        {{-3, 0}, {10, 10}, {7, 10}},
        {{0, 2}, {10, 10}, {10, 12}},
        {{-1, -2}, {10, 10}, {9, 8}},
    };
    for (const auto& c : cases) {
        Rig rig(PocketPcProfile());
        rig.Set(c.from.x, c.from.y, 0xFF, 0xFF, 0xFF);
        PresentFrame(rig.platform, rig.screen, {}, c.shake);
        EXPECT_EQ(rig.platform.Display().LogicalPixel(c.to.x, c.to.y), 0xFFFF) << c.shake.x << "," << c.shake.y;
        EXPECT_EQ(rig.platform.Display().LogicalPixel(c.from.x, c.from.y), 0);
    }
}

TEST(Screen, RectanglesOutsideTheScreenAreClipped) {
    Rig rig(Sigmarion3Profile());
    rig.Set(0, 0, 0xFF, 0xFF, 0xFF);
    PresentFrame(rig.platform, rig.screen, {{-50, -50, 1000, 1000}, {400, 0, 500, 10}}, {});
    EXPECT_EQ(rig.platform.Display().LogicalPixel(0, 0), 0xFFFF);
}

}  // namespace
}  // namespace vn

#include "engine/frame/SystemText.h"

#include <gtest/gtest.h>

#include "engine/platform/headless/HeadlessPlatform.h"

namespace vn {
namespace {

struct Rig {
    Rig() : platform(PocketPcProfile(), "\\nowhere\\", {}) {
        platform.OpenDisplay();
        screen.Init(640, 480);
        screen.properties = platform.GetDisplayProperties();
    }
    HeadlessPlatform platform;
    Screen screen;
};

TEST(SystemText, CanvasInFrameBufferOrientation) {
    Rig rig;
    SystemText text(rig.platform, rig.screen);
    std::vector<uint8_t> canvas(640 * 480 * 3, 0);
    text.Draw(canvas.data(), "AB", 10, 5, 0x0000FF, 16);
    EXPECT_EQ(text.size, 16);
    int lit = 0, second = 0;
    for (size_t k = 0; k < 640 * 480; ++k) {
        const uint8_t* p = &canvas[k * 3];
        if (p[0] == 0 && p[1] == 0 && p[2] == 0) continue;
        ++lit;
        const int y = static_cast<int>(k % 480), x = 639 - static_cast<int>(k / 480);
        EXPECT_EQ(p[2], 0xFF);  // red, as 0x00BBGGRR says
        EXPECT_EQ(p[0], 0);
        EXPECT_GE(x, 10);
        EXPECT_LT(x, 10 + 16);  // two half-width cells
        EXPECT_GE(y, 5);
        EXPECT_LT(y, 5 + 16);
        second += x >= 18;
    }
    EXPECT_GT(lit, 20);
    EXPECT_GT(second, 5);  // "B" went into the second cell
}

TEST(SystemText, StraightIntoTheFrameBufferClippedAtTheEdge) {
    Rig rig;
    SystemText text(rig.platform, rig.screen);
    text.Draw(nullptr, "\x82\xa0", 600, 450, 0xFFFFFF, 100);  // あ, size capped at the cell
    EXPECT_EQ(text.size, SystemText::kCell);
    int lit = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (rig.platform.Display().LogicalPixel(x, y) == 0) continue;
            ++lit;
            EXPECT_EQ(rig.platform.Display().LogicalPixel(x, y), 0xFFFF);
            EXPECT_GE(x, 600);
            EXPECT_GE(y, 450);
        }
    }
    EXPECT_GT(lit, 0);
}

}  // namespace
}  // namespace vn

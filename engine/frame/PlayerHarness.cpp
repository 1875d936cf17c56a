#include "engine/frame/PlayerHarness.h"

#include <cstdio>

namespace vn {
namespace {

// Blue, green, red, as the back buffer holds them.
constexpr uint8_t kBars[8][3] = {
    {255, 255, 255}, {0, 255, 255}, {255, 255, 0}, {0, 255, 0},
    {255, 0, 255}, {0, 0, 255}, {255, 0, 0}, {0, 0, 0},
};

}  // namespace

void PlayerHarness::DrawTestPattern(Screen& screen) {
    const int w = screen.logicalWidth, h = screen.logicalHeight;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &screen.backBuffer[(static_cast<size_t>(y) * w + x) * 3];
            const uint8_t* bar = kBars[x * 8 / w];
            const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1 || x * h == y * w;
            // The lower quarter is a grey ramp, so scaling and 5-6-5 show.
            const uint8_t ramp = static_cast<uint8_t>(x * 255 / (w - 1));
            for (int c = 0; c < 3; ++c) p[c] = edge ? 255 : (y >= h * 3 / 4 ? ramp : bar[c]);
        }
    }
}

void PlayerHarness::Attach() {
    if (options_.testPattern) {
        DrawTestPattern(game_.screen);
        game_.dirtyList.push_back({0, 0, game_.screen.logicalWidth, game_.screen.logicalHeight});
    }
    game_.afterFrame = [this] { AfterFrame(); };
}

void PlayerHarness::AfterFrame() {
    const uint32_t frame = game_.frame;
    Platform& platform = game_.platform;
    for (const FrameFile& shot : options_.shots) {
        if (shot.frame == frame && !platform.SaveScreenshot(shot.path)) {
            std::fprintf(stderr, "%s: cannot write %s\n", game_.profile.executable, shot.path.c_str());
            failed_ = true;
        }
    }
    for (const FrameFile& dump : options_.dumps) {
        if (dump.frame == frame && !platform.WriteHostFile(dump.path, game_.DumpState())) {
            std::fprintf(stderr, "%s: cannot write %s\n", game_.profile.executable, dump.path.c_str());
            failed_ = true;
        }
    }
    if (options_.frames && *options_.frames == frame) game_.RequestClose();
}

bool PlayerHarness::AtExit() {
    if (options_.dumpState.empty()) return true;
    if (game_.platform.WriteHostFile(options_.dumpState, game_.DumpState())) return true;
    std::fprintf(stderr, "%s: cannot write %s\n", game_.profile.executable, options_.dumpState.c_str());
    return false;
}

}  // namespace vn

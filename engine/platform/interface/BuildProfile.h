#pragma once
// What tells the two player builds apart: sizes, titles, display kind and
// the platform's default keys. One row per build in BuildProfile.cpp.

#include <array>
#include <cstdint>

namespace vn {

enum class DisplayKind {
    Bitmap,       // a 16-bit bitmap posing as a portrait frame buffer (sigmarion3)
    RawPortrait,  // a 480 x 640 portrait 5-6-5 frame buffer (Pocket PC)
};

enum class PenKind {
    Client,        // pen positions are logical client coordinates
    HalfPortrait,  // half-resolution portrait coordinates
};

struct BuildProfile {
    const char* executable;  // "player-sigmarion3"
    const char* className;   // "MYSYSTEM"
    const char* title;       // the window title that identifies a running player
    int logicalWidth;
    int logicalHeight;
    DisplayKind display;
    PenKind pen;
    // The platform's default key list: up, down, left, right, A, B, C, start.
    std::array<uint16_t, 8> defaultKeys;
    bool sleepAfterFrame;
};

const BuildProfile& Sigmarion3Profile();
const BuildProfile& PocketPcProfile();

}  // namespace vn

#pragma once
// Per-key press counts, the cursor-mode latches and the pen, as the window
// procedure fills them and every frame's latch step settles them.

#include <cstdint>

namespace vn {

class JsonWriter;

// The ten logical keys, in the order of the key map.
enum LogicalKey { KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_START,
                  kLogicalKeyCount };

struct InputState {
    // Key-down messages (auto-repeats included) since the key was released
    // or consumed; consumers test for exactly 1 and reset to 0.
    int32_t countUp = 0, countDown = 0, countLeft = 0, countRight = 0, countStart = 0;
    int32_t countC = 0, countA = 0, countB = 0, countD = 0, countE = 0;
    int32_t latchUp = 0, latchDown = 0, latchLeft = 0, latchRight = 0, latchStart = 0;
    int32_t penX = 0, penY = 0;
    int32_t tapped = 0;        // the pen went down since the previous frame
    int32_t penDownEvent = 0;  // set by pen-down, moved into tapped by the latch
    int32_t penHeld = 0;
    int32_t released = 0;      // the pen came up since the previous frame
    int32_t penUpEvent = 0;

    int32_t& Count(LogicalKey key);
    int32_t Count(LogicalKey key) const { return const_cast<InputState*>(this)->Count(key); }
    void ClearDirectionsAndLatches(bool withStart);

    void PenDown(int x, int y);
    void PenMove(int x, int y);
    void PenUp();

    // The per-frame step before any mode logic. skipping is the message
    // window's skip switch, which the skip lock turns on and off.
    void Latch(bool menuOpen, bool lockSkip, bool& skipping);

    void Dump(JsonWriter& json) const;
};

}  // namespace vn

#pragma once
// The system text renderer of the menu and the movie: Shift-JIS text drawn
// without anti-aliasing into a 24-bit canvas laid out in the frame buffer's
// orientation, or straight into the frame buffer.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/frame/Screen.h"
#include "engine/platform/interface/Platform.h"

namespace vn {

class SystemText {
public:
    static constexpr int kCell = 64;

    SystemText(Platform& platform, const Screen& screen);

    // colour is 0x00BBGGRR; a size above 0 that differs from the current
    // one changes the font height (at most the cell's 64 pixels).
    void Draw(uint8_t* canvas, const char* text, int x, int y, uint32_t colour, int size);

    DisplayProperties properties;
    std::string face;  // Shift-JIS
    int size = 12;

private:
    void Plot(uint8_t* canvas, uint8_t* frameBuffer, int x, int y, uint32_t colour) const;

    Platform& platform_;
    int width_, height_;
    std::vector<uint8_t> cell_;
};

}  // namespace vn

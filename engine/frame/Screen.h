#pragma once
// The logical screen: display properties, the 24-bit back buffer (blue,
// green, red; rows top to bottom) and the glyph work bitmap; Present turns
// back-buffer pixels into the frame buffer's rotated 5-6-5 pixels.

#include <cstdint>
#include <vector>

#include "engine/platform/interface/Platform.h"

namespace vn {

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

class Screen {
public:
    void Init(int width, int height);

    // Converts rect (logical, exclusive right and bottom; the whole screen
    // when null) taking pixels from source; the parts that would fall
    // outside the screen or the back buffer are left out.
    void Present(uint8_t* frameBuffer, const Rect* rect, Point source) const;

    DisplayProperties properties;
    std::vector<uint8_t> backBuffer;
    int logicalWidth = 0;
    int logicalHeight = 0;
    int bitsPerPixel = 24;
    int glyphSize = 0;  // the glyph work bitmap is glyphSize x glyphSize, 24-bit
    std::vector<uint8_t> glyphBitmap;

    static constexpr uint16_t To565(uint8_t b, uint8_t g, uint8_t r) {
        return static_cast<uint16_t>((b >> 3) | ((g >> 2) << 5) | ((r >> 3) << 11));
    }
};

// The per-frame presentation: the dirty rectangles, or with a shake offset
// the whole screen shifted. Nothing at all (not even BeginDraw) for an empty
// list without shake.
void PresentFrame(Platform& platform, const Screen& screen, const std::vector<Rect>& dirty, Point shake);
// The paint message: the whole back buffer, no rectangle.
void PresentWhole(Platform& platform, const Screen& screen);

}  // namespace vn

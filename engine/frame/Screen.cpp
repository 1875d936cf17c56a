#include "engine/frame/Screen.h"

#include <algorithm>

namespace vn {

void Screen::Init(int width, int height) {
    logicalWidth = width;
    logicalHeight = height;
    backBuffer.assign(static_cast<size_t>(width) * height * 3, 0);
    glyphSize = (width * 64 / 640) * 4;
    glyphBitmap.assign(static_cast<size_t>(glyphSize) * glyphSize * 3, 0);
}

void Screen::Present(uint8_t* frameBuffer, const Rect* rect, Point source) const {
    const int W = logicalWidth, H = logicalHeight;
    Rect r = rect != nullptr ? *rect : Rect{0, 0, W, H};
    Point s = rect != nullptr ? source : Point{};
    // Clip against the screen and the back buffer together.
    if (r.left < 0) s.x -= r.left, r.left = 0;
    if (r.top < 0) s.y -= r.top, r.top = 0;
    if (s.x < 0) r.left -= s.x, s.x = 0;
    if (s.y < 0) r.top -= s.y, s.y = 0;
    const int width = std::min(std::min(r.right, W) - r.left, W - s.x);
    const int height = std::min(std::min(r.bottom, H) - r.top, H - s.y);
    if (frameBuffer == nullptr || width <= 0 || height <= 0 || backBuffer.empty()) return;
    const int32_t xPitch = properties.xPitch, yPitch = properties.yPitch;
    uint8_t* rowDest = frameBuffer + int64_t{r.top} * xPitch + int64_t{W - 1 - r.left} * yPitch;
    const uint8_t* rowSrc = backBuffer.data() + (static_cast<size_t>(s.y) * W + s.x) * 3;
    for (int y = 0; y < height; ++y) {
        uint8_t* d = rowDest;
        const uint8_t* p = rowSrc;
        for (int x = 0; x < width; ++x) {
            const uint16_t v = To565(p[0], p[1], p[2]);
            d[0] = static_cast<uint8_t>(v);
            d[1] = static_cast<uint8_t>(v >> 8);
            d -= yPitch;
            p += 3;
        }
        rowDest += xPitch;
        rowSrc += static_cast<size_t>(W) * 3;
    }
}

void PresentFrame(Platform& platform, const Screen& screen, const std::vector<Rect>& dirty, Point shake) {
    const bool still = shake == Point{};
    if (still && dirty.empty()) return;
    const std::vector<Rect> whole{{0, 0, screen.logicalWidth, screen.logicalHeight}};
    const std::vector<Rect>& rects = still ? dirty : whole;
    uint8_t* frameBuffer = platform.BeginDraw();
    for (Rect dest : rects) {
        Point source{dest.left, dest.top};
        // Strips uncovered by the shift keep the frame buffer's old content.
        if (shake.x > 0) dest.left += shake.x;
        if (shake.x < 0) source.x -= shake.x, dest.right += shake.x;
        if (shake.y > 0) dest.top += shake.y;
        if (shake.y < 0) source.y -= shake.y, dest.bottom += shake.y;
        screen.Present(frameBuffer, &dest, source);
        platform.PresentRect(dest);
    }
    platform.EndDraw();
}

void PresentWhole(Platform& platform, const Screen& screen) {
    uint8_t* frameBuffer = platform.BeginDraw();
    screen.Present(frameBuffer, nullptr, {});
    platform.EndDraw();
}

}  // namespace vn

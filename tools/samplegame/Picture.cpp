#include "tools/samplegame/Picture.h"

#include <algorithm>

namespace vn {

Picture::Picture(int width, int height, Rgb fill, uint8_t alpha)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height * 4) {
    FillRect(0, 0, width, height, fill, alpha);
}

void Picture::Set(int x, int y, Rgb c, uint8_t alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* p = At(x, y);
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
    p[3] = alpha;
}

void Picture::Blend(int x, int y, Rgb c, int coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
    uint8_t* p = At(x, y);
    const Rgb old{p[2], p[1], p[0]};
    const Rgb mixed = Mix(old, c, coverage >= 255 ? 256 : coverage);
    p[0] = mixed.b;
    p[1] = mixed.g;
    p[2] = mixed.r;
    p[3] = std::max<int>(p[3], coverage);
}

void Picture::FillRect(int x, int y, int w, int h, Rgb c, uint8_t alpha) {
    for (int yy = std::max(0, y); yy < std::min(height_, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(width_, x + w); ++xx) Set(xx, yy, c, alpha);
}

void Picture::VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom) {
    for (int yy = 0; yy < h; ++yy) FillRect(x, y + yy, w, 1, Mix(top, bottom, yy * 256 / std::max(1, h)));
}

void Picture::Ellipse(int cx, int cy, int rx, int ry, Rgb c, uint8_t alpha) {
    if (rx <= 0 || ry <= 0) return;
    for (int y = -ry; y <= ry; ++y) {
        for (int x = -rx; x <= rx; ++x) {
            // Integer test keeps the drawing identical on every machine.
            const int64_t d = int64_t{x} * x * ry * ry + int64_t{y} * y * rx * rx;
            if (d <= int64_t{rx} * rx * ry * ry) Set(cx + x, cy + y, c, alpha);
        }
    }
}

void Picture::Frame(int x, int y, int w, int h, int t, Rgb c) {
    FillRect(x, y, w, t, c);
    FillRect(x, y + h - t, w, t, c);
    FillRect(x, y, t, h, c);
    FillRect(x + w - t, y, t, h, c);
}

void Picture::Paste(const Picture& from, int x, int y) {
    for (int yy = 0; yy < from.Height(); ++yy) {
        for (int xx = 0; xx < from.Width(); ++xx) {
            const uint8_t* s = from.At(xx, yy);
            Set(x + xx, y + yy, {s[2], s[1], s[0]}, s[3]);
        }
    }
}

}  // namespace vn

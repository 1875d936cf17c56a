#pragma once
// A picture being drawn for the sample game: blue, green, red, alpha bytes,
// rows from the top, with the few drawing operations the generators need.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vn {

struct Rgb {
    uint8_t r, g, b;
};

constexpr Rgb Mix(Rgb a, Rgb b, int t256) {
    return {static_cast<uint8_t>((a.r * (256 - t256) + b.r * t256) >> 8),
            static_cast<uint8_t>((a.g * (256 - t256) + b.g * t256) >> 8),
            static_cast<uint8_t>((a.b * (256 - t256) + b.b * t256) >> 8)};
}

class Picture {
public:
    Picture(int width, int height, Rgb fill = {0, 0, 0}, uint8_t alpha = 255);

    int Width() const { return width_; }
    int Height() const { return height_; }
    uint8_t* At(int x, int y) { return &pixels_[(static_cast<size_t>(y) * width_ + x) * 4]; }
    const uint8_t* At(int x, int y) const {
        return &pixels_[(static_cast<size_t>(y) * width_ + x) * 4];
    }

    // All operations clip to the picture.
    void Set(int x, int y, Rgb c, uint8_t alpha = 255);
    void Blend(int x, int y, Rgb c, int coverage);  // coverage 0-255 over the pixel
    void FillRect(int x, int y, int w, int h, Rgb c, uint8_t alpha = 255);
    void VerticalGradient(int x, int y, int w, int h, Rgb top, Rgb bottom);
    void Ellipse(int cx, int cy, int rx, int ry, Rgb c, uint8_t alpha = 255);
    void Frame(int x, int y, int w, int h, int thickness, Rgb c);
    void Paste(const Picture& from, int x, int y);

private:
    int width_, height_;
    std::vector<uint8_t> pixels_;
};

}  // namespace vn

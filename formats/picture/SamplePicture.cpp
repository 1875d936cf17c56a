#include "formats/picture/SamplePicture.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace vn {

Bitmap MakeSamplePicture(int width, int height, int bitCount, uint32_t seed) {
    Bitmap b = *Bitmap::Create(width, height, bitCount);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-6, 6);
    const double cx = width * 0.35, cy = height * 0.4, r = std::min(width, height) * 0.3;
    for (int y = 0; y < height; ++y) {
        uint8_t* row = b.RowFromTop(y);
        for (int x = 0; x < width; ++x) {
            const double d = std::hypot(x - cx, y - cy) / r;
            const double disc = d < 1 ? (1 - d * d) : 0;
            const double wave = 0.5 + 0.5 * std::sin(x * 0.07 + y * 0.03);
            const int blue = static_cast<int>(40 + 150 * y / height + 60 * disc);
            const int green = static_cast<int>(30 + 120 * wave + 80 * disc);
            const int red = static_cast<int>(200 * x / width + 50 * (1 - wave));
            uint8_t* px = row + x * b.BytesPerPixel();
            px[0] = static_cast<uint8_t>(std::clamp(blue + noise(random), 0, 255));
            px[1] = static_cast<uint8_t>(std::clamp(green + noise(random), 0, 255));
            px[2] = static_cast<uint8_t>(std::clamp(red + noise(random), 0, 255));
            if (bitCount == 32)
                px[3] = static_cast<uint8_t>(std::clamp((x * 2 - width / 2) * 255 / width, 0, 255));
        }
    }
    return b;
}

}  // namespace vn

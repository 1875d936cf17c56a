#pragma once
// The converter's RBP writers.

#include <cstdint>
#include <optional>
#include <vector>

#include "formats/picture/Bitmap.h"

namespace vn {

// Quality index as the converter's dialog numbers it: 0 best (plain RGB565),
// 1 JPEG quality 100, 2 quality 90, 3 quality 80.
constexpr int JbpQualityOf(int qualityIndex) {
    return qualityIndex == 1 ? 100 : qualityIndex == 3 ? 80 : 90;
}

// A complete RBP file: type 30 or 31 (24- or 32-bit) for a quality index
// other than 0 when the picture is at least 32 × 32, else type 13 or 1.
// When jpeg is given and the JBP form was written, it receives the JPEG the
// stream was made from. nullopt only when the JBP encoder fails.
std::optional<std::vector<uint8_t>> RbpFromPicture(const Bitmap& picture, int qualityIndex,
                                                   int placementX, int placementY,
                                                   std::vector<uint8_t>* jpeg = nullptr);

// A type 9 file: one mask byte per pixel, the picture's blue byte.
std::vector<uint8_t> RbpMaskFromPicture(const Bitmap& picture);

}  // namespace vn

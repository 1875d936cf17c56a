#pragma once
// Windows bitmaps and mask files in the forms the PC game's archives hold:
// 8-bit with a palette, 16-bit RGB565, 24-bit and 32-bit, rows bottom-up and
// padded to four bytes; a mask is one alpha byte per pixel, bottom-up,
// unpadded.

#include <cstdint>
#include <vector>

#include "tools/samplegame/Picture.h"

namespace vn {

class BitmapFile {
public:
    // bits is 8, 16, 24 or 32. An 8-bit picture keeps its exact colours when
    // it has at most 256, otherwise the nearest of a fixed 6 x 7 x 6 cube.
    static std::vector<uint8_t> Encode(const Picture& picture, int bits);
    static std::vector<uint8_t> EncodeMask(const Picture& picture);
};

}  // namespace vn

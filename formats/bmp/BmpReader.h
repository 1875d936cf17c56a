#pragma once
// Reads Windows bitmap files (8-bit with palette, 16-bit RGB565, 24- and
// 32-bit, uncompressed) into a Bitmap of 24 or 32 bits. Every field is
// checked against the bytes: a header, palette or pixel area that does not
// fit, a zero or oversized dimension or an unsupported encoding is refused.

#include <optional>
#include <span>
#include <string>

#include "formats/picture/Bitmap.h"

namespace vn {

struct BmpPicture {
    Bitmap bitmap;     // 8- and 16-bit files widened to 24-bit
    int fileBitCount;  // 8, 16, 24 or 32 as stored in the file
};

// nullopt, with a one-line reason in error when given, for bad input.
std::optional<BmpPicture> ReadBmp(std::span<const uint8_t> bytes, std::string* error = nullptr);

}  // namespace vn

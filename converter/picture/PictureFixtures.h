#pragma once
// Small pictures made by code, for the picture conversion tests.

#include <cstdint>
#include <functional>
#include <vector>

#include "converter/picture/ConvPicture.h"

namespace vn {

// The channels of pixel (x, y from the top): blue, green, red[, alpha] for
// 24 and 32 bits, one RGB565 value for 16 bits.
using PixelFill = std::function<std::vector<int>(int x, int y)>;

// A Windows bitmap file of 16, 24 or 32 bits, bottom-up with padded rows.
std::vector<uint8_t> BmpFile(int width, int height, int bits, const PixelFill& fill);

// A ConvPicture of 24 or 32 bits filled the same way.
ConvPicture MakePicture(int width, int height, int bits, const PixelFill& fill);

// One colour everywhere.
PixelFill Solid(std::vector<int> channels);

}  // namespace vn

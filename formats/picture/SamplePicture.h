#pragma once
// Photo-like pictures made by code, for tests and benchmarks: smooth
// gradients, a few soft discs and fine noise, reproducible from a seed.

#include <cstdint>

#include "formats/picture/Bitmap.h"

namespace vn {

// bitCount 24 or 32; a 32-bit picture gets an alpha ramp with fully
// transparent and fully opaque areas.
Bitmap MakeSamplePicture(int width, int height, int bitCount, uint32_t seed);

}  // namespace vn

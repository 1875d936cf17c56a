#pragma once
// The JPEG side of the JBP encoder, over libjpeg-turbo: a baseline YCbCr
// 4:2:0 JPEG of a picture, and the tables and quantised coefficients read
// back from such a JPEG.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "formats/jbp/JbpLayout.h"
#include "formats/picture/Bitmap.h"

namespace vn {

// The picture's blue, green and red (alpha dropped) at the JPEG quality.
std::optional<std::vector<uint8_t>> EncodeJpeg(const Bitmap& picture, int quality);

// nullopt for anything but a three-component 4:2:0 YCbCr JPEG of at most
// 65535 × 65535 pixels.
std::optional<JbpCoefficients> ReadJpegCoefficients(std::span<const uint8_t> jpeg);

}  // namespace vn

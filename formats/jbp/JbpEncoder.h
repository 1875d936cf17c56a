#pragma once
// The JBP encoder: the picture as a baseline 4:2:0 JPEG at the quality,
// re-coded from that JPEG's tables and coefficients.

#include <cstdint>
#include <optional>
#include <vector>

#include "formats/picture/Bitmap.h"

namespace vn {

// A complete JBP stream of the picture's blue, green and red, or nullopt.
// When jpeg is given it receives the JPEG the stream was made from.
std::optional<std::vector<uint8_t>> JbpEncode(const Bitmap& picture, int quality,
                                              std::vector<uint8_t>* jpeg = nullptr);

}  // namespace vn

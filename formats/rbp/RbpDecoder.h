#pragma once
// The player's RBP decoder: types 1, 13, 30 and 31 into 32-bit pixels
// (blue, green, red, alpha bytes, rows from the top). Every read is bounded
// by the file's bytes; a header whose sizes, data offset or colour size do
// not fit them, and the mask type 9 or any unknown type, are refused.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/jbp/JbpDecoder.h"
#include "formats/rbp/RbpLayout.h"

namespace vn {

struct RbpPicture {
    int width = 0;
    int height = 0;
    int sourceWidth = 0;
    int sourceHeight = 0;
    int placementX = 0;
    int placementY = 0;
    std::vector<uint8_t> pixels;  // width * height * 4
};

// The header, or nullopt when the bytes are shorter than one.
std::optional<RbpHeader> ReadRbpHeader(std::span<const uint8_t> rbp);

// tint: 0 for none, else 0x00RRGGBB; each pixel becomes its grey level
// scaled by the tint's components. jbp decodes types 30 and 31.
bool RbpDecode(std::span<const uint8_t> rbp, uint32_t tint, RbpPicture& out, JbpDecoder& jbp,
               std::string* error = nullptr);
bool RbpDecode(std::span<const uint8_t> rbp, uint32_t tint, RbpPicture& out,
               std::string* error = nullptr);

}  // namespace vn

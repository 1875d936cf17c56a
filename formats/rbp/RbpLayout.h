#pragma once
// Byte layout of an RBP picture file: a 36-byte header, then the payload of
// its type, rows from top to bottom without padding.

#include <cstdint>

#include "formats/io/RecordFields.h"

namespace vn {

constexpr uint32_t kRbpHeaderSize = 36;
constexpr uint32_t kRbpTypeRgb565Alpha = 1;
constexpr uint32_t kRbpTypeMask = 9;
constexpr uint32_t kRbpTypeRgb565 = 13;
constexpr uint32_t kRbpTypeJbp = 30;
constexpr uint32_t kRbpTypeJbpAlpha = 31;
constexpr uint8_t kRbpVersionPlain = '5';
constexpr uint8_t kRbpVersionJbp = '7';
constexpr uint8_t kRbpVersionWideAlpha = '1';  // type 1 alpha is widened by × 4 + 3

struct RbpHeader {
    uint8_t magic[3] = {'R', 'B', 'P'};
    uint8_t version = kRbpVersionPlain;
    uint32_t type = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t dataOffset = kRbpHeaderSize;
    uint16_t sourceWidth = 0;  // the four 16-bit fields are signed
    uint16_t sourceHeight = 0;
    uint16_t placementX = 0;
    uint16_t placementY = 0;
    uint32_t colourSize = 0;
};

template <class F>
void Describe(F& f, RbpHeader& h) {
    f.Bytes(0, h.magic, 3);
    f.U8(3, h.version);
    f.U32(4, h.type);
    f.U32(8, h.width);
    f.U32(12, h.height);
    f.U32(16, h.dataOffset);
    f.U16(20, h.sourceWidth);
    f.U16(22, h.sourceHeight);
    f.U16(24, h.placementX);
    f.U16(26, h.placementY);
    f.U32(28, h.colourSize);
}

// RGB565: red in bits 11-15, green in 5-10, blue in 0-4.
constexpr uint16_t PackRgb565(uint8_t blue, uint8_t green, uint8_t red) {
    return static_cast<uint16_t>((red >> 3) << 11 | (green >> 2) << 5 | (blue >> 3));
}

}  // namespace vn

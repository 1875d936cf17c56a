#pragma once
// Byte layout of a Windows bitmap: a 14-byte file header, then an
// information header of at least 40 bytes.

#include <cstdint>

#include "formats/io/RecordFields.h"

namespace vn {

constexpr uint32_t kBmpFileHeaderSize = 14;
constexpr uint32_t kBmpInfoHeaderSize = 40;
constexpr uint32_t kBmpHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;
constexpr uint32_t kBmpCompressionNone = 0;
constexpr uint32_t kBmpCompressionBitFields = 3;

struct BmpFileHeader {
    uint16_t magic = 0x4D42;  // "BM"
    uint32_t fileSize = 0;
    uint32_t reserved = 0;
    uint32_t pixelOffset = 0;
};

template <class F>
void Describe(F& f, BmpFileHeader& h) {
    f.U16(0, h.magic);
    f.U32(2, h.fileSize);
    f.U32(6, h.reserved);
    f.U32(10, h.pixelOffset);
}

struct BmpInfoHeader {
    uint32_t headerSize = kBmpInfoHeaderSize;
    int32_t width = 0;
    int32_t height = 0;  // negative: rows stored top down
    uint16_t planes = 1;
    uint16_t bitCount = 0;
    uint32_t compression = kBmpCompressionNone;
    uint32_t imageSize = 0;
    int32_t xPixelsPerMetre = 0;
    int32_t yPixelsPerMetre = 0;
    uint32_t coloursUsed = 0;
    uint32_t coloursImportant = 0;
};

template <class F>
void Describe(F& f, BmpInfoHeader& h) {
    f.U32(0, h.headerSize);
    f.I32(4, h.width);
    f.I32(8, h.height);
    f.U16(12, h.planes);
    f.U16(14, h.bitCount);
    f.U32(16, h.compression);
    f.U32(20, h.imageSize);
    f.I32(24, h.xPixelsPerMetre);
    f.I32(28, h.yPixelsPerMetre);
    f.U32(32, h.coloursUsed);
    f.U32(36, h.coloursImportant);
}

// Bytes of one stored row: padded to a multiple of 4.
constexpr uint64_t BmpStride(uint64_t width, uint32_t bitCount) {
    return (width * bitCount / 8 + 3) / 4 * 4;
}

}  // namespace vn

#pragma once
// Byte layout of a JBP colour stream: a 44-byte header, 16 DC category
// counts, the run-length coded 256 AC symbol counts (padded to 4 bytes), the
// two quantisation tables when flagged, then the DC and AC bit streams.

#include <array>
#include <cstdint>
#include <vector>

#include "formats/io/RecordFields.h"

namespace vn {

constexpr uint32_t kJbpHeaderSize = 44;
constexpr uint32_t kJbpFlagQuantTables = 0x08000000;
constexpr uint32_t kJbpFlagsWritten = 0x08000001;
constexpr int kJbpDcSymbols = 16;
constexpr int kJbpAcSymbols = 256;
constexpr int kJbpBlocksPerMacroblock = 6;

struct JbpHeader {
    uint8_t magic[4] = {'J', 'B', 'P', '1'};
    uint32_t tableOffset = kJbpHeaderSize;
    uint32_t flags = kJbpFlagsWritten;
    uint32_t quality = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint32_t bitsPerPixel = 24;
    uint32_t dcLength = 0;
    uint32_t acLength = 0;
};

template <class F>
void Describe(F& f, JbpHeader& h) {
    f.Bytes(0, h.magic, 4);
    f.U32(4, h.tableOffset);
    f.U32(8, h.flags);
    f.U32(12, h.quality);
    f.U16(16, h.width);
    f.U16(18, h.height);
    f.U32(20, h.bitsPerPixel);
    f.U32(28, h.dcLength);
    f.U32(32, h.acLength);
}

// kJbpZigZag[k] is the natural (row-major) index of zig-zag position k.
constexpr std::array<uint8_t, 64> kJbpZigZag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

constexpr int JbpPadded(int size) { return (size + 15) / 16 * 16; }
constexpr int64_t JbpBlockCount(int width, int height) {
    return int64_t{JbpPadded(width) / 16} * (JbpPadded(height) / 16) * kJbpBlocksPerMacroblock;
}

// What a JBP stream carries: the quantisation tables and every block's
// quantised coefficients, in natural order, blocks in macroblock order (four
// luminance blocks, then C1 = Cb, then C2 = Cr).
struct JbpCoefficients {
    int width = 0;
    int height = 0;
    int quality = 0;
    std::array<std::array<uint8_t, 64>, 2> quant{};  // luminance, chrominance
    std::vector<int16_t> blocks;                     // JbpBlockCount * 64
};

}  // namespace vn

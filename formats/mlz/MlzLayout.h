#pragma once
// Byte layout of an .mlz archive: a 16-byte header, N directory records of
// 84 bytes, then the entries' stored bytes back to back.

#include <cstdint>

#include "formats/io/RecordFields.h"

namespace vn {

constexpr uint32_t kMlzHeaderSize = 16;
constexpr uint32_t kMlzEntrySize = 84;
constexpr uint32_t kMlzNameSize = 64;  // at most 63 bytes of text
constexpr uint32_t kMlzMethodStored = 0;
constexpr uint32_t kMlzMethodLzss = 1;

struct MlzHeader {
    uint8_t magic[4] = {'R', 'L', 'Z', '2'};
    uint32_t entryCount = 0;
    uint32_t totalSize = 0;
};

template <class F>
void Describe(F& f, MlzHeader& h) {
    f.Bytes(0, h.magic, 4);
    f.U32(4, h.entryCount);
    f.U32(8, h.totalSize);
}

struct MlzEntry {
    char name[kMlzNameSize + 1] = {};
    uint32_t storedSize = 0;
    uint32_t expandedSize = 0;
    uint32_t method = 0;
    uint32_t dataOffset = 0;  // from the start of the data area
};

template <class F>
void Describe(F& f, MlzEntry& e) {
    f.Text(0, e.name, kMlzNameSize);
    f.U32(64, e.storedSize);
    f.U32(68, e.expandedSize);
    f.U32(72, e.method);
    f.U32(76, e.dataOffset);
}

constexpr uint64_t MlzDataStart(uint32_t entryCount) {
    return kMlzHeaderSize + uint64_t{kMlzEntrySize} * entryCount;
}

}  // namespace vn

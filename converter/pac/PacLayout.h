#pragma once
// Byte layout of the PC game's .pac archives: a 12-byte header, N directory
// records of 76 bytes, and the entries' stored bytes at absolute offsets.

#include <cstdint>

#include "formats/io/RecordFields.h"

namespace vn {

constexpr uint32_t kPacHeaderSize = 12;
constexpr uint32_t kPacEntrySize = 76;
constexpr uint32_t kPacNameSize = 64;  // at most 63 bytes of text
constexpr uint32_t kPacMethodStored = 0;
constexpr uint32_t kPacMethodLzss = 1;
constexpr uint32_t kPacMethodHuffman = 2;  // any value above 1 reads as Huffman

// Largest expanded entry the reader accepts: far above any picture or
// sound of the game, low enough that a lying size cannot exhaust memory.
constexpr uint32_t kPacMaxExpandedSize = 256u << 20;

struct PacHeader {
    uint32_t reserved = 0;  // not interpreted
    uint32_t entryCount = 0;
    uint32_t method = 0;
};

template <class F>
void Describe(F& f, PacHeader& h) {
    f.U32(0, h.reserved);
    f.U32(4, h.entryCount);
    f.U32(8, h.method);
}

struct PacEntry {
    char name[kPacNameSize + 1] = {};
    uint32_t offset = 0;  // absolute, from the start of the file
    uint32_t expandedSize = 0;
    uint32_t storedSize = 0;
};

template <class F>
void Describe(F& f, PacEntry& e) {
    f.Text(0, e.name, kPacNameSize);
    f.U32(64, e.offset);
    f.U32(68, e.expandedSize);
    f.U32(72, e.storedSize);
}

constexpr uint64_t PacDirectorySize(uint32_t entryCount) {
    return kPacHeaderSize + uint64_t{kPacEntrySize} * entryCount;
}

}  // namespace vn

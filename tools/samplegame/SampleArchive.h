#pragma once
// The contents of one PC archive of the sample game: its file name, the
// compression method of its entries (0 stored, 1 LZSS, 2 tree Huffman) and
// the entries as (Shift-JIS name, bytes).

#include <cstdint>
#include <string>
#include <vector>

namespace vn {

struct SampleEntry {
    std::string name;  // Shift-JIS
    std::vector<uint8_t> bytes;
};

struct SampleArchive {
    std::string fileName;  // "BG.pac"
    uint32_t method = 0;
    std::vector<SampleEntry> entries;

    // Adds an entry under a UTF-8 name.
    void Add(const std::string& utf8Name, std::vector<uint8_t> bytes);
    const SampleEntry* Find(const std::string& utf8Name) const;
};

}  // namespace vn

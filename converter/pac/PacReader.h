#pragma once
// Reads the PC game's .pac archives through a FileSystem: the directory in
// one bounded read, each entry in one more, decoded by the archive's method.

#include <optional>
#include <string>
#include <vector>

#include "converter/pac/PacLayout.h"
#include "formats/io/FileSystem.h"

namespace vn {

struct PacDirectory {
    PacHeader header;
    std::vector<PacEntry> entries;
};

// The header and directory; nullopt when the file does not exist (error left
// empty) or its directory does not fit in it (error says why).
std::optional<PacDirectory> PacOpen(FileSystem& files, const char* path,
                                    std::string* error = nullptr);

// The entry's decoded bytes, exactly its expanded size; nullopt with a reason
// when its stored bytes lie outside the file or do not decode.
std::optional<std::vector<uint8_t>> PacReadEntry(FileSystem& files, const char* path,
                                                 const PacEntry& entry, uint32_t method,
                                                 std::string* error = nullptr);

// The first record whose name equals name as NameEquals compares, or null.
const PacEntry* PacFind(const PacDirectory& directory, const char* name);

// Decodes stored bytes by method (0 stored, 1 LZSS, anything else Huffman).
std::optional<std::vector<uint8_t>> PacDecode(std::span<const uint8_t> stored,
                                              uint32_t expandedSize, uint32_t method,
                                              std::string* error = nullptr);

}  // namespace vn

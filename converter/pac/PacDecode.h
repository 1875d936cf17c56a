#pragma once
// The two decoders of PAC entries. Both read only the stored bytes, write at
// most the expanded size plus 256 spare bytes, and refuse a stream that would
// need more of either; the result holds exactly the expanded size.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vn {

constexpr uint32_t kPacSpareBytes = 256;  // room for a last match past the end

// LZSS with a 4096-byte window that starts as zeros, writing from 0xFEE.
std::optional<std::vector<uint8_t>> PacLzssExpand(std::span<const uint8_t> source,
                                                  uint32_t expandedSize,
                                                  std::string* error = nullptr);

// A tree Huffman code, bits most significant first: the tree in pre-order
// (1 = inner node, 0 = leaf followed by its 8-bit value), then the codes.
std::optional<std::vector<uint8_t>> PacHuffmanExpand(std::span<const uint8_t> source,
                                                     uint32_t expandedSize,
                                                     std::string* error = nullptr);

}  // namespace vn

#pragma once
// Encoders for the two PAC methods, for tests and the sample game: each
// output decodes with PacLzssExpand / PacHuffmanExpand to the input.

#include <cstdint>
#include <span>
#include <vector>

namespace vn {

// Greedy LZSS over a 4096-byte window with hash chains.
std::vector<uint8_t> PacLzssCompress(std::span<const uint8_t> source);

// A Huffman tree built from the byte counts (a single leaf when the input
// has one distinct byte or none), then the codes, padded with zero bits.
std::vector<uint8_t> PacHuffmanCompress(std::span<const uint8_t> source);

}  // namespace vn

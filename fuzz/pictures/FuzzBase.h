#pragma once
// Valid files for the fuzz targets to damage: random input seldom gets past
// a header's checks, damaged valid input reaches the bit streams.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vn {

const std::vector<uint8_t>& ValidJbpStream();  // 40 × 24, random sparse blocks
const std::vector<uint8_t>& ValidRbpFile();    // type 31 around that stream
const std::vector<uint8_t>& ValidBmpFile();    // 8-bit 5 × 3 with a 16-colour palette

// Input byte 0 even: the input itself. Odd: bytes 1-2 give an offset, the
// rest is XORed into base from there.
std::vector<uint8_t> FuzzInput(const uint8_t* data, size_t size, const std::vector<uint8_t>& base);

}  // namespace vn

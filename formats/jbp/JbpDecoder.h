#pragma once
// The JBP decoder: a JBP stream into RGB565 over the picture's padded area
// (width and height rounded up to 16). Every count, length and bit read is
// bounded by the stream; bad input is refused with a reason. One object holds
// the decoder's trees and the quantisation tables of the last
// stream that carried them (movie frames may leave them out).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/jbp/JbpLayout.h"
#include "formats/jbp/JbpTree.h"

namespace vn {

class JbpDecoder {
  public:
    // The header alone, checked for size and magic. Pictures whose padded
    // area exceeds 64 Mpixel are refused by the decoder.
    static std::optional<JbpHeader> ReadHeader(std::span<const uint8_t> stream);

    // Pixels of the padded area, rows JbpPadded(width) apart. out, when not
    // empty, must hold at least that many values.
    std::optional<std::vector<uint16_t>> JbpDecode(std::span<const uint8_t> stream);
    bool JbpDecode(std::span<const uint8_t> stream, std::span<uint16_t> out);

    // The stream's tables and quantised coefficients, without the transform.
    std::optional<JbpCoefficients> DecodeCoefficients(std::span<const uint8_t> stream);

    // Of the last stream read.
    const JbpHeader& Header() const { return header_; }
    const std::array<uint32_t, kJbpDcSymbols>& DcCounts() const { return dcCounts_; }
    const std::array<uint32_t, kJbpAcSymbols>& AcCounts() const { return acCounts_; }
    const std::string& LastError() const { return error_; }

  private:
    struct Streams;
    class BitReader;
    struct Lookup {
        uint16_t node;
        uint8_t length;
    };

    bool Fail(const char* message);
    bool Prepare(std::span<const uint8_t> stream, Streams& s);
    bool ReadCounts(std::span<const uint8_t> stream, Streams& s);
    bool DecodeDc(const Streams& s);
    bool DecodePixels(const Streams& s, std::span<uint16_t> out);
    template <class Put>
    bool DecodeAc(BitReader& bits, Put put);
    void BuildLookup(const JbpTree& tree, std::vector<Lookup>& lookup);
    int DecodeSymbol(BitReader& bits, const JbpTree& tree, const std::vector<Lookup>& lookup);
    static void ColourMacroblock(int32_t blocks[6][64], uint16_t* out, int stride);

    JbpHeader header_;
    std::array<uint32_t, kJbpDcSymbols> dcCounts_{};
    std::array<uint32_t, kJbpAcSymbols> acCounts_{};
    std::array<std::array<uint8_t, 64>, 2> quant_{};
    bool hasQuant_ = false;
    JbpTree dcTree_, acTree_;
    std::vector<Lookup> dcLookup_, acLookup_;
    std::vector<int16_t> dc_;
    std::string error_;
};

}  // namespace vn

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "formats/mlz/LzssCompressor.h"
#include "formats/mlz/LzssExpander.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Expand(const Bytes& stream, size_t size, LzssResult expected = LzssResult::Ok) {
    Bytes out(size, 0xEE);
    LzssExpander expander;
    EXPECT_EQ(expander.Expand(out, stream), expected);
    return out;
}

TEST(LzssExpand, LiteralsThenMatchOverlappingItsOwnOutput) {
    // 'A' lands at 2031; a match from 2031 of 5 repeats it.
    const Bytes stream = {0x01, 'A', 0xEF, 0x70 | 3};
    EXPECT_EQ(Expand(stream, 6), Bytes(6, 'A'));
}

TEST(LzssExpand, FirstItemsMayCopyTheZeroWindow) {
    const Bytes stream = {0x02, 0x00, 0x0F, 'z'};  // 17 zeros from position 0, then 'z'
    Bytes expected(17, 0);
    expected.push_back('z');
    EXPECT_EQ(Expand(stream, 18), expected);
}

TEST(LzssExpand, MatchAcrossTheWindowEndWraps) {
    // 17 literals fill 2031..2047; a match at 2046 of 4 reads 2046, 2047, 0, 1.
    Bytes stream;
    Bytes expected;
    for (int group = 0; group < 3; ++group) {
        stream.push_back(group < 2 ? 0xFF : 0x01);
        for (int i = 0; i < (group < 2 ? 8 : 1); ++i) {
            const uint8_t c = static_cast<uint8_t>('a' + expected.size());
            stream.push_back(c);
            expected.push_back(c);
        }
    }
    // The match writes from position 0 on, so its reads of 0 and 1 see the
    // bytes it has just copied there from 2046 and 2047.
    stream.push_back(0xFE);  // second item of the last group (flag bit 1 clear)
    stream.push_back(0x70 | 2);
    const uint8_t p = expected[15], q = expected[16];
    for (uint8_t c : {p, q, p, q}) expected.push_back(c);
    EXPECT_EQ(Expand(stream, expected.size()), expected);
}

TEST(LzssExpand, RefusesStreamsThatDoNotFitTheSize) {
    const Bytes stream = {0x01, 'A', 0xEF, 0x70 | 3};
    Expand(stream, 5, LzssResult::Overrun);     // the match would pass the end
    Expand(stream, 0, LzssResult::Overrun);     // even a literal does
    Expand(stream, 7, LzssResult::ShortData);   // one byte never produced
    Expand({0x00, 0xEF}, 2, LzssResult::ShortData);  // match cut in half
    Expand({}, 0, LzssResult::Ok);
}

TEST(LzssCompress, EmptyInputHasNoStream) {
    LzssCompressor compressor;
    EXPECT_FALSE(compressor.Compress({}).has_value());
}

TEST(LzssCompress, ExactBytesOfSmallInputs) {
    // Worked by hand: the first 'a' has no match; the rest matches the
    // position it was written to (2031 = 0x7EF).
    LzssCompressor compressor;
    EXPECT_EQ(compressor.Compress(Bytes{'a', 'a', 'a', 'a'}), (Bytes{0x01, 'a', 0xEF, 0x71}));
    // Leading zeros match the zero window, at the last string inserted (2014 = 0x7DE).
    EXPECT_EQ(compressor.Compress(Bytes(5, 0)), (Bytes{0x00, 0xDE, 0x73}));
    EXPECT_EQ(compressor.Compress(Bytes{'x'}), (Bytes{0x01, 'x'}));
}

Bytes Sample(const std::string& kind, size_t size, std::mt19937& rng) {
    Bytes b(size);
    for (size_t i = 0; i < size; ++i) {
        if (kind == "random") {
            b[i] = static_cast<uint8_t>(rng());
        } else if (kind == "zeros") {
            b[i] = 0;
        } else if (kind == "text") {
            static const char words[] = "\x81\x75\x82\xA0 hello \x95\x5C script\n";
            b[i] = static_cast<uint8_t>(words[(i * 7 + rng() % 3) % (sizeof words - 1)]);
        } else if (kind == "picture") {
            b[i] = static_cast<uint8_t>((i % 3) * 40 + (i / 1920) + (rng() % 4));
        } else {  // runs
            b[i] = static_cast<uint8_t>((i / (1 + rng() % 40)) & 3);
        }
    }
    return b;
}

TEST(Lzss, RoundTripsManySizesAndKinds) {
    std::mt19937 rng(1234);
    LzssCompressor compressor;
    LzssExpander expander;
    for (const std::string kind : {"random", "zeros", "text", "picture", "runs"}) {
        for (size_t size : {1u, 2u, 16u, 17u, 18u, 255u, 2047u, 2048u, 2049u, 5000u, 70001u}) {
            const Bytes source = Sample(kind, size, rng);
            auto packed = compressor.Compress(source);
            ASSERT_TRUE(packed.has_value());
            // The worst case is one flag byte per eight literals.
            EXPECT_LE(packed->size(), size + (size + 7) / 8);
            Bytes out(size);
            ASSERT_EQ(expander.Expand(out, *packed), LzssResult::Ok) << kind << " " << size;
            EXPECT_EQ(out, source) << kind << " " << size;
        }
    }
}

TEST(Lzss, ZerosCompressWell) {
    LzssCompressor compressor;
    auto packed = compressor.Compress(Bytes(100000, 0));
    ASSERT_TRUE(packed.has_value());
    EXPECT_LT(packed->size(), 100000u / 7);
}

}  // namespace
}  // namespace vn

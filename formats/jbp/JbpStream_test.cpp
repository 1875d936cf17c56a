#include <gtest/gtest.h>

#include <random>

#include "formats/jbp/JbpDecoder.h"
#include "formats/jbp/JbpTree.h"
#include "formats/jbp/JbpWriter.h"

namespace vn {
namespace {

JbpCoefficients Blank(int width, int height) {
    JbpCoefficients c;
    c.width = width;
    c.height = height;
    c.quality = 90;
    for (auto& t : c.quant) t.fill(1);
    c.blocks.assign(JbpBlockCount(width, height) * 64, 0);
    return c;
}

// Sets zig-zag position k of block b.
void SetZigZag(JbpCoefficients& c, int b, int k, int16_t v) {
    c.blocks[b * 64 + kJbpZigZag[k]] = v;
}

std::vector<uint8_t> Write(const JbpCoefficients& c) {
    auto s = WriteJbpStream(c);
    EXPECT_TRUE(s);
    return s ? *s : std::vector<uint8_t>{};
}

TEST(JbpTree, AllZeroCountsGiveEveryLeafItsBinaryNumber) {
    for (int symbols : {16, 256}) {
        std::vector<uint32_t> counts(symbols, 0);
        JbpTree tree;
        ASSERT_TRUE(tree.Build(counts));
        const auto codes = tree.Codes();
        const int length = symbols == 16 ? 4 : 8;
        for (int s = 0; s < symbols; ++s) {
            ASSERT_EQ(static_cast<int>(codes[s].size()), length);
            int value = 0;
            for (uint8_t bit : codes[s]) value = value * 2 + bit;
            EXPECT_EQ(value, s);
        }
    }
}

// The construction as the format describes it: scan every node for the two
// smallest open values, lowest number first among equals.
std::vector<int> ScanTree(const std::vector<uint32_t>& counts) {
    std::vector<uint32_t> v(counts);
    std::vector<int> children;
    for (;;) {
        int a = -1, b = -1;
        for (int i = 0; i < static_cast<int>(v.size()); ++i)
            if (v[i] < 2099999999u && (a < 0 || v[i] < v[a])) a = i;
        for (int i = 0; i < static_cast<int>(v.size()); ++i)
            if (i != a && v[i] < 2099999999u && (b < 0 || v[i] < v[b])) b = i;
        if (a < 0 || b < 0) break;
        children.push_back(a);
        children.push_back(b);
        v.push_back(v[a] + v[b]);
        v[a] = v[b] = 2100000000u;
    }
    return children;
}

TEST(JbpTree, MatchesTheScanningConstructionWithManyTies) {
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        const int symbols = round % 2 == 0 ? 16 : 256;
        std::vector<uint32_t> counts(symbols);
        const uint32_t range = round % 3 == 0 ? 3 : round % 3 == 1 ? 50 : 100000;
        for (auto& c : counts) c = random() % range;
        JbpTree tree;
        ASSERT_TRUE(tree.Build(counts));
        const auto expected = ScanTree(counts);
        for (int n = symbols; n < tree.Root() + 1; ++n) {
            ASSERT_EQ(tree.Child(n, 0), expected[(n - symbols) * 2]) << round;
            ASSERT_EQ(tree.Child(n, 1), expected[(n - symbols) * 2 + 1]) << round;
        }
        ASSERT_EQ(tree.Root(), symbols + static_cast<int>(expected.size()) / 2 - 1);
    }
}

TEST(JbpTree, RefusesCountsTheConstructionCannotHold) {
    std::vector<uint32_t> counts(16, 0);
    counts[3] = 2099999999;
    JbpTree tree;
    EXPECT_FALSE(tree.Build(counts));
}

TEST(JbpStream, DcDifferenceZeroIsItsCategoryCodeAlone) {
    // Six blocks, all DC 0: the category-0 leaf pairs with the all-zero
    // subtree as child 1 of the root, so each block costs the single bit 1.
    const auto stream = Write(Blank(16, 16));
    const auto h = JbpDecoder::ReadHeader(stream);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->dcLength, 4u);
    EXPECT_EQ(h->flags, 0x08000001u);
    const size_t dcAt = stream.size() - h->dcLength - h->acLength;
    EXPECT_EQ(GetU32(&stream[dcAt]), 0x3Fu);
}

struct AcCase {
    const char* what;
    int position;  // zig-zag position of the one non-zero AC coefficient
    std::vector<std::pair<int, uint32_t>> counts;  // AC symbol, count
};

TEST(JbpStream, AcSymbolsFollowTheRunRules) {
    const std::vector<AcCase> cases = {
        {"coefficient at 63 ends without end of block", 63, {{0xF0 + 15, 2}, {0x21, 1}}},
        {"run of 15", 16, {{0xF0, 1}, {0x01, 1}, {0x00, 1}}},
        {"run of 31", 32, {{0xFF, 1}, {0x11, 1}, {0x00, 1}}},
        {"run of 14", 15, {{0xE1, 1}, {0x00, 1}}},
        {"no run", 1, {{0x01, 1}, {0x00, 1}}},
    };
    for (const AcCase& c : cases) {
        JbpCoefficients in = Blank(16, 16);
        SetZigZag(in, 0, c.position, 1);
        const auto stream = Write(in);
        JbpDecoder decoder;
        auto back = decoder.DecodeCoefficients(stream);
        ASSERT_TRUE(back) << c.what << ": " << decoder.LastError();
        EXPECT_EQ(back->blocks, in.blocks) << c.what;
        std::array<uint32_t, 256> expected{};
        for (auto [symbol, count] : c.counts) expected[symbol] += count;
        expected[0] += 5;  // the five empty blocks
        EXPECT_EQ(decoder.AcCounts(), expected) << c.what;
    }
}

TEST(JbpStream, RandomCoefficientsRoundTripExactly) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(-300, 300), sparse(0, 5);
    JbpCoefficients in = Blank(40, 24);
    for (size_t i = 0; i < in.blocks.size(); ++i)
        in.blocks[i] = static_cast<int16_t>(sparse(random) == 0 ? value(random) : 0);
    in.blocks[5 * 64] = -2047;  // large DC differences
    in.blocks[6 * 64] = 2047;
    in.blocks[7 * 64 + 1] = -32767;  // category 15
    for (int q = 0; q < 64; ++q) in.quant[1][q] = static_cast<uint8_t>(q + 1);
    JbpDecoder decoder;
    auto back = decoder.DecodeCoefficients(Write(in));
    ASSERT_TRUE(back) << decoder.LastError();
    EXPECT_EQ(back->blocks, in.blocks);
    EXPECT_EQ(back->quant, in.quant);
    EXPECT_EQ(back->width, 40);
}

TEST(JbpStream, WriterRefusesValuesBeyondFifteenBits) {
    JbpCoefficients in = Blank(16, 16);
    in.blocks[1] = -32768;
    EXPECT_FALSE(WriteJbpStream(in));
    in = Blank(16, 16);
    in.blocks[0] = 30000;
    in.blocks[64] = -30000;  // difference of 60000
    EXPECT_FALSE(WriteJbpStream(in));
    in = Blank(16, 16);
    in.blocks.pop_back();
    EXPECT_FALSE(WriteJbpStream(in));
}

TEST(JbpDecoder, OutputCoversThePaddedArea) {
    JbpCoefficients in = Blank(33, 33);
    for (size_t b = 0; b < in.blocks.size() / 64; ++b) in.blocks[b * 64] = b % 6 < 4 ? 8 * 40 : 0;
    const auto stream = Write(in);
    JbpDecoder decoder;
    auto pixels = decoder.JbpDecode(stream);
    ASSERT_TRUE(pixels) << decoder.LastError();
    ASSERT_EQ(pixels->size(), 48u * 48u);
    // Y = 320 / 8 = 40, no chroma: grey 168 everywhere.
    const uint16_t grey = static_cast<uint16_t>((168 & 0xF8) << 8 | (168 & 0xFC) << 3 | 168 >> 3);
    for (uint16_t p : *pixels) ASSERT_EQ(p, grey);
    std::vector<uint16_t> small(48 * 47);
    EXPECT_FALSE(decoder.JbpDecode(stream, small));
}

TEST(JbpDecoder, KeepsQuantisationTablesForStreamsWithout) {
    JbpCoefficients in = Blank(16, 16);
    in.blocks[0] = 10;
    in.quant[0].fill(3);
    const auto with = Write(in);
    auto without = with;
    PutU32(&without[8], 0x00000001);  // table flag off
    // Drop the 128 table bytes that sit before the two streams.
    const auto h = *JbpDecoder::ReadHeader(with);
    const size_t streams = h.dcLength + h.acLength;
    without.erase(without.end() - streams - 128, without.end() - streams);

    JbpDecoder fresh;
    EXPECT_FALSE(fresh.JbpDecode(without));
    JbpDecoder movie;
    auto first = movie.JbpDecode(with);
    ASSERT_TRUE(first);
    auto second = movie.JbpDecode(without);
    ASSERT_TRUE(second) << movie.LastError();
    EXPECT_EQ(*first, *second);
}

TEST(JbpDecoder, RefusesStreamsThatDoNotFit) {
    JbpCoefficients in = Blank(32, 16);
    std::mt19937 random(3);
    for (auto& v : in.blocks) v = static_cast<int16_t>(random() % 7) - 3;
    const auto good = Write(in);
    const auto h = *JbpDecoder::ReadHeader(good);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases;
    auto with = [&](const char* what, auto change) {
        auto b = good;
        change(b);
        cases.push_back({what, b});
    };
    with("short header", [](auto& b) { b.resize(40); });
    with("no magic", [](auto& b) { b[0] = 'X'; });
    with("zero width", [](auto& b) { PutU16(&b[16], 0); });
    with("larger picture than the counts", [](auto& b) { PutU16(&b[16], 64); });
    with("table offset beyond", [](auto& b) { PutU32(&b[4], 0x7FFFFFF0); });
    with("DC counts off by one", [](auto& b) { PutU32(&b[44], GetU32(&b[44]) + 1); });
    with("DC length beyond", [&](auto& b) { PutU32(&b[28], h.dcLength + 4); });
    with("AC length not a word multiple", [&](auto& b) { PutU32(&b[32], h.acLength - 1); });
    with("stream cut", [](auto& b) { b.resize(b.size() - 4); });
    with("AC stream ends early", [&](auto& b) {
        PutU32(&b[32], 4);
        b.resize(b.size() - (h.acLength - 4));
    });
    with("AC counts beyond the stream", [](auto& b) { b.resize(44 + 64 + 10); });
    std::vector<uint8_t> cutCounts(good.begin(), good.begin() + 44 + 64);
    cutCounts.push_back(0);
    cases.push_back({"AC counts pair without its length", cutCounts});
    for (const Case& c : cases) {
        JbpDecoder decoder;
        EXPECT_FALSE(decoder.JbpDecode(c.bytes)) << c.what;
    }
    JbpDecoder decoder;
    EXPECT_TRUE(decoder.JbpDecode(good)) << decoder.LastError();
}

}  // namespace
}  // namespace vn

namespace vn {
namespace {

// Pins every pixel the decoder's arithmetic (transform, colour, packing)
// gives for a fixed stream, so no rewrite for speed can change one.
TEST(JbpDecoder, PinnedPixels) {
    JbpCoefficients c;
    c.width = 50;
    c.height = 40;
    c.quality = 90;
    for (int t = 0; t < 2; ++t)
        for (int i = 0; i < 64; ++i) c.quant[t][i] = static_cast<uint8_t>(1 + (i * 7 + t * 3) % 40);
    c.blocks.assign(JbpBlockCount(50, 40) * 64, 0);
    std::mt19937 random(21);
    for (size_t i = 0; i < c.blocks.size(); ++i) {
        const int k = static_cast<int>(i % 64);
        if (k == 0)
            c.blocks[i] = static_cast<int16_t>(static_cast<int>(random() % 200) - 100);
        else if (random() % (k + 2) == 0)
            c.blocks[i] = static_cast<int16_t>(static_cast<int>(random() % 61) - 30);
    }
    JbpDecoder decoder;
    auto pixels = decoder.JbpDecode(*WriteJbpStream(c));
    ASSERT_TRUE(pixels);
    ASSERT_EQ(pixels->size(), 64u * 48u);
    uint64_t hash = 1469598103934665603ull;  // FNV-1a over the 16-bit values
    for (uint16_t v : *pixels) hash = (hash ^ v) * 1099511628211ull;
    EXPECT_EQ(hash, 0x5eec8f1454d3cbf4ull);
}

}  // namespace
}  // namespace vn

#include "converter/pac/PacDecode.h"

#include <gtest/gtest.h>

#include <string>

#include "converter/pac/PacEncode.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

struct LzssCase {
    const char* what;
    Bytes stream;
    uint32_t expandedSize;
    std::optional<Bytes> expected;  // nullopt: refused
};

TEST(PacLzssExpand, WorkedStreams) {
    Bytes manyMatches(1, 0x00);  // one flag byte, eight 18-byte matches
    for (int i = 0; i < 8; ++i) manyMatches.insert(manyMatches.end(), {0x00, 0x0F});
    Bytes tooManyMatches = manyMatches;
    tooManyMatches.insert(tooManyMatches.end(), manyMatches.begin(), manyMatches.end());
    const LzssCase cases[] = {
        {"match from the initial zeros", {0x00, 0x00, 0x02}, 5, Bytes(5, 0)},
        {"literal then a match reading its own output", {0x01 | 0x00, 'A', 0xEE, 0xF0}, 4,
         Text("AAAA")},
        {"literals", {0x07, 'a', 'b', 'c'}, 3, Text("abc")},
        {"last match runs past the expanded size", {0x01, 'x', 0xEE, 0xFF}, 3, Text("xxx")},
        {"144 bytes from the spare room", manyMatches, 1, Bytes(1, 0)},
        {"writes past the spare bytes", tooManyMatches, 1, std::nullopt},
        {"ends before the expanded size", {0x01, 'x'}, 10, std::nullopt},
        {"ends inside a match", {0x00, 0x00}, 3, std::nullopt},
        {"size the stream cannot describe", {0x00, 0x00, 0x0F}, 1u << 20, std::nullopt},
        {"empty stream, empty entry", {}, 0, Bytes{}},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto out = PacLzssExpand(c.stream, c.expandedSize, &error);
        EXPECT_EQ(out, c.expected) << c.what;
        if (!c.expected) {
            EXPECT_FALSE(error.empty()) << c.what;
        }
    }
}

// Bits most significant first, for hand-made Huffman streams.
class Bits {
public:
    Bits& Put(unsigned value, int n) {
        for (int i = n - 1; i >= 0; --i) {
            if (count_ % 8 == 0) bytes.push_back(0);
            if ((value >> i) & 1u) bytes.back() |= static_cast<uint8_t>(0x80u >> (count_ % 8));
            ++count_;
        }
        return *this;
    }
    Bytes bytes;

private:
    size_t count_ = 0;
};

TEST(PacHuffmanExpand, SingleLeafNeedsNoCodeBits) {
    const Bytes stream = Bits().Put(0, 1).Put('A', 8).bytes;
    ASSERT_EQ(stream.size(), 2u);
    EXPECT_EQ(PacHuffmanExpand(stream, 1000), Bytes(1000, 'A'));
}

// 255 inner nodes, each the child 0 of the one before: the most the tables hold.
Bits ChainTree(int innerNodes) {
    Bits bits;
    bits.Put(0xFFFFFFFFu, 0);
    for (int i = 0; i < innerNodes; ++i) bits.Put(1, 1);
    for (int leaf = 0; leaf <= innerNodes; ++leaf) bits.Put(0, 1).Put(leaf, 8);
    return bits;
}

TEST(PacHuffmanExpand, TreeAtTheInnerNodeLimit) {
    // Leaves in pre-order: 0 and 1 hang from the deepest node, then the
    // child 1 of each node upwards; the root's child 1 is the last, 255.
    Bits bits = ChainTree(255);
    bits.Put(0b1, 1).Put(0b1, 1).Put(0b01, 2);  // root's child 1, twice; then leaf 254
    EXPECT_EQ(PacHuffmanExpand(bits.bytes, 3), (Bytes{255, 255, 254}));
}

TEST(PacHuffmanExpand, RefusedStreams) {
    Bits beyond = ChainTree(256);
    beyond.Put(0xFF, 8);
    Bytes truncated = PacHuffmanCompress(Text("abcabcabcabcabcabc"));
    truncated.pop_back();
    const struct {
        const char* what;
        Bytes stream;
        uint32_t size;
    } cases[] = {
        {"256 inner nodes", beyond.bytes, 4},
        {"tree cut short", {0xFF}, 1},
        {"leaf value cut short", {0x40}, 1},
        {"codes end early", truncated, 18},
        {"size beyond eight codes a byte", Bits().Put(1, 1).Put(0, 1).Put('a', 8).Put(0, 1).Put('b', 8).bytes, 100},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_EQ(PacHuffmanExpand(c.stream, c.size, &error), std::nullopt) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

TEST(PacEncoders, RoundTrip) {
    Bytes all(256 * 3);
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<uint8_t>(i * 7);
    Bytes noisy(20000);
    uint32_t x = 1;
    for (auto& b : noisy) b = static_cast<uint8_t>((x = x * 1103515245u + 12345u) >> 27);
    const Bytes inputs[] = {{}, Text("a"), Bytes(5000, 0), Text("abracadabra abracadabra"), all, noisy};
    for (const Bytes& in : inputs) {
        const uint32_t n = static_cast<uint32_t>(in.size());
        EXPECT_EQ(PacLzssExpand(PacLzssCompress(in), n), in) << n;
        EXPECT_EQ(PacHuffmanExpand(PacHuffmanCompress(in), n), in) << n;
    }
    EXPECT_LT(PacLzssCompress(Bytes(5000, 0)).size(), 5000u / 8);  // 18-byte matches
}

}  // namespace
}  // namespace vn

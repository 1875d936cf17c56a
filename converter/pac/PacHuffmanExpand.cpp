#include <array>

#include "converter/pac/PacDecode.h"
#include "converter/pac/PacLayout.h"

namespace vn {
namespace {

constexpr unsigned kFirstInner = 256;
constexpr unsigned kLastInner = 510;  // 255 inner nodes fit the tables
constexpr unsigned kInvalid = 0xFFFF;

// Reads bits most significant first and never past the stored bytes: a read
// beyond them is recorded and the caller refuses the stream.
class BitReader {
public:
    explicit BitReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    unsigned Bit() {
        if (pos_ >= bytes_.size() * 8) {
            overrun_ = true;
            return 1;  // as the format reads past its end
        }
        const unsigned bit = (bytes_[pos_ / 8] >> (7 - pos_ % 8)) & 1u;
        ++pos_;
        return bit;
    }
    unsigned Bits(int n) {
        unsigned v = 0;
        for (int i = 0; i < n; ++i) v = (v << 1) | Bit();
        return v;
    }
    bool Overrun() const { return overrun_; }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
    bool overrun_ = false;
};

class TreeReader {
public:
    explicit TreeReader(BitReader& bits) : bits_(bits) {}

    // Pre-order: each call takes one node. Depth is bounded by the inner-node
    // limit, and an overrun or a full table stops the whole read at once.
    unsigned Read() {
        if (failed_) return kInvalid;
        if (bits_.Bit() == 0) return bits_.Bits(8);
        if (bits_.Overrun()) return Fail();
        if (next_ > kLastInner) return Fail();
        const unsigned node = next_++;
        child0_[node] = Read();
        child1_[node] = Read();
        return failed_ ? kInvalid : node;
    }
    bool Failed() const { return failed_ || bits_.Overrun(); }
    unsigned Child(unsigned node, unsigned bit) const { return bit ? child1_[node] : child0_[node]; }

private:
    unsigned Fail() {
        failed_ = true;
        return kInvalid;
    }

    BitReader& bits_;
    unsigned next_ = kFirstInner;
    bool failed_ = false;
    std::array<uint16_t, kLastInner + 1> child0_{};
    std::array<uint16_t, kLastInner + 1> child1_{};
};

std::nullopt_t Refuse(std::string* error, const char* why) {
    if (error) *error = why;
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<uint8_t>> PacHuffmanExpand(std::span<const uint8_t> source,
                                                     uint32_t expandedSize, std::string* error) {
    if (expandedSize > kPacMaxExpandedSize) return Refuse(error, "expanded size too large");
    if (expandedSize == 0) return std::vector<uint8_t>{};
    BitReader bits(source);
    TreeReader tree(bits);
    const unsigned root = tree.Read();
    if (tree.Failed()) return Refuse(error, "tree is cut short or has more than 255 inner nodes");
    std::vector<uint8_t> out(expandedSize);
    if (root < kFirstInner) {  // a single leaf: no code bits at all
        std::fill(out.begin(), out.end(), static_cast<uint8_t>(root));
        return out;
    }
    // Every code takes at least one bit; refuse a size the stream cannot hold.
    if (expandedSize > source.size() * 8) return Refuse(error, "stream ends before the expanded size");
    for (uint32_t i = 0; i < expandedSize; ++i) {
        unsigned node = root;
        while (node >= kFirstInner) node = tree.Child(node, bits.Bit());
        if (bits.Overrun()) return Refuse(error, "stream ends before the expanded size");
        out[i] = static_cast<uint8_t>(node);
    }
    return out;
}

}  // namespace vn

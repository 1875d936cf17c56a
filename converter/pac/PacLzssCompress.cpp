#include <vector>

#include "converter/pac/PacEncode.h"

namespace vn {
namespace {

constexpr unsigned kWindow = 4096;
constexpr unsigned kStart = 0xFEE;
constexpr size_t kMinMatch = 3;
constexpr size_t kMaxMatch = 18;
constexpr size_t kMaxDistance = kWindow - kMaxMatch;  // keeps a match clear of its own writes
constexpr int kMaxChain = 64;
constexpr unsigned kHashSize = 1u << 15;

unsigned Hash(const uint8_t* p) { return ((p[0] << 10) ^ (p[1] << 5) ^ p[2]) & (kHashSize - 1); }

class Groups {
public:
    explicit Groups(std::vector<uint8_t>& out) : out_(out) {}
    void Literal(uint8_t b) {
        Flag(true);
        out_.push_back(b);
    }
    void Match(size_t from, size_t length) {
        Flag(false);
        const unsigned p = (kStart + from) % kWindow;
        out_.push_back(static_cast<uint8_t>(p));
        out_.push_back(static_cast<uint8_t>(((p >> 4) & 0xF0) | (length - kMinMatch)));
    }

private:
    void Flag(bool literal) {
        if (bit_ == 8) {
            flagAt_ = out_.size();
            out_.push_back(0);
            bit_ = 0;
        }
        if (literal) out_[flagAt_] |= static_cast<uint8_t>(1u << bit_);
        ++bit_;
    }
    std::vector<uint8_t>& out_;
    size_t flagAt_ = 0;
    int bit_ = 8;
};

}  // namespace

std::vector<uint8_t> PacLzssCompress(std::span<const uint8_t> src) {
    std::vector<uint8_t> out;
    Groups groups(out);
    std::vector<int64_t> head(kHashSize, -1);
    std::vector<int64_t> prev(src.size(), -1);
    auto insert = [&](size_t i) {
        if (i + kMinMatch > src.size()) return;
        const unsigned h = Hash(&src[i]);
        prev[i] = head[h];
        head[h] = static_cast<int64_t>(i);
    };
    size_t i = 0;
    while (i < src.size()) {
        size_t bestLength = 0, bestFrom = 0;
        if (i + kMinMatch <= src.size()) {
            const size_t most = std::min(kMaxMatch, src.size() - i);
            int64_t c = head[Hash(&src[i])];
            for (int chain = 0; c >= 0 && chain < kMaxChain; ++chain, c = prev[c]) {
                const size_t from = static_cast<size_t>(c);
                if (i - from > kMaxDistance) break;
                size_t n = 0;
                while (n < most && src[from + n] == src[i + n]) ++n;
                if (n > bestLength) {
                    bestLength = n;
                    bestFrom = from;
                    if (n == most) break;
                }
            }
        }
        if (bestLength >= kMinMatch) {
            groups.Match(bestFrom, bestLength);
            for (size_t k = 0; k < bestLength; ++k) insert(i + k);
            i += bestLength;
        } else {
            groups.Literal(src[i]);
            insert(i);
            ++i;
        }
    }
    return out;
}

}  // namespace vn

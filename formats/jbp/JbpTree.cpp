#include "formats/jbp/JbpTree.h"

#include <numeric>

namespace vn {
namespace {

constexpr uint32_t kClosed = 2100000000;
constexpr uint32_t kOpenBelow = 2099999999;

// Lowest-valued open node other than skip (lowest number among equals), or -1.
int Smallest(const std::vector<uint32_t>& v, int skip) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(v.size()); ++i) {
        if (i != skip && v[i] < kOpenBelow && (best < 0 || v[i] < v[best])) best = i;
    }
    return best;
}

}  // namespace

bool JbpTree::Build(std::span<const uint32_t> counts) {
    const uint64_t total = std::accumulate(counts.begin(), counts.end(), uint64_t{0});
    if (total >= kMaxTotal || counts.size() < 2) return false;
    symbols_ = static_cast<int>(counts.size());
    std::vector<uint32_t> v(counts.begin(), counts.end());
    v.reserve(2 * counts.size());
    child_.clear();
    for (;;) {
        const int first = Smallest(v, -1);
        const int second = first < 0 ? -1 : Smallest(v, first);
        if (second < 0) break;
        child_.push_back(first);
        child_.push_back(second);
        v.push_back(v[first] + v[second]);
        v[first] = kClosed;
        v[second] = kClosed;
    }
    root_ = static_cast<int>(v.size()) - 1;
    return true;
}

std::vector<std::vector<uint8_t>> JbpTree::Codes() const {
    std::vector<std::vector<uint8_t>> codes(symbols_);
    struct Item {
        int node;
        std::vector<uint8_t> path;
    };
    std::vector<Item> stack{{root_, {}}};
    while (!stack.empty()) {
        Item item = std::move(stack.back());
        stack.pop_back();
        if (IsLeaf(item.node)) {
            codes[item.node] = std::move(item.path);
            continue;
        }
        for (uint8_t bit = 0; bit < 2; ++bit) {
            Item next{Child(item.node, bit), item.path};
            next.path.push_back(bit);
            stack.push_back(std::move(next));
        }
    }
    return codes;
}

}  // namespace vn

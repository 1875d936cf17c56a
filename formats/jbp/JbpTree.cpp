#include "formats/jbp/JbpTree.h"

#include <functional>
#include <numeric>
#include <queue>

namespace vn {
bool JbpTree::Build(std::span<const uint32_t> counts) {
    const uint64_t total = std::accumulate(counts.begin(), counts.end(), uint64_t{0});
    if (total >= kMaxTotal || counts.size() < 2) return false;
    symbols_ = static_cast<int>(counts.size());
    child_.clear();
    // With the total below the closing value every node stays open until it
    // is joined, so "smallest value, lowest number among equals" is the
    // order of (value, number) pairs, and a heap gives the same tree as
    // scanning all nodes.
    using Node = std::pair<uint64_t, int>;
    std::priority_queue<Node, std::vector<Node>, std::greater<Node>> open;
    for (int i = 0; i < symbols_; ++i) open.push({counts[i], i});
    int next = symbols_;
    while (open.size() >= 2) {
        const Node first = open.top();
        open.pop();
        const Node second = open.top();
        open.pop();
        child_.push_back(first.second);
        child_.push_back(second.second);
        open.push({first.first + second.first, next++});
    }
    root_ = next - 1;
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

#pragma once
// The Huffman tree of a JBP stream, built from symbol counts the same way by
// writer and reader: every symbol is a leaf, the two smallest open nodes
// (lowest number first among equals) are joined until one is left.

#include <cstdint>
#include <span>
#include <vector>

namespace vn {

class JbpTree {
  public:
    // Counts whose total reaches this cannot be represented by the tree
    // construction (node values at or above it count as closed).
    static constexpr uint64_t kMaxTotal = 2099999999;

    // symbols counts (16 or 256); false when the total is kMaxTotal or more.
    bool Build(std::span<const uint32_t> counts);

    int SymbolCount() const { return symbols_; }
    int Root() const { return root_; }
    // Children of inner node n (n >= SymbolCount()).
    int Child(int node, int bit) const { return child_[(node - symbols_) * 2 + bit]; }
    bool IsLeaf(int node) const { return node < symbols_; }

    // Code of each symbol as its bits from the root down, for the writer.
    std::vector<std::vector<uint8_t>> Codes() const;

  private:
    int symbols_ = 0;
    int root_ = 0;
    std::vector<int> child_;
};

}  // namespace vn

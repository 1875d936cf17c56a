#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "converter/pac/PacEncode.h"

namespace vn {
namespace {

struct Node {
    uint64_t weight = 0;
    int child0 = -1, child1 = -1;  // both -1 for a leaf
    int value = 0;
};

class BitWriter {
public:
    void Bit(unsigned b) {
        if (count_ % 8 == 0) out_.push_back(0);
        if (b) out_.back() |= static_cast<uint8_t>(0x80u >> (count_ % 8));
        ++count_;
    }
    void Bits(unsigned v, int n) {
        for (int i = n - 1; i >= 0; --i) Bit((v >> i) & 1u);
    }
    std::vector<uint8_t> Take() { return std::move(out_); }

private:
    std::vector<uint8_t> out_;
    size_t count_ = 0;
};

// Pre-order, as the reader numbers its inner nodes; codes collected on the way.
void WriteTree(const std::vector<Node>& nodes, int n, std::string& path,
               std::array<std::string, 256>& codes, BitWriter& bits) {
    const Node& node = nodes[n];
    if (node.child0 < 0) {
        bits.Bit(0);
        bits.Bits(static_cast<unsigned>(node.value), 8);
        codes[node.value] = path;
        return;
    }
    bits.Bit(1);
    path.push_back('0');
    WriteTree(nodes, node.child0, path, codes, bits);
    path.back() = '1';
    WriteTree(nodes, node.child1, path, codes, bits);
    path.pop_back();
}

}  // namespace

std::vector<uint8_t> PacHuffmanCompress(std::span<const uint8_t> source) {
    std::array<uint64_t, 256> counts{};
    for (uint8_t b : source) ++counts[b];
    std::vector<Node> nodes;
    std::vector<int> open;  // nodes not yet joined
    for (int v = 0; v < 256; ++v) {
        if (counts[v] == 0) continue;
        nodes.push_back(Node{counts[v], -1, -1, v});
        open.push_back(static_cast<int>(nodes.size()) - 1);
    }
    if (nodes.empty()) nodes.push_back(Node{0, -1, -1, 0}), open.push_back(0);
    // At most 256 leaves make at most 255 inner nodes: always within the reader's tables.
    while (open.size() > 1) {
        std::sort(open.begin(), open.end(), [&](int a, int b) {
            return nodes[a].weight != nodes[b].weight ? nodes[a].weight > nodes[b].weight : a > b;
        });
        const int a = open.back();
        open.pop_back();
        const int b = open.back();
        open.pop_back();
        nodes.push_back(Node{nodes[a].weight + nodes[b].weight, a, b, 0});
        open.push_back(static_cast<int>(nodes.size()) - 1);
    }
    BitWriter bits;
    std::array<std::string, 256> codes;
    std::string path;
    WriteTree(nodes, open.front(), path, codes, bits);
    if (nodes.size() > 1) {
        for (uint8_t b : source) {
            for (char c : codes[b]) bits.Bit(c == '1');
        }
    }
    return bits.Take();
}

}  // namespace vn

#pragma once
// The archive's LZSS compressor: 2048-byte ring window, matches of 2 to 17
// bytes found with a binary search tree per first byte. One object owns the
// window and the tree, so one thread owns one compressor.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vn {

class LzssCompressor {
public:
    // The compressed stream; nullopt for an empty input (there is nothing to
    // write, not even a flag byte).
    std::optional<std::vector<uint8_t>> Compress(std::span<const uint8_t> source);

private:
    static constexpr int N = 2048;
    static constexpr int F = 17;
    static constexpr int Nil = N;  // "no node"

    void ResetTree();
    void InsertNode(int r);
    void DeleteNode(int p);

    std::array<uint8_t, N + F - 1> window_{};  // 16-byte mirror past the end
    std::array<int, N + 1> left_{};
    std::array<int, N + 257> right_{};  // N+1 … N+256 are the roots
    std::array<int, N + 1> parent_{};
    int matchPosition_ = 0;
    int matchLength_ = 0;
};

}  // namespace vn

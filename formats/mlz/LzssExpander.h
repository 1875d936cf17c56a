#pragma once
// The archive's LZSS expander. One object owns the 2048-byte window.

#include <array>
#include <cstdint>
#include <span>

namespace vn {

enum class LzssResult {
    Ok,        // the stream filled the destination exactly
    Overrun,   // the stream describes more bytes than the destination holds
    ShortData, // the stream ended before the destination was full
};

class LzssExpander {
public:
    // Expands source into dest, never writing past dest's end. The stream
    // must describe exactly dest.size() bytes; anything else is refused.
    LzssResult Expand(std::span<uint8_t> dest, std::span<const uint8_t> source);

private:
    static constexpr unsigned N = 2048;
    std::array<uint8_t, N> window_{};
};

}  // namespace vn

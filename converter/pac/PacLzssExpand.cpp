#include <array>

#include "converter/pac/PacDecode.h"
#include "converter/pac/PacLayout.h"

namespace vn {
namespace {

constexpr unsigned kWindow = 4096;
constexpr unsigned kStart = 0xFEE;

std::nullopt_t Refuse(std::string* error, const char* why) {
    if (error) *error = why;
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<uint8_t>> PacLzssExpand(std::span<const uint8_t> source,
                                                  uint32_t expandedSize, std::string* error) {
    if (expandedSize > kPacMaxExpandedSize) return Refuse(error, "expanded size too large");
    // A flag byte and eight 18-byte matches take 17 bytes: no stream expands
    // more than 144/17 times, so a larger size is a lie; refuse before allocating.
    if (uint64_t{expandedSize} * 17 > uint64_t{source.size()} * 144 + 144) {
        return Refuse(error, "expanded size larger than the stream can describe");
    }
    std::vector<uint8_t> out(size_t{expandedSize} + kPacSpareBytes);
    const size_t limit = out.size();
    std::array<uint8_t, kWindow> window{};
    unsigned r = kStart;
    unsigned flags = 0;
    size_t in = 0;
    size_t written = 0;
    while (in < source.size()) {
        if ((flags & 0xFF00) == 0) {
            flags = source[in++] | 0xFF00u;
            if (in >= source.size()) break;
        }
        if (flags & 1) {
            if (written >= limit) return Refuse(error, "stream writes past the expanded size");
            const uint8_t b = source[in++];
            out[written++] = b;
            window[r] = b;
            r = (r + 1) % kWindow;
        } else {
            if (in + 1 >= source.size()) {
                // A match cut in half can only be padding after a complete entry.
                if (written >= expandedSize) break;
                return Refuse(error, "stream ends inside a match");
            }
            const unsigned b0 = source[in++];
            const unsigned b1 = source[in++];
            const unsigned p = b0 | ((b1 & 0xF0u) << 4);
            const unsigned n = (b1 & 0x0Fu) + 3;
            if (written + n > limit) return Refuse(error, "stream writes past the expanded size");
            for (unsigned k = 0; k < n; ++k) {
                const uint8_t b = window[(p + k) % kWindow];
                out[written++] = b;
                window[r] = b;
                r = (r + 1) % kWindow;
            }
        }
        flags >>= 1;
    }
    if (written < expandedSize) return Refuse(error, "stream ends before the expanded size");
    out.resize(expandedSize);
    return out;
}

}  // namespace vn

#include "formats/mlz/LzssExpander.h"

namespace vn {

LzssResult LzssExpander::Expand(std::span<uint8_t> dest, std::span<const uint8_t> source) {
    window_.fill(0);
    unsigned r = N - 17;
    unsigned flags = 0;
    size_t in = 0;
    size_t out = 0;
    const size_t inEnd = source.size();
    const size_t outEnd = dest.size();
    for (;;) {
        flags >>= 1;
        if ((flags & 0x100) == 0) {
            if (in == inEnd) break;
            flags = source[in++] | 0xFF00u;
        }
        if (flags & 1) {
            if (in == inEnd) break;
            if (out == outEnd) return LzssResult::Overrun;
            const uint8_t c = source[in++];
            dest[out++] = c;
            window_[r] = c;
            r = (r + 1) & (N - 1);
        } else {
            if (inEnd - in < 2) break;
            const unsigned b0 = source[in++];
            const unsigned b1 = source[in++];
            const unsigned p = b0 | ((b1 & 0xF0) << 4);
            const unsigned n = (b1 & 0x0F) + 2;
            if (outEnd - out < n) return LzssResult::Overrun;
            // Byte by byte: a match may overlap the bytes it produces.
            for (unsigned k = 0; k < n; ++k) {
                const uint8_t c = window_[(p + k) & (N - 1)];
                dest[out++] = c;
                window_[r] = c;
                r = (r + 1) & (N - 1);
            }
        }
    }
    return out == outEnd ? LzssResult::Ok : LzssResult::ShortData;
}

}  // namespace vn

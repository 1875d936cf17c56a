#include "tools/samplegame/BitmapFile.h"

#include <algorithm>
#include <unordered_map>

#include "formats/io/RecordFields.h"

namespace vn {
namespace {

using Palette = std::vector<uint32_t>;  // 0x00RRGGBB

uint32_t Key(const uint8_t* p) { return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0]; }

// The picture's own colours when there are few enough, in order of first
// appearance; else the colour cube.
Palette MakePalette(const Picture& pic, std::unordered_map<uint32_t, uint8_t>& index) {
    Palette palette;
    for (int y = 0; y < pic.Height() && palette.size() <= 256; ++y) {
        for (int x = 0; x < pic.Width(); ++x) {
            const uint32_t k = Key(pic.At(x, y));
            if (index.count(k)) continue;
            if (palette.size() == 256) {
                palette.push_back(0);
                break;
            }
            index[k] = static_cast<uint8_t>(palette.size());
            palette.push_back(k);
        }
    }
    if (palette.size() <= 256) return palette;
    index.clear();
    palette.clear();
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 7; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back((uint32_t(r * 51) << 16) | (uint32_t(g * 85 / 2) << 8) | (b * 51));
    return palette;
}

// Nearest cube colour after an ordered dither, which keeps gradients smooth.
uint8_t CubeIndex(const uint8_t* p, int x, int y) {
    static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const int d = kBayer[y & 3][x & 3] - 8;  // -8..7
    auto level = [&](int v, int step, int top) { return std::clamp((v + d * step / 16 + step / 2) / step, 0, top); };
    const int r = level(p[2], 51, 5), g = level(p[1] * 2, 85, 6), b = level(p[0], 51, 5);
    return static_cast<uint8_t>((r * 7 + g) * 6 + b);
}

}  // namespace

std::vector<uint8_t> BitmapFile::Encode(const Picture& pic, int bits) {
    const int w = pic.Width(), h = pic.Height();
    const size_t stride = (static_cast<size_t>(w) * bits / 8 + 3) / 4 * 4;
    std::unordered_map<uint32_t, uint8_t> index;
    const Palette palette = bits == 8 ? MakePalette(pic, index) : Palette{};
    const size_t offset = 54 + 4 * 256 * (bits == 8);
    std::vector<uint8_t> out(offset + stride * h);
    out[0] = 'B';
    out[1] = 'M';
    PutU32(&out[2], static_cast<uint32_t>(out.size()));
    PutU32(&out[10], static_cast<uint32_t>(offset));
    PutU32(&out[14], 40);
    PutU32(&out[18], static_cast<uint32_t>(w));
    PutU32(&out[22], static_cast<uint32_t>(h));
    PutU16(&out[26], 1);
    PutU16(&out[28], static_cast<uint16_t>(bits));
    PutU32(&out[34], static_cast<uint32_t>(stride * h));
    if (bits == 8) {
        PutU32(&out[46], 256);
        for (size_t i = 0; i < palette.size(); ++i) PutU32(&out[54 + 4 * i], palette[i]);
    }
    for (int y = 0; y < h; ++y) {
        uint8_t* row = &out[offset + stride * (h - 1 - y)];
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = pic.At(x, y);
            switch (bits) {
            case 8: {
                const auto it = index.find(Key(p));
                row[x] = it != index.end() ? it->second : CubeIndex(p, x, y);
                break;
            }
            case 16:
                PutU16(row + 2 * x, static_cast<uint16_t>(((p[2] >> 3) << 11) | ((p[1] >> 2) << 5) |
                                                          (p[0] >> 3)));
                break;
            case 24:
                row[3 * x] = p[0];
                row[3 * x + 1] = p[1];
                row[3 * x + 2] = p[2];
                break;
            default:
                for (int k = 0; k < 4; ++k) row[4 * x + k] = p[k];
            }
        }
    }
    return out;
}

std::vector<uint8_t> BitmapFile::EncodeMask(const Picture& pic) {
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(pic.Width()) * pic.Height());
    for (int y = pic.Height() - 1; y >= 0; --y)
        for (int x = 0; x < pic.Width(); ++x) out.push_back(pic.At(x, y)[3]);
    return out;
}

}  // namespace vn

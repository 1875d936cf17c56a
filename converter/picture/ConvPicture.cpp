#include "converter/picture/ConvPicture.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vn {
namespace {

bool NearBlack(const uint8_t* p) { return p[0] < 2 && p[1] < 2 && p[2] < 2; }
bool Black(const uint8_t* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

// The part [first, last) of 0 … limit that a run of length pixels placed at
// offset covers; offsets come from tables, so the sum is taken in 64 bits.
struct Overlap {
    int first;
    int last;
};
Overlap Clip(int offset, int length, int limit) {
    const int64_t first = std::max<int64_t>(0, offset);
    const int64_t last = std::min<int64_t>(limit, int64_t{offset} + length);
    return {static_cast<int>(std::min<int64_t>(first, limit)),
            static_cast<int>(std::max<int64_t>(last, 0))};
}

}  // namespace

ConvPicture::ConvPicture(int width, int height, int bits)
    : bitmap_(Bitmap::Create(width, height, bits)) {}

ConvPicture::ConvPicture(Bitmap bitmap, int fileBitCount)
    : bitmap_(std::move(bitmap)), fileBitCount_(fileBitCount) {}

std::optional<ConvPicture> ConvPicture::FromBitmap(std::span<const uint8_t> file,
                                                   std::string* error) {
    std::optional<BmpPicture> read = ReadBmp(file, error);
    if (!read) return std::nullopt;
    return ConvPicture(std::move(read->bitmap), read->fileBitCount);
}

bool ConvPicture::MakeLike(int width, int height, int bits, ConvPicture& out) const {
    out = ConvPicture(width, height, bits);
    out.fileBitCount_ = fileBitCount_;
    return !out.Empty();
}

// Row pointers are taken once per row: the pixel loops run over every
// picture of the game.
template <class Visit>
void ConvPicture::ForEachPixel(Visit visit) {
    const int bytes = Bits() / 8;
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = bitmap_->RowFromTop(y);
        for (int x = 0; x < Width(); ++x, p += bytes) visit(p, x, y);
    }
}

bool ConvPicture::To32() {
    if (Bits() == 32) return true;
    ConvPicture out;
    if (!MakeLike(Width(), Height(), 32, out)) return false;
    for (int y = 0; y < Height(); ++y) {
        const uint8_t* s = bitmap_->RowFromTop(y);
        uint8_t* d = out.bitmap_->RowFromTop(y);
        for (int x = 0; x < Width(); ++x, s += 3, d += 4) {
            std::memcpy(d, s, 3);
            d[3] = 255;
        }
    }
    out.SetSourceSize(SourceWidth(), SourceHeight());
    *this = std::move(out);
    return true;
}

bool ConvPicture::KeyNearBlack() {
    if (Empty() || !To32()) return false;
    ForEachPixel([](uint8_t* p, int, int) { p[3] = NearBlack(p) ? 0 : 255; });
    Feather();
    return true;
}

// Softens the edge around every transparent pixel by giving its opaque
// neighbours their brightness as alpha. Changes count at once, in visiting
// order, so a neighbour that drops to 0 is transparent for later pixels.
void ConvPicture::Feather() {
    ForEachPixel([this](uint8_t* p, int x, int y) {
        if (p[3] != 0) return;
        for (int ny = std::max(0, y - 1); ny <= std::min(Height() - 1, y + 1); ++ny) {
            for (int nx = std::max(0, x - 1); nx <= std::min(Width() - 1, x + 1); ++nx) {
                uint8_t* n = At(nx, ny);
                if (n[3] != 0) n[3] = static_cast<uint8_t>((n[0] + n[1] + n[2]) / 3);
            }
        }
    });
}

bool ConvPicture::KeyBlack() {
    if (Empty() || !To32()) return false;
    ForEachPixel([](uint8_t* p, int, int) { p[3] = Black(p) ? 0 : 255; });
    return true;
}

bool ConvPicture::AlphaFromMask(std::span<const uint8_t> mask) {
    if (Empty() || mask.size() != static_cast<size_t>(Width()) * Height()) return false;
    if (!To32()) return false;
    // Mask rows are bottom-up like the bitmap's, width bytes each.
    for (int row = 0; row < Height(); ++row) {
        uint8_t* d = bitmap_->Row(row);
        const uint8_t* m = mask.data() + static_cast<size_t>(row) * Width();
        for (int x = 0; x < Width(); ++x) d[x * 4 + 3] = m[x];
    }
    return true;
}

bool ConvPicture::ColorToAlpha(Bgr colour, uint8_t alpha, Bgr newColour) {
    if (Empty() || Bits() != 32) return false;
    ForEachPixel([&](uint8_t* p, int, int) {
        if (p[0] != colour.blue || p[1] != colour.green || p[2] != colour.red) return;
        p[0] = newColour.blue;
        p[1] = newColour.green;
        p[2] = newColour.red;
        p[3] = alpha;
    });
    return true;
}

bool ConvPicture::BlendOnto(const ConvPicture& base, int x, int y) {
    if (Empty() || Bits() != 32 || base.Empty()) return false;
    ConvPicture out = base;
    const Overlap cols = Clip(x, Width(), out.Width()), rows = Clip(y, Height(), out.Height());
    for (int by = rows.first; by < rows.last; ++by) {
        for (int bx = cols.first; bx < cols.last; ++bx) {
            const uint8_t* s = At(bx - x, by - y);
            uint8_t* d = out.At(bx, by);
            const int a = s[3];
            if (a == 0) continue;
            for (int c = 0; c < 3; ++c) {
                d[c] = a == 255 ? s[c] : static_cast<uint8_t>((s[c] * a + d[c] * (256 - a)) >> 8);
            }
        }
    }
    out.SetSourceSize(base.Width(), base.Height());
    *this = std::move(out);
    return true;
}

bool ConvPicture::PasteOnto(const ConvPicture& overlay, int x, int y) {
    if (Empty() || overlay.Empty()) return false;
    const Overlap cols = Clip(x, overlay.Width(), Width()),
                  rows = Clip(y, overlay.Height(), Height());
    for (int ty = rows.first; ty < rows.last; ++ty) {
        for (int tx = cols.first; tx < cols.last; ++tx) {
            const uint8_t* s = overlay.At(tx - x, ty - y);
            if (Black(s)) continue;
            uint8_t* d = At(tx, ty);
            std::memcpy(d, s, 3);
            if (Bits() == 32) d[3] = overlay.Bits() == 32 ? s[3] : 255;
        }
    }
    return true;
}

bool ConvPicture::PadFrames() {
    if (Empty() || Bits() != 32) return false;
    const int frame = Width() / 4;
    if (frame % 2 == 0) return true;
    // Columns beyond 4 × frame (a width not divisible by 4) are not part of
    // any frame and are dropped.
    ConvPicture out;
    if (!MakeLike(4 * (frame + 1), Height(), 32, out)) return false;
    for (int y = 0; y < Height(); ++y) {
        for (int j = 0; j < 4; ++j) {
            std::memcpy(out.At(j * (frame + 1), y), At(j * frame, y),
                        static_cast<size_t>(frame) * 4);
        }
    }
    *this = std::move(out);  // the padded strip is the picture as made
    return true;
}

bool ConvPicture::ShareFrameAlpha() {
    if (Empty() || Bits() != 32) return false;
    const int frame = Width() / 4;
    for (int y = 0; y < Height(); ++y) {
        for (int j = 1; j < 4; ++j) {
            for (int x = 0; x < frame; ++x) At(j * frame + x, y)[3] = At(x, y)[3];
        }
    }
    return true;
}

bool ConvPicture::Scale(int percent, ScaleMode mode) {
    if (Empty() || percent <= 0) return false;
    if (percent == 100) return true;
    const int w = std::max(1, static_cast<int>(int64_t{percent} * Width() / 100));
    const int h = std::max(1, static_cast<int>(int64_t{percent} * Height() / 100));
    // Steps in 1/1024 pixel; the box covers the step rounded up, so boxes of
    // neighbouring pixels may overlap.
    const uint32_t sx = static_cast<uint32_t>(Width()) * 1024 / w;
    const uint32_t sy = static_cast<uint32_t>(Height()) * 1024 / h;
    const int bw = static_cast<int>((sx + 1023) / 1024);
    const int bh = static_cast<int>((sy + 1023) / 1024);
    const int bytes = Bits() / 8;
    const bool opaqueOnly = Bits() == 32 && mode == ScaleMode::OpaquePixels;
    ConvPicture out;
    if (!MakeLike(w, h, Bits(), out)) return false;
    std::vector<const uint8_t*> rows(static_cast<size_t>(Height()));
    for (int y = 0; y < Height(); ++y) rows[y] = bitmap_->RowFromTop(y);
    uint32_t fy = 0;
    for (int y = 0; y < h; ++y, fy += sy) {
        const int top = static_cast<int>(fy / 1024);
        const int bottom = std::min(Height(), top + bh);
        uint32_t fx = 0;
        for (int x = 0; x < w; ++x, fx += sx) {
            const int left = static_cast<int>(fx / 1024);
            const int right = std::min(Width(), left + bw);
            uint32_t sum[4] = {0, 0, 0, 0};
            uint32_t count = 0;
            for (int ry = top; ry < bottom; ++ry) {
                for (int rx = left; rx < right; ++rx) {
                    const uint8_t* p = rows[ry] + rx * bytes;
                    if (opaqueOnly && p[3] == 0) continue;
                    for (int c = 0; c < bytes; ++c) sum[c] += p[c];
                    ++count;
                }
            }
            uint8_t* d = out.At(x, y);
            for (int c = 0; c < bytes && count > 0; ++c)
                d[c] = static_cast<uint8_t>(sum[c] / count);
        }
    }
    out.SetSourceSize(SourceWidth(), SourceHeight());
    *this = std::move(out);
    return true;
}

}  // namespace vn

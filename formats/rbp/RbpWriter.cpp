#include "formats/rbp/RbpWriter.h"

#include "formats/jbp/JbpEncoder.h"
#include "formats/rbp/RbpLayout.h"

namespace vn {
namespace {

constexpr int kJbpMinimumSide = 32;

std::vector<uint8_t> StartFile(const Bitmap& p, uint32_t type, uint8_t version, int x, int y,
                               size_t payload, uint32_t colourSize) {
    RbpHeader h;
    h.version = version;
    h.type = type;
    h.width = static_cast<uint32_t>(p.Width());
    h.height = static_cast<uint32_t>(p.Height());
    h.sourceWidth = static_cast<uint16_t>(p.SourceWidth());
    h.sourceHeight = static_cast<uint16_t>(p.SourceHeight());
    h.placementX = static_cast<uint16_t>(x);
    h.placementY = static_cast<uint16_t>(y);
    h.colourSize = colourSize;
    std::vector<uint8_t> out(kRbpHeaderSize, 0);
    out.reserve(kRbpHeaderSize + payload);
    WriteRecord(std::span(out), h);
    return out;
}

// Each pixel's bytes from the top row down, as perPixel makes them.
template <class PerPixel>
void AppendPixels(const Bitmap& p, std::vector<uint8_t>& out, PerPixel perPixel) {
    const int bpp = p.BytesPerPixel();
    for (int y = 0; y < p.Height(); ++y) {
        const uint8_t* row = p.RowFromTop(y);
        for (int x = 0; x < p.Width(); ++x) perPixel(row + x * bpp, out);
    }
}

void AppendRgb565(const uint8_t* px, std::vector<uint8_t>& out) {
    const uint16_t v = PackRgb565(px[0], px[1], px[2]);
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

std::vector<uint8_t> PlainForm(const Bitmap& p, int x, int y) {
    const size_t pixels = static_cast<size_t>(p.Width()) * p.Height();
    if (p.BitCount() == 24) {
        auto out = StartFile(p, kRbpTypeRgb565, kRbpVersionPlain, x, y, pixels * 2, 0);
        AppendPixels(p, out, AppendRgb565);
        return out;
    }
    auto out = StartFile(p, kRbpTypeRgb565Alpha, kRbpVersionPlain, x, y, pixels * 3, 0);
    AppendPixels(p, out, [](const uint8_t* px, std::vector<uint8_t>& o) {
        AppendRgb565(px, o);
        o.push_back(px[3]);
    });
    return out;
}

}  // namespace

std::optional<std::vector<uint8_t>> RbpFromPicture(const Bitmap& picture, int qualityIndex,
                                                   int placementX, int placementY,
                                                   std::vector<uint8_t>* jpeg) {
    if (qualityIndex == 0 || picture.Width() < kJbpMinimumSide ||
        picture.Height() < kJbpMinimumSide) {
        return PlainForm(picture, placementX, placementY);
    }
    auto stream = JbpEncode(picture, JbpQualityOf(qualityIndex), jpeg);
    if (!stream) return std::nullopt;
    const bool alpha = picture.BitCount() == 32;
    const size_t plane = alpha ? static_cast<size_t>(picture.Width()) * picture.Height() : 0;
    auto out =
        StartFile(picture, alpha ? kRbpTypeJbpAlpha : kRbpTypeJbp, kRbpVersionJbp, placementX,
                  placementY, stream->size() + plane, static_cast<uint32_t>(stream->size()));
    out.insert(out.end(), stream->begin(), stream->end());
    if (alpha) {
        AppendPixels(picture, out,
                     [](const uint8_t* px, std::vector<uint8_t>& o) { o.push_back(px[3]); });
    }
    return out;
}

std::vector<uint8_t> RbpMaskFromPicture(const Bitmap& picture) {
    const size_t pixels = static_cast<size_t>(picture.Width()) * picture.Height();
    auto out = StartFile(picture, kRbpTypeMask, kRbpVersionPlain, 0, 0, pixels, 0);
    AppendPixels(picture, out,
                 [](const uint8_t* px, std::vector<uint8_t>& o) { o.push_back(px[0]); });
    return out;
}

}  // namespace vn

#include "formats/rbp/RbpDecoder.h"

namespace vn {
namespace {

// Far above any picture of the game; keeps every size computation small.
constexpr uint32_t kMaxSide = 65535;
constexpr uint64_t kMaxPixels = uint64_t{1} << 26;

bool Fail(std::string* error, const char* message) {
    if (error != nullptr) *error = message;
    return false;
}

// The low bits of each expanded component stay zero.
inline void Expand565(uint16_t v, uint8_t* px) {
    px[0] = static_cast<uint8_t>((v << 3) & 0xF8);
    px[1] = static_cast<uint8_t>((v >> 3) & 0xFC);
    px[2] = static_cast<uint8_t>((v >> 8) & 0xF8);
}

inline uint8_t WidenAlpha(uint8_t a) { return a == 0 ? 0 : static_cast<uint8_t>(a | 3); }
inline uint8_t WidenAlphaVersion1(uint8_t a) {
    return a == 0 ? 0 : static_cast<uint8_t>(a * 4 + 3);
}

void DecodePlain(const RbpHeader& h, std::span<const uint8_t> payload, uint8_t* out) {
    const size_t pixels = size_t{h.width} * h.height;
    if (h.type == kRbpTypeRgb565) {
        for (size_t i = 0; i < pixels; ++i, out += 4) {
            Expand565(GetU16(&payload[i * 2]), out);
            out[3] = 255;
        }
        return;
    }
    const auto widen = h.version == kRbpVersionWideAlpha ? WidenAlphaVersion1 : WidenAlpha;
    for (size_t i = 0; i < pixels; ++i, out += 4) {
        Expand565(GetU16(&payload[i * 3]), out);
        out[3] = widen(payload[i * 3 + 2]);
    }
}

bool DecodeJbp(const RbpHeader& h, std::span<const uint8_t> payload, uint8_t* out, JbpDecoder& jbp,
               std::string* error) {
    const auto stream = payload.first(h.colourSize);
    const auto jh = JbpDecoder::ReadHeader(stream);
    if (!jh) return Fail(error, "colour stream is not JBP");
    if (jh->width != h.width || jh->height != h.height)
        return Fail(error, "JBP size differs from the picture's");
    auto rgb = jbp.JbpDecode(stream);
    if (!rgb) {
        if (error != nullptr) *error = jbp.LastError();
        return false;
    }
    const size_t stride = JbpPadded(jh->width);
    const uint8_t* alpha = payload.data() + h.colourSize;
    for (uint32_t y = 0; y < h.height; ++y) {
        for (uint32_t x = 0; x < h.width; ++x, out += 4) {
            Expand565((*rgb)[y * stride + x], out);
            out[3] = h.type == kRbpTypeJbpAlpha ? WidenAlpha(*alpha++) : 255;
        }
    }
    return true;
}

// The payload size the type needs, or 0 for a type the decoder refuses.
uint64_t PayloadSize(const RbpHeader& h) {
    const uint64_t pixels = uint64_t{h.width} * h.height;
    switch (h.type) {
        case kRbpTypeRgb565Alpha:
            return pixels * 3;
        case kRbpTypeRgb565:
            return pixels * 2;
        case kRbpTypeJbp:
            return h.colourSize;
        case kRbpTypeJbpAlpha:
            return uint64_t{h.colourSize} + pixels;
        default:
            return 0;
    }
}

void ApplyTint(uint32_t t, std::vector<uint8_t>& pixels) {
    const uint32_t tb = t & 0xFF, tg = (t >> 8) & 0xFF, tr = (t >> 16) & 0xFF;
    for (size_t i = 0; i < pixels.size(); i += 4) {
        const uint32_t g = (pixels[i] + pixels[i + 1] + pixels[i + 2]) / 3;
        pixels[i] = static_cast<uint8_t>(tb * g / 255);
        pixels[i + 1] = static_cast<uint8_t>(tg * g / 255);
        pixels[i + 2] = static_cast<uint8_t>(tr * g / 255);
    }
}

}  // namespace

std::optional<RbpHeader> ReadRbpHeader(std::span<const uint8_t> rbp) {
    if (rbp.size() < kRbpHeaderSize) return std::nullopt;
    return ReadRecord<RbpHeader>(rbp);
}

bool RbpDecode(std::span<const uint8_t> rbp, uint32_t tint, RbpPicture& out, JbpDecoder& jbp,
               std::string* error) {
    const auto header = ReadRbpHeader(rbp);
    if (!header) return Fail(error, "RBP shorter than its header");
    const RbpHeader& h = *header;
    if (h.type == kRbpTypeMask) return Fail(error, "RBP type 9 is a wipe mask, not a picture");
    if (h.type != kRbpTypeRgb565Alpha && h.type != kRbpTypeRgb565 && h.type != kRbpTypeJbp &&
        h.type != kRbpTypeJbpAlpha)
        return Fail(error, "unknown RBP type");
    if (h.width == 0 || h.height == 0 || h.width > kMaxSide || h.height > kMaxSide ||
        uint64_t{h.width} * h.height > kMaxPixels)
        return Fail(error, "RBP picture size is zero or too large");
    if (h.dataOffset < kRbpHeaderSize || h.dataOffset > rbp.size() ||
        PayloadSize(h) > rbp.size() - h.dataOffset)
        return Fail(error, "RBP payload beyond the data");
    const auto payload = rbp.subspan(h.dataOffset);

    RbpPicture picture;
    picture.width = static_cast<int>(h.width);
    picture.height = static_cast<int>(h.height);
    picture.sourceWidth = static_cast<int16_t>(h.sourceWidth);
    picture.sourceHeight = static_cast<int16_t>(h.sourceHeight);
    picture.placementX = static_cast<int16_t>(h.placementX);
    picture.placementY = static_cast<int16_t>(h.placementY);
    picture.pixels.resize(size_t{h.width} * h.height * 4);
    if (h.type == kRbpTypeJbp || h.type == kRbpTypeJbpAlpha) {
        if (!DecodeJbp(h, payload, picture.pixels.data(), jbp, error)) return false;
    } else {
        DecodePlain(h, payload, picture.pixels.data());
    }
    if (tint != 0) ApplyTint(tint, picture.pixels);
    out = std::move(picture);
    return true;
}

bool RbpDecode(std::span<const uint8_t> rbp, uint32_t tint, RbpPicture& out, std::string* error) {
    JbpDecoder jbp;
    return RbpDecode(rbp, tint, out, jbp, error);
}

}  // namespace vn

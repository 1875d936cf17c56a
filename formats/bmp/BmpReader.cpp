#include "formats/bmp/BmpReader.h"

#include <array>
#include <cstring>

#include "formats/bmp/BmpLayout.h"

namespace vn {
namespace {

struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    uint64_t pixelOffset = 0;
    uint64_t stride = 0;
    std::span<const uint8_t> palette;  // 4-byte entries
};

std::optional<BmpPicture> Fail(std::string* error, const char* message) {
    if (error != nullptr) *error = message;
    return std::nullopt;
}

// Bit-field masks are accepted only when they say what the reader assumes.
bool MasksMatch(std::span<const uint8_t> bytes, const BmpInfoHeader& info) {
    const uint64_t at = kBmpFileHeaderSize + uint64_t{kBmpInfoHeaderSize};
    if (bytes.size() < at + 12) return false;
    const uint32_t r = GetU32(&bytes[at]), g = GetU32(&bytes[at + 4]), b = GetU32(&bytes[at + 8]);
    if (info.bitCount == 16) return r == 0xF800 && g == 0x07E0 && b == 0x001F;
    if (info.bitCount == 32) return r == 0xFF0000 && g == 0xFF00 && b == 0xFF;
    return false;
}

const char* CheckHeaders(std::span<const uint8_t> bytes, Layout& out) {
    if (bytes.size() < kBmpHeadersSize) return "bitmap shorter than its headers";
    const auto file = ReadRecord<BmpFileHeader>(bytes.first(kBmpFileHeaderSize));
    if (file.magic != 0x4D42) return "not a bitmap (no BM magic)";
    const auto info = ReadRecord<BmpInfoHeader>(bytes.subspan(kBmpFileHeaderSize));
    if (info.headerSize < kBmpInfoHeaderSize) return "bitmap information header too small";
    const uint64_t headersEnd = uint64_t{kBmpFileHeaderSize} + info.headerSize;
    if (headersEnd > bytes.size()) return "bitmap information header beyond the data";
    const int bits = info.bitCount;
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return "unsupported bits per pixel";
    if (info.compression == kBmpCompressionBitFields) {
        if (!MasksMatch(bytes, info)) return "unsupported bit-field masks";
    } else if (info.compression != kBmpCompressionNone) {
        return "compressed bitmaps are not supported";
    }
    if (info.width <= 0 || info.height == 0 || info.height == INT32_MIN)
        return "bitmap width or height is zero or negative";
    out.width = info.width;
    out.topDown = info.height < 0;
    out.height = out.topDown ? -info.height : info.height;
    if (out.width > Bitmap::kMaxSide || out.height > Bitmap::kMaxSide ||
        int64_t{out.width} * out.height > Bitmap::kMaxPixels)
        return "bitmap too large";
    out.bitCount = bits;
    out.pixelOffset = file.pixelOffset;
    out.stride = BmpStride(out.width, bits);
    if (out.pixelOffset < kBmpHeadersSize) return "pixel offset inside the headers";
    if (out.pixelOffset > bytes.size() || out.stride * out.height > bytes.size() - out.pixelOffset)
        return "pixels beyond the data";
    if (bits == 8) {
        const uint64_t entries = info.coloursUsed == 0 ? 256 : info.coloursUsed;
        if (entries > 256) return "palette larger than 256 entries";
        if (headersEnd + entries * 4 > bytes.size()) return "palette beyond the data";
        out.palette = bytes.subspan(headersEnd, entries * 4);
    }
    return nullptr;
}

using RowReader = bool (*)(const uint8_t* in, uint8_t* out, int width, const Layout& layout);

bool Read8(const uint8_t* in, uint8_t* out, int width, const Layout& layout) {
    const size_t entries = layout.palette.size() / 4;
    for (int x = 0; x < width; ++x, out += 3) {
        if (in[x] >= entries) return false;
        std::memcpy(out, &layout.palette[in[x] * 4], 3);
    }
    return true;
}

bool Read16(const uint8_t* in, uint8_t* out, int width, const Layout&) {
    for (int x = 0; x < width; ++x, out += 3) {
        const uint16_t v = GetU16(in + 2 * x);
        out[0] = static_cast<uint8_t>((v << 3) & 0xF8);
        out[1] = static_cast<uint8_t>((v >> 3) & 0xFC);
        out[2] = static_cast<uint8_t>((v >> 8) & 0xF8);
    }
    return true;
}

bool ReadDirect(const uint8_t* in, uint8_t* out, int width, const Layout& layout) {
    std::memcpy(out, in, static_cast<size_t>(width) * (layout.bitCount / 8));
    return true;
}

RowReader ReaderFor(int bitCount) {
    switch (bitCount) {
        case 8:
            return Read8;
        case 16:
            return Read16;
        default:
            return ReadDirect;
    }
}

}  // namespace

std::optional<BmpPicture> ReadBmp(std::span<const uint8_t> bytes, std::string* error) {
    Layout layout;
    if (const char* problem = CheckHeaders(bytes, layout)) return Fail(error, problem);
    auto bitmap = Bitmap::Create(layout.width, layout.height, layout.bitCount == 32 ? 32 : 24);
    if (!bitmap) return Fail(error, "out of memory for the bitmap");
    const RowReader read = ReaderFor(layout.bitCount);
    for (int y = 0; y < layout.height; ++y) {
        const uint8_t* in = bytes.data() + layout.pixelOffset + layout.stride * y;
        // A top-down file's first stored row is the top row.
        uint8_t* out = layout.topDown ? bitmap->RowFromTop(y) : bitmap->Row(y);
        if (!read(in, out, layout.width, layout))
            return Fail(error, "pixel index beyond the palette");
    }
    return BmpPicture{std::move(*bitmap), layout.bitCount};
}

}  // namespace vn

#include "formats/picture/Bitmap.h"

#include "formats/bmp/BmpLayout.h"

namespace vn {

std::optional<Bitmap> Bitmap::Create(int width, int height, int bitCount) {
    if ((bitCount != 24 && bitCount != 32) || width < 1 || height < 1 || width > kMaxSide ||
        height > kMaxSide || int64_t{width} * height > kMaxPixels) {
        return std::nullopt;
    }
    Bitmap b;
    b.width_ = width;
    b.height_ = height;
    b.bitCount_ = bitCount;
    b.stride_ = static_cast<int>(BmpStride(width, bitCount));
    b.sourceWidth_ = width;
    b.sourceHeight_ = height;
    const uint32_t imageSize = static_cast<uint32_t>(b.stride_) * height;
    b.bytes_.assign(kBmpHeadersSize + imageSize, 0);

    BmpFileHeader file;
    file.fileSize = kBmpHeadersSize + imageSize;
    file.pixelOffset = kBmpHeadersSize;
    BmpInfoHeader info;
    info.width = width;
    info.height = height;
    info.bitCount = static_cast<uint16_t>(bitCount);
    info.imageSize = imageSize;
    std::span<uint8_t> all(b.bytes_);
    WriteRecord(all.first(kBmpFileHeaderSize), file);
    WriteRecord(all.subspan(kBmpFileHeaderSize, kBmpInfoHeaderSize), info);
    return b;
}

std::span<uint8_t> Bitmap::Pixels() { return std::span<uint8_t>(bytes_).subspan(kBmpHeadersSize); }

std::span<const uint8_t> Bitmap::Pixels() const {
    return std::span<const uint8_t>(bytes_).subspan(kBmpHeadersSize);
}

}  // namespace vn

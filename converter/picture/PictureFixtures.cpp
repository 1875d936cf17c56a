#include "converter/picture/PictureFixtures.h"

#include "formats/bmp/BmpLayout.h"

namespace vn {

std::vector<uint8_t> BmpFile(int width, int height, int bits, const PixelFill& fill) {
    const uint32_t stride = static_cast<uint32_t>(BmpStride(width, bits));
    std::vector<uint8_t> out(kBmpHeadersSize + stride * height, 0);
    BmpFileHeader file;
    file.fileSize = static_cast<uint32_t>(out.size());
    file.pixelOffset = kBmpHeadersSize;
    BmpInfoHeader info;
    info.width = width;
    info.height = height;
    info.bitCount = static_cast<uint16_t>(bits);
    info.imageSize = stride * height;
    std::span<uint8_t> all(out);
    WriteRecord(all.first(kBmpFileHeaderSize), file);
    WriteRecord(all.subspan(kBmpFileHeaderSize, kBmpInfoHeaderSize), info);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = out.data() + kBmpHeadersSize + static_cast<size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::vector<int> c = fill(x, y);
            if (bits == 16) {
                PutU16(row + 2 * x, static_cast<uint16_t>(c.at(0)));
                continue;
            }
            for (int i = 0; i < bits / 8; ++i)
                row[x * (bits / 8) + i] = static_cast<uint8_t>(c.at(i));
        }
    }
    return out;
}

ConvPicture MakePicture(int width, int height, int bits, const PixelFill& fill) {
    ConvPicture p(width, height, bits);
    for (int y = 0; y < height && !p.Empty(); ++y) {
        for (int x = 0; x < width; ++x) {
            const std::vector<int> c = fill(x, y);
            for (size_t i = 0; i < c.size(); ++i) p.At(x, y)[i] = static_cast<uint8_t>(c[i]);
        }
    }
    return p;
}

PixelFill Solid(std::vector<int> channels) {
    return [channels](int, int) { return channels; };
}

}  // namespace vn

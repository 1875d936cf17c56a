#include "fuzz/pictures/FuzzBase.h"

#include <random>

#include "formats/bmp/BmpLayout.h"
#include "formats/jbp/JbpWriter.h"
#include "formats/rbp/RbpLayout.h"

namespace vn {

const std::vector<uint8_t>& ValidJbpStream() {
    static const std::vector<uint8_t> stream = [] {
        JbpCoefficients c;
        c.width = 40;
        c.height = 24;
        for (auto& t : c.quant) t.fill(4);
        c.blocks.resize(JbpBlockCount(40, 24) * 64);
        std::mt19937 random(1);
        for (auto& v : c.blocks)
            v = random() % 4 == 0 ? static_cast<int16_t>(random() % 41) - 20 : 0;
        return *WriteJbpStream(c);
    }();
    return stream;
}

const std::vector<uint8_t>& ValidRbpFile() {
    static const std::vector<uint8_t> file = [] {
        const auto& jbp = ValidJbpStream();
        RbpHeader h;
        h.version = kRbpVersionJbp;
        h.type = kRbpTypeJbpAlpha;
        h.width = 40;
        h.height = 24;
        h.colourSize = static_cast<uint32_t>(jbp.size());
        std::vector<uint8_t> out(kRbpHeaderSize, 0);
        WriteRecord(std::span(out), h);
        out.insert(out.end(), jbp.begin(), jbp.end());
        out.resize(out.size() + 40 * 24, 0x80);
        return out;
    }();
    return file;
}

const std::vector<uint8_t>& ValidBmpFile() {
    static const std::vector<uint8_t> file = [] {
        const uint32_t palette = 16 * 4, stride = BmpStride(5, 8);
        BmpFileHeader f;
        f.pixelOffset = kBmpHeadersSize + palette;
        BmpInfoHeader info;
        info.width = 5;
        info.height = 3;
        info.bitCount = 8;
        info.coloursUsed = 16;
        std::vector<uint8_t> out(f.pixelOffset + stride * 3, 0);
        WriteRecord(std::span(out).first(kBmpFileHeaderSize), f);
        WriteRecord(std::span(out).subspan(kBmpFileHeaderSize), info);
        for (uint32_t i = 0; i < palette; ++i)
            out[kBmpHeadersSize + i] = static_cast<uint8_t>(i * 3);
        for (uint32_t i = f.pixelOffset; i < out.size(); ++i) out[i] = i % 16;
        return out;
    }();
    return file;
}

std::vector<uint8_t> FuzzInput(const uint8_t* data, size_t size, const std::vector<uint8_t>& base) {
    if (size == 0 || data[0] % 2 == 0) return std::vector<uint8_t>(data, data + size);
    std::vector<uint8_t> out = base;
    if (size < 3) return out;
    size_t at = (data[1] | data[2] << 8) % out.size();
    for (size_t i = 3; i < size && at < out.size(); ++i, ++at) out[at] ^= data[i];
    return out;
}

}  // namespace vn

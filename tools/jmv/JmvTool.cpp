// jmv: make movies from PNG frames and describe them.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/platform/host/Png.h"
#include "formats/jbp/JbpDecoder.h"
#include "formats/jbp/JbpEncoder.h"
#include "formats/picture/Bitmap.h"
#include "tools/jmv/JmvFile.h"

namespace vn {
namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "jmv: %s\n", message.c_str());
    return 1;
}

// Quality levels as the converter offers them: 1 -> 100, 2 -> 90, 3 -> 80.
constexpr int kQualities[] = {100, 90, 80};

std::optional<Bitmap> FromPng(const RgbaImage& png) {
    auto bmp = Bitmap::Create(png.width, png.height, 24);
    if (!bmp) return std::nullopt;
    for (int y = 0; y < png.height; ++y) {
        uint8_t* row = bmp->RowFromTop(y);
        for (int x = 0; x < png.width; ++x) {
            const uint8_t* p = &png.rgba[(static_cast<size_t>(y) * png.width + x) * 4];
            row[3 * x] = p[2];
            row[3 * x + 1] = p[1];
            row[3 * x + 2] = p[0];
        }
    }
    return bmp;
}

int Make(const std::vector<std::string>& args) {
    if (args.size() < 3) return Fail("usage: jmv make OUT.jmv --fps N [--quality 1-3] FRAME.png...");
    const std::string out = args[0];
    int fps = 0, quality = 2;
    size_t i = 1;
    for (; i + 1 < args.size() && args[i].rfind("--", 0) == 0; i += 2) {
        if (args[i] == "--fps") fps = std::atoi(args[i + 1].c_str());
        else if (args[i] == "--quality") quality = std::atoi(args[i + 1].c_str());
        else return Fail("unknown option " + args[i]);
    }
    if (fps <= 0 || fps > 60) return Fail("--fps must be 1-60");
    if (quality < 1 || quality > 3) return Fail("--quality must be 1, 2 or 3");
    std::vector<std::vector<uint8_t>> frames;
    int width = 0, height = 0;
    for (; i < args.size(); ++i) {
        std::string error;
        const auto png = ReadPngFile(args[i], &error);
        if (!png) return Fail(args[i] + ": " + error);
        if (frames.empty()) width = png->width, height = png->height;
        if (png->width != width || png->height != height) return Fail(args[i] + ": frames differ in size");
        const auto bmp = FromPng(*png);
        auto stream = bmp ? JbpEncode(*bmp, kQualities[quality - 1]) : std::nullopt;
        if (!stream) return Fail(args[i] + ": cannot be encoded");
        frames.push_back(std::move(*stream));
    }
    std::string error;
    const auto movie = JmvFile::Build(width, height, fps, frames, &error);
    if (!movie) return Fail(error);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(movie->data()), static_cast<std::streamsize>(movie->size()));
    if (!file) return Fail(out + ": cannot write");
    std::printf("%s: %zu frames of %d x %d at %d fps, %zu bytes\n", out.c_str(), frames.size(), width,
                height, fps, movie->size());
    return 0;
}

int Info(const std::vector<std::string>& args) {
    if (args.size() != 1) return Fail("usage: jmv info FILE");
    std::ifstream in(args[0], std::ios::binary);
    if (!in) return Fail(args[0] + ": cannot read");
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string error;
    const auto info = JmvFile::Parse(bytes, &error);
    if (!info) return Fail(args[0] + ": " + error);
    std::printf("%u frames, %u fps (%.2f s), %u x %u, frame data from byte %u\n", info->frameCount,
                info->fps, double(info->frameCount) / info->fps, info->width, info->height, info->dataStart);
    JbpDecoder decoder;
    int bad = 0;
    for (size_t i = 0; i < info->frames.size(); ++i) {
        const JmvFrame& f = info->frames[i];
        const std::span<const uint8_t> stream(&bytes[info->dataStart + f.offset], f.size);
        const auto header = JbpDecoder::ReadHeader(stream);
        const bool ok = header && decoder.JbpDecode(stream).has_value();
        bad += !ok;
        std::printf("frame %4zu  offset %9u  %7u bytes  %s\n", i, f.offset, f.size,
                    ok ? "decodes" : ("does not decode: " + decoder.LastError()).c_str());
    }
    return bad ? 1 : 0;
}

}  // namespace
}  // namespace vn

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 1 ? 2 : 1), argv + argc);
    const std::string cmd = argc > 1 ? argv[1] : "";
    if (cmd == "make") return vn::Make(args);
    if (cmd == "info") return vn::Info(args);
    std::fprintf(stderr, "usage: jmv make OUT.jmv --fps N [--quality 1-3] FRAME.png... | jmv info FILE\n");
    return 2;
}

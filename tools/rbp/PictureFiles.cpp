#include "tools/rbp/PictureFiles.h"

#include <algorithm>
#include <cstring>

#include "engine/platform/host/Cp932.h"
#include "engine/platform/host/HostFileSystem.h"
#include "formats/bmp/BmpReader.h"
#include "formats/mlz/MlzArchive.h"

namespace vn {
namespace {

std::optional<std::vector<uint8_t>> Fail(std::string& error, std::string message) {
    error = std::move(message);
    return std::nullopt;
}

// Position of ".mlz:" in any letter case, or npos.
size_t ArchiveSeparator(const std::string& s) {
    std::string lower = s;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const size_t at = lower.find(".mlz:");
    return at == std::string::npos ? at : at + 4;
}

bool HasAlpha(const RgbaImage& image) {
    for (size_t i = 3; i < image.rgba.size(); i += 4)
        if (image.rgba[i] != 255) return true;
    return false;
}

std::optional<Bitmap> FromRgba(const RgbaImage& image, std::string& error) {
    const bool alpha = HasAlpha(image);
    auto b = Bitmap::Create(image.width, image.height, alpha ? 32 : 24);
    if (!b) {
        error = "picture size not supported";
        return std::nullopt;
    }
    for (int y = 0; y < image.height; ++y) {
        uint8_t* out = b->RowFromTop(y);
        const uint8_t* in = &image.rgba[static_cast<size_t>(y) * image.width * 4];
        for (int x = 0; x < image.width; ++x, in += 4, out += b->BytesPerPixel()) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            if (alpha) out[3] = in[3];
        }
    }
    return b;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadSource(const std::string& source, std::string& error) {
    HostFileSystem files;
    const size_t split = ArchiveSeparator(source);
    const std::string file = split == std::string::npos ? source : source.substr(0, split);
    const auto path = InternalPath(file);
    if (!path) return Fail(error, "path has no Shift-JIS form: " + file);
    if (split == std::string::npos) {
        std::vector<uint8_t> bytes;
        if (!files.ReadWholeFile(path->c_str(), bytes)) return Fail(error, "cannot read " + file);
        return bytes;
    }
    const auto entry = Utf8ToCp932(source.substr(split + 1));
    if (!entry) return Fail(error, "entry name has no Shift-JIS form");
    MlzArchive archive(files);
    auto bytes = archive.ReadEntry(path->c_str(), entry->c_str());
    if (!bytes) return Fail(error, file + ": " + archive.LastError());
    return bytes;
}

bool WriteHostFile(const std::string& utf8Path, std::span<const uint8_t> bytes) {
    HostFileSystem files;
    const auto path = InternalPath(utf8Path);
    if (!path) return false;
    auto out = files.Create(path->c_str());
    return out && out->Write(bytes) && out->Close();
}

std::optional<Bitmap> PictureFromFile(std::span<const uint8_t> bytes, std::string& error) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        auto bmp = ReadBmp(bytes, &error);
        if (!bmp) return std::nullopt;
        return std::move(bmp->bitmap);
    }
    auto png = DecodePng(bytes, &error);
    if (!png) {
        if (error.empty()) error = "neither a PNG nor a BMP";
        return std::nullopt;
    }
    return FromRgba(*png, error);
}

RgbaImage ToRgba(const RbpPicture& picture) {
    RgbaImage image;
    image.width = picture.width;
    image.height = picture.height;
    image.rgba.resize(picture.pixels.size());
    for (size_t i = 0; i < picture.pixels.size(); i += 4) {
        image.rgba[i] = picture.pixels[i + 2];
        image.rgba[i + 1] = picture.pixels[i + 1];
        image.rgba[i + 2] = picture.pixels[i];
        image.rgba[i + 3] = picture.pixels[i + 3];
    }
    return image;
}

}  // namespace vn

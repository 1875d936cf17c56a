#include "engine/platform/host/Png.h"

#include <png.h>

#include <fstream>
#include <iterator>

namespace vn {

std::optional<std::vector<uint8_t>> EncodePng(const RgbaImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgba.size() != static_cast<size_t>(image.width) * image.height * 4) {
        return std::nullopt;
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, image.rgba.data(), 0, nullptr)) {
        return std::nullopt;
    }
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&png, out.data(), &size, 0, image.rgba.data(), 0, nullptr)) {
        return std::nullopt;
    }
    out.resize(size);
    return out;
}

std::optional<RgbaImage> DecodePng(std::span<const uint8_t> bytes, std::string* error) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        if (error) *error = png.message;
        return std::nullopt;
    }
    // Keeps a bad header from asking for gigabytes.
    if (png.width > 16384 || png.height > 16384) {
        png_image_free(&png);
        if (error) *error = "picture too large";
        return std::nullopt;
    }
    png.format = PNG_FORMAT_RGBA;
    RgbaImage image;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.rgba.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr)) {
        if (error) *error = png.message;
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

bool WritePngFile(const std::string& hostPath, const RgbaImage& image) {
    auto bytes = EncodePng(image);
    if (!bytes) return false;
    std::ofstream out(hostPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
    return static_cast<bool>(out);
}

std::optional<RgbaImage> ReadPngFile(const std::string& hostPath, std::string* error) {
    std::ifstream in(hostPath, std::ios::binary);
    if (!in) {
        if (error) *error = "cannot open " + hostPath;
        return std::nullopt;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return DecodePng(bytes, error);
}

}  // namespace vn

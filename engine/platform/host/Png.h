#pragma once
// PNG files for tools, screenshots and golden pictures: 8-bit RGBA in memory,
// rows from top to bottom.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vn {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width * height * 4 bytes
};

std::optional<std::vector<uint8_t>> EncodePng(const RgbaImage& image);
// nullopt (and a message in error when given) for anything that is not a PNG.
std::optional<RgbaImage> DecodePng(std::span<const uint8_t> bytes, std::string* error = nullptr);

// Host (UTF-8) paths, for tools and test output.
bool WritePngFile(const std::string& hostPath, const RgbaImage& image);
std::optional<RgbaImage> ReadPngFile(const std::string& hostPath, std::string* error = nullptr);

}  // namespace vn

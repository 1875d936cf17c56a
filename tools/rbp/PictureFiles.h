#pragma once
// File access of the rbp tool: sources given as FILE or ARCHIVE.mlz:ENTRY
// (UTF-8), pictures read from PNG or BMP, decoded pictures written as PNG.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/platform/host/Png.h"
#include "formats/picture/Bitmap.h"
#include "formats/rbp/RbpDecoder.h"

namespace vn {

// The bytes of a file, or of an archive entry when the argument has the
// form ARCHIVE.mlz:ENTRY; nullopt with a reason in error.
std::optional<std::vector<uint8_t>> ReadSource(const std::string& source, std::string& error);

bool WriteHostFile(const std::string& utf8Path, std::span<const uint8_t> bytes);

// A PNG or BMP file's picture: 32-bit when it has alpha (any PNG pixel not
// fully opaque, or a 32-bit BMP), else 24-bit.
std::optional<Bitmap> PictureFromFile(std::span<const uint8_t> bytes, std::string& error);

// The decoded picture (blue, green, red, alpha) as RGBA rows.
RgbaImage ToRgba(const RbpPicture& picture);

}  // namespace vn

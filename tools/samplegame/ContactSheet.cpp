#include "tools/samplegame/ContactSheet.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/platform/host/Cp932.h"
#include "engine/platform/host/Png.h"
#include "formats/io/RecordFields.h"
#include "formats/mlz/MlzArchive.h"
#include "formats/rbp/RbpDecoder.h"

namespace vn {
namespace {

constexpr int kColumns = 10, kThumbW = 160, kThumbH = 120, kCellW = 168, kCellH = 146;
constexpr const char* kArchives[] = {"bg", "Stand", "Visual", "Face", "Thumbnail", "System"};

struct Shot {
    std::string label;
    RbpPicture picture;
};

// A type 9 mask as a grey picture, bounded by the file's bytes.
bool DecodeMask(const std::vector<uint8_t>& rbp, RbpPicture& out) {
    if (rbp.size() < 36 || GetU32(&rbp[4]) != 9) return false;
    const uint32_t w = GetU32(&rbp[8]), h = GetU32(&rbp[12]), at = GetU32(&rbp[16]);
    if (w == 0 || h == 0 || w > 4096 || h > 4096 || at > rbp.size() || rbp.size() - at < uint64_t{w} * h) return false;
    out.width = static_cast<int>(w);
    out.height = static_cast<int>(h);
    out.pixels.resize(size_t{w} * h * 4);
    for (size_t i = 0; i < size_t{w} * h; ++i) {
        std::memset(&out.pixels[4 * i], rbp[at + i], 3);
        out.pixels[4 * i + 3] = 255;
    }
    return true;
}

void DrawCell(Picture& sheet, TextPainter& text, const Shot& shot, int index) {
    const int x0 = (index % kColumns) * kCellW + 4, y0 = (index / kColumns) * kCellH + 4;
    const RbpPicture& p = shot.picture;
    const int scale = std::max({1000, p.width * 1000 / kThumbW + 1, p.height * 1000 / kThumbH + 1});
    const int w = std::max(1, p.width * 1000 / scale), h = std::max(1, p.height * 1000 / scale);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint8_t* s = &p.pixels[(static_cast<size_t>(y * scale / 1000) * p.width + x * scale / 1000) * 4];
            const Rgb checker = ((x / 8 + y / 8) % 2) ? Rgb{200, 200, 200} : Rgb{240, 240, 240};
            sheet.Set(x0 + x, y0 + y, Mix(checker, {s[2], s[1], s[0]}, s[3] == 255 ? 256 : s[3]));
        }
    }
    text.Draw(sheet, x0, y0 + kThumbH + 2, 12, {40, 40, 60}, shot.label);
}

}  // namespace

int ContactSheet::Write(const std::string& dataFolder, bool vga, const std::string& pngPath, std::string* error) {
    std::vector<Shot> shots;
    JbpDecoder jbp;
    for (const char* name : kArchives) {
        const std::string path = dataFolder + "\\" + name + (vga ? "_vga.mlz" : ".mlz");
        MlzArchive archive(files_);
        if (!archive.LoadDirectory(path.c_str())) continue;
        for (uint32_t i = 0; i < archive.EntryCount(); ++i) {
            const MlzEntry entry = archive.Entry(i);
            const size_t len = std::strlen(entry.name);
            if (len < 4 || std::strcmp(entry.name + len - 4, ".rbp") != 0) continue;
            const auto bytes = archive.ReadEntryAt(path.c_str(), i);
            Shot shot{Cp932ToUtf8Lossy(entry.name), {}};
            if (bytes && (RbpDecode(*bytes, 0, shot.picture, jbp) || DecodeMask(*bytes, shot.picture)))
                shots.push_back(std::move(shot));
        }
    }
    if (shots.empty()) {
        if (error) *error = "no pictures in " + Cp932ToUtf8Lossy(dataFolder);
        return -1;
    }
    const int rows = (static_cast<int>(shots.size()) + kColumns - 1) / kColumns;
    Picture sheet(kColumns * kCellW, rows * kCellH, {250, 250, 252});
    for (size_t i = 0; i < shots.size(); ++i) DrawCell(sheet, text_, shots[i], static_cast<int>(i));
    RgbaImage png{sheet.Width(), sheet.Height(), {}};
    png.rgba.reserve(static_cast<size_t>(png.width) * png.height * 4);
    for (int y = 0; y < png.height; ++y)
        for (int x = 0; x < png.width; ++x) {
            const uint8_t* p = sheet.At(x, y);
            png.rgba.insert(png.rgba.end(), {p[2], p[1], p[0], 255});
        }
    if (!WritePngFile(pngPath, png)) {
        if (error) *error = "cannot write " + pngPath;
        return -1;
    }
    return static_cast<int>(shots.size());
}

}  // namespace vn

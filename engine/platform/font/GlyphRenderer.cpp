#include "engine/platform/font/GlyphRenderer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace vn {
namespace {

// The handheld's default face and what stands in for it here.
constexpr const char* kDefaultFace = "\xef\xbc\xad\xef\xbc\xb3 \xe3\x82\xb4\xe3\x82\xb7\xe3\x83\x83\xe3\x82\xaf";  // ＭＳ ゴシック
constexpr const char* kFallbackPattern = "monospace:lang=ja";

std::string Match(FcPattern* pattern, std::string* family) {
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    std::string file;
    if (found != nullptr) {
        FcChar8* value = nullptr;
        if (FcPatternGetString(found, FC_FILE, 0, &value) == FcResultMatch) file = reinterpret_cast<char*>(value);
        if (family != nullptr && FcPatternGetString(found, FC_FAMILY, 0, &value) == FcResultMatch) {
            *family = reinterpret_cast<char*>(value);
        }
        FcPatternDestroy(found);
    }
    return file;
}

char32_t FirstCodePoint(std::string_view s) {
    if (s.empty()) return 0;
    const auto b = [&](size_t i) { return static_cast<unsigned char>(i < s.size() ? s[i] : 0); };
    const unsigned c = b(0);
    if (c < 0x80) return c;
    if ((c >> 5) == 6) return ((c & 0x1F) << 6) | (b(1) & 0x3F);
    if ((c >> 4) == 14) return ((c & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    return ((c & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
}

}  // namespace

struct GlyphRenderer::Library {
    FT_Library ft = nullptr;
    FT_Face face = nullptr;
    std::string faceName;
    int pixelHeight = 0;
    ~Library() {
        if (face != nullptr) FT_Done_Face(face);
        if (ft != nullptr) FT_Done_FreeType(ft);
    }
};

GlyphRenderer::GlyphRenderer() : lib_(std::make_unique<Library>()) {
    if (FT_Init_FreeType(&lib_->ft) != 0) lib_->ft = nullptr;
}

GlyphRenderer::~GlyphRenderer() = default;

std::string GlyphRenderer::ResolveFace(const std::string& face) {
    if (!face.empty() && face != kDefaultFace) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
        std::string family;
        std::string file = Match(pattern, &family);
        FcPatternDestroy(pattern);
        // fontconfig always answers; only a face of that family counts.
        if (!file.empty() && strcasecmp(family.c_str(), face.c_str()) == 0) return file;
    }
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(kFallbackPattern));
    std::string file = pattern != nullptr ? Match(pattern, nullptr) : std::string();
    if (pattern != nullptr) FcPatternDestroy(pattern);
    return file;
}

bool GlyphRenderer::Open(const std::string& face, int pixelHeight) {
    if (lib_->ft == nullptr) return false;
    if (lib_->face != nullptr && lib_->faceName == face && lib_->pixelHeight == pixelHeight) return true;
    if (lib_->face == nullptr || lib_->faceName != face) {
        if (lib_->face != nullptr) FT_Done_Face(lib_->face);
        lib_->face = nullptr;
        const std::string file = ResolveFace(face);
        if (file.empty() || FT_New_Face(lib_->ft, file.c_str(), 0, &lib_->face) != 0) {
            lib_->face = nullptr;
            return false;
        }
        lib_->faceName = face;
        lib_->pixelHeight = 0;
    }
    if (FT_Set_Pixel_Sizes(lib_->face, 0, static_cast<FT_UInt>(pixelHeight)) != 0) return false;
    lib_->pixelHeight = pixelHeight;
    return true;
}

bool GlyphRenderer::Draw(const std::string& face, int pixelHeight, std::string_view utf8Char, uint8_t* cell,
                         int cellWidth, int cellHeight) {
    std::memset(cell, 0, static_cast<size_t>(cellWidth) * cellHeight * 3);
    if (pixelHeight <= 0 || !Open(face, pixelHeight)) return false;
    FT_Face f = lib_->face;
    if (FT_Load_Char(f, FirstCodePoint(utf8Char), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0) {
        return true;  // a character the face lacks draws as blank
    }
    const FT_Bitmap& bm = f->glyph->bitmap;
    // The baseline sits at the face's ascent within the cell, as the
    // platform's text output places it.
    const int ascent = static_cast<int>((f->size->metrics.ascender + 63) >> 6);
    const int top = ascent - f->glyph->bitmap_top;
    const int left = f->glyph->bitmap_left;
    for (unsigned row = 0; row < bm.rows; ++row) {
        const int y = top + static_cast<int>(row);
        if (y < 0 || y >= cellHeight) continue;
        const unsigned char* bits = bm.buffer + static_cast<ptrdiff_t>(row) * bm.pitch;
        for (unsigned col = 0; col < bm.width; ++col) {
            const int x = left + static_cast<int>(col);
            if (x < 0 || x >= cellWidth || !(bits[col >> 3] & (0x80 >> (col & 7)))) continue;
            std::memset(cell + (static_cast<size_t>(y) * cellWidth + x) * 3, 0xFF, 3);
        }
    }
    return true;
}

}  // namespace vn

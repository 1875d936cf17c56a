#include "tools/samplegame/TextPainter.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace vn {

struct TextPainter::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Impl() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

TextPainter::TextPainter(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
TextPainter::~TextPainter() = default;

std::unique_ptr<TextPainter> TextPainter::Open(const std::string& fontPath) {
    auto impl = std::make_unique<Impl>();
    if (FT_Init_FreeType(&impl->library) != 0) return nullptr;
    if (FT_New_Face(impl->library, fontPath.c_str(), 0, &impl->face) != 0) return nullptr;
    return std::unique_ptr<TextPainter>(new TextPainter(std::move(impl)));
}

std::unique_ptr<TextPainter> TextPainter::OpenDefault() {
    return Open("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf");
}

namespace {

// Next code point of UTF-8 text; malformed bytes give U+FFFD.
char32_t NextCodePoint(const std::string& s, size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80) return b;
    const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t c = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return c;
}

}  // namespace

int TextPainter::Walk(Picture* pic, int x, int y, int size, Rgb colour, const std::string& utf8) {
    FT_Face face = impl_->face;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size));
    const int ascender = static_cast<int>(face->size->metrics.ascender >> 6);
    int pen = x;
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, i);
        if (FT_Load_Char(face, c, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot g = face->glyph;
        if (pic) {
            for (unsigned row = 0; row < g->bitmap.rows; ++row) {
                for (unsigned col = 0; col < g->bitmap.width; ++col) {
                    const int cover = g->bitmap.buffer[row * g->bitmap.pitch + col];
                    pic->Blend(pen + g->bitmap_left + static_cast<int>(col),
                               y + ascender - g->bitmap_top + static_cast<int>(row), colour, cover);
                }
            }
        }
        pen += static_cast<int>(g->advance.x >> 6);
    }
    return pen - x;
}

int TextPainter::Measure(const std::string& utf8, int size) {
    return Walk(nullptr, 0, 0, size, {}, utf8);
}

int TextPainter::Draw(Picture& pic, int x, int y, int size, Rgb colour, const std::string& utf8) {
    return Walk(&pic, x, y, size, colour, utf8);
}

int TextPainter::DrawCentred(Picture& pic, int cx, int y, int size, Rgb colour,
                             const std::string& utf8) {
    return Walk(&pic, cx - Measure(utf8, size) / 2, y, size, colour, utf8);
}

}  // namespace vn

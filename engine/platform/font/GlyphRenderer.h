#pragma once
// The platform's text output for glyphs: a face name resolved through
// fontconfig, one character rendered by FreeType without anti-aliasing,
// white on an opaque black cell of 24-bit pixels.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vn {

class GlyphRenderer {
public:
    GlyphRenderer();
    ~GlyphRenderer();
    GlyphRenderer(const GlyphRenderer&) = delete;
    GlyphRenderer& operator=(const GlyphRenderer&) = delete;

    // The font file for a face name (UTF-8); "ＭＳ ゴシック" and names that
    // fontconfig only substitutes fall back to a Japanese monospaced face.
    static std::string ResolveFace(const std::string& faceUtf8);

    // Draws the character (one code point, UTF-8) at (0, 0) of a top-down
    // 24-bit cell; the cell is cleared to black first. False when no font
    // could be opened (the cell is then black).
    bool Draw(const std::string& faceUtf8, int pixelHeight, std::string_view utf8Char, uint8_t* cell,
              int cellWidth, int cellHeight);

private:
    bool Open(const std::string& faceUtf8, int pixelHeight);

    struct Library;
    std::unique_ptr<Library> lib_;
};

}  // namespace vn

#pragma once
// Draws UTF-8 labels into pictures with FreeType from one font file (the
// installed IPA Gothic). Glyphs are rendered in 8-bit grey and blended.

#include <memory>
#include <string>

#include "tools/samplegame/Picture.h"

namespace vn {

class TextPainter {
public:
    ~TextPainter();
    // nullptr when the font cannot be opened.
    static std::unique_ptr<TextPainter> Open(const std::string& fontPath);
    // The font the sample game uses, from its usual place.
    static std::unique_ptr<TextPainter> OpenDefault();

    // Width in pixels of the text at the size.
    int Measure(const std::string& utf8, int size);
    // Draws with the top-left of the text's line box at (x, y); returns the
    // width drawn.
    int Draw(Picture& pic, int x, int y, int size, Rgb colour, const std::string& utf8);
    int DrawCentred(Picture& pic, int cx, int y, int size, Rgb colour, const std::string& utf8);

private:
    struct Impl;
    explicit TextPainter(std::unique_ptr<Impl> impl);
    int Walk(Picture* pic, int x, int y, int size, Rgb colour, const std::string& utf8);
    std::unique_ptr<Impl> impl_;
};

}  // namespace vn

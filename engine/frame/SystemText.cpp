#include "engine/frame/SystemText.h"

#include <algorithm>

#include "formats/text/ShiftJis.h"

namespace vn {

SystemText::SystemText(Platform& platform, const Screen& screen)
    : properties(screen.properties),
      face("\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e"),  // "ＭＳ ゴシック"
      platform_(platform),
      width_(screen.logicalWidth),
      height_(screen.logicalHeight),
      cell_(static_cast<size_t>(kCell) * kCell * 3) {}

void SystemText::Plot(uint8_t* canvas, uint8_t* frameBuffer, int x, int y, uint32_t colour) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;  // never outside the screen
    const uint8_t r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    if (canvas != nullptr) {
        uint8_t* p = canvas + (static_cast<size_t>(y) + static_cast<size_t>(height_) * (width_ - 1 - x)) * 3;
        p[0] = b, p[1] = g, p[2] = r;
    } else if (frameBuffer != nullptr) {
        uint8_t* p = frameBuffer + int64_t{y} * properties.xPitch + int64_t{width_ - 1 - x} * properties.yPitch;
        const uint16_t v = Screen::To565(b, g, r);
        p[0] = static_cast<uint8_t>(v);
        p[1] = static_cast<uint8_t>(v >> 8);
    }
}

void SystemText::Draw(uint8_t* canvas, const char* text, int x, int y, uint32_t colour, int newSize) {
    if (newSize > 0 && newSize != size) size = std::min(newSize, kCell);
    for (const char* s = text; *s != '\0';) {
        const bool wide = IsLeadByte(static_cast<unsigned char>(*s)) && s[1] != '\0';
        const int length = wide ? 2 : 1;
        const int cellWidth = wide ? size : size / 2;
        platform_.DrawGlyph(face, size, std::string_view(s, length), cell_.data(), kCell, kCell);
        uint8_t* frameBuffer = canvas == nullptr ? platform_.BeginDraw() : nullptr;
        for (int j = 0; j < size; ++j) {
            for (int i = 0; i < cellWidth; ++i) {
                if (cell_[(static_cast<size_t>(j) * kCell + i) * 3] != 0) Plot(canvas, frameBuffer, x + i, y + j, colour);
            }
        }
        if (canvas == nullptr) platform_.EndDraw();
        x += cellWidth;
        s += length;
    }
}

}  // namespace vn

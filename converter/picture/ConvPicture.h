#pragma once
// The converter's working picture: a 24- or 32-bit bottom-up Bitmap with the
// size it had when it was made, and the bit count of the file it came from.
// Every operation replaces the bitmap it holds and reports false when the
// picture's bit count does not allow it (the picture is then unchanged).
// 16-bit RGB565 and 8-bit files are widened to 24-bit by ReadBmp already.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "formats/bmp/BmpReader.h"
#include "formats/picture/Bitmap.h"

namespace vn {

struct Bgr {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
};

class ConvPicture {
  public:
    enum class ScaleMode { AllPixels, OpaquePixels };

    ConvPicture() = default;
    // A zero-filled picture; bits must be 24 or 32 and the sizes within
    // Bitmap's limits, else the picture stays empty.
    ConvPicture(int width, int height, int bits);
    explicit ConvPicture(Bitmap bitmap, int fileBitCount = 0);

    // The picture of a bitmap file, or nullopt (with the reason) for bad
    // bytes.
    static std::optional<ConvPicture> FromBitmap(std::span<const uint8_t> file,
                                                 std::string* error = nullptr);
    // Alpha 0 where blue, green and red are all below 2, else 255; then the
    // edges are feathered.
    bool KeyNearBlack();
    // Alpha 0 where blue, green and red are all 0, else 255.
    bool KeyBlack();
    // Alpha from a mask of width × height bytes, bottom-up rows without
    // padding. A mask of another size is refused.
    bool AlphaFromMask(std::span<const uint8_t> mask);
    // 32-bit only: pixels of exactly this colour get alpha and newColour.
    bool ColorToAlpha(Bgr colour, uint8_t alpha, Bgr newColour);
    // Draws this 32-bit picture onto base with its top-left corner at x, y;
    // the base becomes this picture. Pixels outside the base are skipped.
    bool BlendOnto(const ConvPicture& base, int x, int y);
    // Copies the overlay's pixels that are not pure black onto this picture
    // at x, y. Pixels outside this picture are skipped.
    bool PasteOnto(const ConvPicture& overlay, int x, int y);
    // Strip of four frames: an odd frame width gets one transparent column.
    bool PadFrames();
    // Strip of four frames: frame 0's alpha into frames 1 to 3.
    bool ShareFrameAlpha();
    // Box-filter scaling to percent of the size (100 leaves it unchanged).
    bool Scale(int percent, ScaleMode mode);

    bool Empty() const { return !bitmap_.has_value(); }
    int Width() const { return Empty() ? 0 : bitmap_->Width(); }
    int Height() const { return Empty() ? 0 : bitmap_->Height(); }
    int Bits() const { return Empty() ? 0 : bitmap_->BitCount(); }
    // 8, 16, 24 or 32 for a picture read from a file, else 0.
    int FileBitCount() const { return fileBitCount_; }
    int SourceWidth() const { return Empty() ? 0 : bitmap_->SourceWidth(); }
    int SourceHeight() const { return Empty() ? 0 : bitmap_->SourceHeight(); }
    void SetSourceSize(int width, int height) {
        if (!Empty()) bitmap_->SetSourceSize(width, height);
    }

    // Pixel at column x of row y counted from the top (not empty).
    uint8_t* At(int x, int y) { return bitmap_->RowFromTop(y) + x * (bitmap_->BitCount() / 8); }
    const uint8_t* At(int x, int y) const {
        return bitmap_->RowFromTop(y) + x * (bitmap_->BitCount() / 8);
    }
    // The bitmap itself (not empty).
    const Bitmap& Picture() const { return *bitmap_; }

  private:
    // A blank picture for a replacement; false when it cannot be made.
    bool MakeLike(int width, int height, int bits, ConvPicture& out) const;
    // This picture at 32 bits with every alpha 255.
    bool To32();
    void Feather();
    template <class Visit>
    void ForEachPixel(Visit visit);  // visit(pixel, x, y from the top)

    std::optional<Bitmap> bitmap_;
    int fileBitCount_ = 0;
};

}  // namespace vn

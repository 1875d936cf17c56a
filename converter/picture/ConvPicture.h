#pragma once
// The converter's working picture: a bottom-up bitmap of 16, 24 or 32 bits
// per pixel (rows padded to 4 bytes) with the size it had when it was made.
// Every operation replaces the pixels it holds and reports false when the
// picture's bit count does not allow it (the picture is then unchanged).

#include <cstdint>
#include <span>
#include <vector>

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
    // A zero-filled picture; bits must be 16, 24 or 32 and the sizes
    // positive, else the picture stays empty.
    ConvPicture(int width, int height, int bits);

    // 16-bit RGB565 to 24-bit; other bit counts unchanged (returns true).
    bool To24();
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

    bool Empty() const { return pixels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Bits() const { return bits_; }
    int Stride() const { return stride_; }
    int SourceWidth() const { return sourceWidth_; }
    int SourceHeight() const { return sourceHeight_; }
    void SetSourceSize(int width, int height);

    // Pixel at column x of row y counted from the top.
    uint8_t* At(int x, int y) { return pixels_.data() + Offset(x, y); }
    const uint8_t* At(int x, int y) const { return pixels_.data() + Offset(x, y); }
    // The bottom-up rows as stored, Stride() bytes apart.
    std::span<const uint8_t> Pixels() const { return pixels_; }
    std::span<uint8_t> Pixels() { return pixels_; }

private:
    size_t Offset(int x, int y) const {
        return static_cast<size_t>(height_ - 1 - y) * stride_ + static_cast<size_t>(x) * (bits_ / 8);
    }
    bool IsTrueColour() const { return !Empty() && (bits_ == 24 || bits_ == 32); }
    // This picture at 32 bits with every alpha 255.
    void To32();
    void Feather();

    int width_ = 0;
    int height_ = 0;
    int bits_ = 0;
    int stride_ = 0;
    int sourceWidth_ = 0;
    int sourceHeight_ = 0;
    std::vector<uint8_t> pixels_;
};

}  // namespace vn

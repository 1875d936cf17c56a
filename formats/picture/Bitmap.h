#pragma once
// The converter's in-memory picture: a bottom-up Windows bitmap of 24 or 32
// bits per pixel (blue, green, red[, alpha]) in one buffer, a 54-byte header
// followed by rows padded to a multiple of 4 bytes, plus the size the
// picture had before it was scaled or composed.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vn {

class Bitmap {
  public:
    // Largest accepted width or height, and pixel count: far above any
    // picture of the game, and small enough that no size computation
    // overflows.
    static constexpr int kMaxSide = 32767;
    static constexpr int64_t kMaxPixels = int64_t{1} << 26;

    // A black picture (alpha 0 too); nullopt when the bit count is not 24 or
    // 32 or the size is not within 1..kMaxSide and kMaxPixels. The source
    // size starts as the size.
    static std::optional<Bitmap> Create(int width, int height, int bitCount);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitCount() const { return bitCount_; }
    int BytesPerPixel() const { return bitCount_ / 8; }
    int Stride() const { return stride_; }

    int SourceWidth() const { return sourceWidth_; }
    int SourceHeight() const { return sourceHeight_; }
    void SetSourceSize(int width, int height) {
        sourceWidth_ = width;
        sourceHeight_ = height;
    }

    // Row y counted from the bottom, as stored; and counted from the top.
    uint8_t* Row(int y) { return Pixels().data() + static_cast<size_t>(y) * stride_; }
    const uint8_t* Row(int y) const { return Pixels().data() + static_cast<size_t>(y) * stride_; }
    uint8_t* RowFromTop(int y) { return Row(height_ - 1 - y); }
    const uint8_t* RowFromTop(int y) const { return Row(height_ - 1 - y); }

    // The whole bitmap file (header and rows), and its rows alone.
    std::span<const uint8_t> FileBytes() const { return bytes_; }
    std::span<uint8_t> Pixels();
    std::span<const uint8_t> Pixels() const;

  private:
    Bitmap() = default;

    int width_ = 0;
    int height_ = 0;
    int bitCount_ = 0;
    int stride_ = 0;
    int sourceWidth_ = 0;
    int sourceHeight_ = 0;
    std::vector<uint8_t> bytes_;
};

}  // namespace vn

#include "engine/platform/interface/EmulatedDisplay.h"

#include "engine/platform/host/Png.h"

namespace vn {
namespace {

void Put565(uint8_t* rgba, uint16_t p) {
    const int r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
    rgba[0] = static_cast<uint8_t>((r << 3) | (r >> 2));
    rgba[1] = static_cast<uint8_t>((g << 2) | (g >> 4));
    rgba[2] = static_cast<uint8_t>((b << 3) | (b >> 2));
    rgba[3] = 255;
}

}  // namespace

void EmulatedDisplay::Open(int clientWidth, int clientHeight) {
    if (profile_.display == DisplayKind::Bitmap) {
        if (clientHeight < 240) clientWidth = 320, clientHeight = 240;
        bitmapWidth_ = clientWidth;
        bitmapHeight_ = clientHeight;
        // Posing as a portrait buffer whose origin is the window's top-right
        // pixel: the engine's rotation then cancels out.
        properties_ = {clientHeight, clientWidth, -2 * clientWidth, -2, 16, 0x80};
    } else {
        bitmapWidth_ = kPortraitWidth;
        bitmapHeight_ = kPortraitHeight;
        properties_ = {kPortraitWidth, kPortraitHeight, 2, 2 * kPortraitWidth, 16, 0x80};
    }
    memory_.assign(static_cast<size_t>(bitmapWidth_) * bitmapHeight_ * 2, 0);
}

size_t EmulatedDisplay::OriginOffset() const {
    // The bitmap's last pixel is the top-right one on screen (bottom-up rows).
    return profile_.display == DisplayKind::Bitmap ? memory_.size() - 2 : 0;
}

uint8_t* EmulatedDisplay::Origin() { return memory_.empty() ? nullptr : memory_.data() + OriginOffset(); }

uint16_t EmulatedDisplay::PixelAt(int64_t byteOffset) const {
    if (byteOffset < 0 || static_cast<size_t>(byteOffset) + 1 >= memory_.size()) return 0;
    return static_cast<uint16_t>(memory_[byteOffset] | (memory_[byteOffset + 1] << 8));
}

uint16_t EmulatedDisplay::LogicalPixel(int x, int y) const {
    const int64_t at = static_cast<int64_t>(OriginOffset()) + int64_t{y} * properties_.xPitch +
                       int64_t{profile_.logicalWidth - 1 - x} * properties_.yPitch;
    return PixelAt(at);
}

void EmulatedDisplay::ToLandscape(RgbaImage& image) const {
    image.width = profile_.logicalWidth;
    image.height = profile_.logicalHeight;
    image.rgba.assign(static_cast<size_t>(image.width) * image.height * 4, 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            Put565(&image.rgba[(static_cast<size_t>(y) * image.width + x) * 4], LogicalPixel(x, y));
        }
    }
}

void EmulatedDisplay::ToNative(RgbaImage& image) const {
    if (profile_.display == DisplayKind::Bitmap) return ToLandscape(image);
    image.width = bitmapWidth_;
    image.height = bitmapHeight_;
    image.rgba.assign(static_cast<size_t>(image.width) * image.height * 4, 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            Put565(&image.rgba[(static_cast<size_t>(y) * image.width + x) * 4],
                   PixelAt(int64_t{x} * properties_.xPitch + int64_t{y} * properties_.yPitch));
        }
    }
}

int32_t EmulatedDisplay::LogicalToPen(int x, int y) const {
    if (profile_.pen == PenKind::Client) return PackPoint(x, y);
    // The inverse of x = W - 1 - 2 * penY, y = 2 * penX (odd positions round down).
    return PackPoint(y / 2, (profile_.logicalWidth - 1 - x) / 2);
}

}  // namespace vn

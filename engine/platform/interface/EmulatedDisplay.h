#pragma once
// The frame buffer memory both drivers give the engine: the sigmarion3's
// bottom-up 16-bit bitmap or the Pocket PC's 480 x 640 portrait 5-6-5 frame
// buffer, with the views a window, a screenshot and the pen need.

#include <cstdint>
#include <vector>

#include "engine/platform/interface/BuildProfile.h"
#include "engine/platform/interface/Platform.h"

namespace vn {
struct RgbaImage;
}

namespace vn {

class EmulatedDisplay {
public:
    static constexpr int kPortraitWidth = 480;
    static constexpr int kPortraitHeight = 640;

    explicit EmulatedDisplay(const BuildProfile& profile) : profile_(profile) {}

    // clientWidth and clientHeight: the window's client size (the bitmap
    // build falls back to 320 x 240 below 240 rows).
    void Open(int clientWidth, int clientHeight);
    bool IsOpen() const { return !memory_.empty(); }
    void Close() { memory_.clear(); }

    DisplayProperties Properties() const { return properties_; }
    uint8_t* Origin();

    // The 5-6-5 pixel that logical (x, y) was presented to.
    uint16_t LogicalPixel(int x, int y) const;
    // Landscape at the logical size, as a user sees it.
    void ToLandscape(RgbaImage& image) const;
    // The frame buffer as the device holds it (portrait for Pocket PC).
    void ToNative(RgbaImage& image) const;

    // A logical position as the build's platform delivers pen positions.
    int32_t LogicalToPen(int x, int y) const;

private:
    size_t OriginOffset() const;
    uint16_t PixelAt(int64_t byteOffset) const;

    const BuildProfile& profile_;
    DisplayProperties properties_;
    std::vector<uint8_t> memory_;
    int bitmapWidth_ = 0, bitmapHeight_ = 0;
};

}  // namespace vn

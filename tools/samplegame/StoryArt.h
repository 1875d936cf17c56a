#pragma once
// The story's pictures: backgrounds, event pictures with their difference
// pictures, thumbnails, standing pictures (descriptors, variants, masks) and
// faces, as the PC game's archives hold them.

#include "tools/samplegame/SampleArchive.h"
#include "tools/samplegame/TextPainter.h"

namespace vn {

class StoryArt {
public:
    explicit StoryArt(TextPainter& text) : text_(text) {}

    SampleArchive Backgrounds(uint32_t method);
    SampleArchive Visuals(uint32_t method);
    SampleArchive Thumbnails(uint32_t method);
    SampleArchive Stands(uint32_t method);
    SampleArchive Faces(uint32_t method);

    // Stand geometry shared with the stand table.
    static constexpr int kStandWidth = 256, kStandHeight = 440, kStandTopMargin = 20;
    static int VariantScreenX();
    static int VariantScreenY();

private:
    Picture Scenery(int visual, bool withDiff);
    Picture DiffPicture(int visual);

    TextPainter& text_;
};

// Box-filtered reduction, used for thumbnails and the contact sheet.
Picture Shrink(const Picture& pic, int width, int height);

}  // namespace vn

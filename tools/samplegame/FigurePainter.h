#pragma once
// Draws a character of the cast as a simple, friendly figure: the one
// drawing serves standing pictures, faces, event pictures and mascots.

#include "tools/samplegame/Picture.h"
#include "tools/samplegame/SampleCast.h"

namespace vn {

enum class Expression { Calm, Smile, Troubled, EyesClosed, EyesHalf };

class FigurePainter {
public:
    // The figure's box at scale 1000 is 256 x 420 with the head centred at
    // (128, 115); cx and top place that box's top centre.
    static void Draw(Picture& pic, int cx, int top, int scale1000, const CastMember& who,
                     Expression expression);
    // The part of the figure that changes with the expression, in the box's
    // coordinates at scale 1000.
    static constexpr int kFaceX = 80, kFaceY = 100, kFaceW = 96, kFaceH = 70;
};

}  // namespace vn

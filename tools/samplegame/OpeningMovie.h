#pragma once
// The opening movie: the grove at night, lights drifting up, the cast
// passing by and the title fading in; 320 x 240 frames so that both
// players show it (1:1 on the small screen, doubled on the large one).

#include <optional>
#include <string>
#include <vector>

#include "tools/samplegame/TextPainter.h"

namespace vn {

class OpeningMovie {
public:
    static constexpr int kWidth = 320, kHeight = 240, kFps = 12;
    static constexpr double kSeconds = 8.0;

    explicit OpeningMovie(TextPainter& text) : text_(text) {}
    Picture Frame(int index);
    // The .jmv file; nullopt with a reason when a frame does not encode.
    std::optional<std::vector<uint8_t>> Build(std::string* error);

private:
    TextPainter& text_;
};

}  // namespace vn

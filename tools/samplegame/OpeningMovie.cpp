#include "tools/samplegame/OpeningMovie.h"

#include <algorithm>

#include "formats/jbp/JbpEncoder.h"
#include "formats/picture/Bitmap.h"
#include "tools/jmv/JmvFile.h"
#include "tools/samplegame/FigurePainter.h"
#include "tools/samplegame/SampleCast.h"

namespace vn {

Picture OpeningMovie::Frame(int index) {
    const int t = index * 1000 / kFps;  // ms
    Picture pic(kWidth, kHeight);
    pic.VerticalGradient(0, 0, kWidth, 170, {14, 20, 60}, {50, 70, 130});
    pic.VerticalGradient(0, 170, kWidth, 70, {30, 60, 40}, {14, 30, 20});
    for (int i = 0; i < 7; ++i) pic.Ellipse(20 + i * 48, 150 + (i % 2) * 10, 34, 60, {24, 60, 40});
    for (int i = 0; i < 40; ++i) {  // lights rising through the trees
        const int x = (i * 83) % kWidth + (t / 40 + i * 7) % 9 - 4;
        const int y = kHeight - ((t / 8 + i * 53) % (kHeight + 20));
        const int r = 1 + i % 3;
        pic.Ellipse(x, y, r, r, {255, 246, 170});
    }
    // From 1 s to 5 s the cast walks past, one after another.
    if (t >= 1000 && t < 5000) {
        const int k = (t - 1000) / 333 % 12, phase = (t - 1000) % 333;
        FigurePainter::Draw(pic, kWidth + 60 - phase * (kWidth + 120) / 333, 70, 420, kCast[k], Expression::Smile);
    }
    if (t >= 4500) {  // the title, fading in over a second
        const int fade = std::min(256, (t - 4500) * 256 / 1000);
        const Rgb gold = Mix({50, 70, 130}, {250, 240, 190}, fade);
        text_.DrawCentred(pic, kWidth / 2, 70, 40, gold, "LucentGrove");
        text_.DrawCentred(pic, kWidth / 2, 120, 20, Mix({50, 70, 130}, {230, 230, 255}, fade), "ルーセントグローヴ");
    }
    return pic;
}

std::optional<std::vector<uint8_t>> OpeningMovie::Build(std::string* error) {
    std::vector<std::vector<uint8_t>> frames;
    const int count = static_cast<int>(kSeconds * kFps);
    for (int i = 0; i < count; ++i) {
        const Picture pic = Frame(i);
        auto bmp = Bitmap::Create(kWidth, kHeight, 24);
        for (int y = 0; y < kHeight; ++y) {
            uint8_t* row = bmp->RowFromTop(y);
            for (int x = 0; x < kWidth; ++x) std::copy_n(pic.At(x, y), 3, row + 3 * x);
        }
        auto stream = JbpEncode(*bmp, 90);
        if (!stream) {
            if (error) *error = "opening frame " + std::to_string(i) + " does not encode";
            return std::nullopt;
        }
        frames.push_back(std::move(*stream));
    }
    return JmvFile::Build(kWidth, kHeight, kFps, frames, error);
}

}  // namespace vn

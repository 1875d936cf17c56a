#include "tools/samplegame/FigurePainter.h"

namespace vn {
namespace {

constexpr Rgb kSkin{250, 222, 204};
constexpr Rgb kEye{34, 30, 56};
constexpr Rgb kWhite{252, 252, 252};
constexpr Rgb kMouth{214, 96, 110};
constexpr Rgb kBlush{246, 170, 170};

struct Scaler {
    int cx, top, s;
    int X(int v) const { return cx + (v - 128) * s / 1000; }
    int Y(int v) const { return top + v * s / 1000; }
    int L(int v) const { return v * s / 1000; }
};

void Eyes(Picture& pic, const Scaler& k, Expression e) {
    for (int side = -1; side <= 1; side += 2) {
        const int x = k.X(128 + side * 26), y = k.Y(122);
        switch (e) {
        case Expression::Smile:
            pic.Ellipse(x, y, k.L(9), k.L(4), kEye);
            pic.Ellipse(x, y + k.L(3), k.L(9), k.L(3), kSkin);
            break;
        case Expression::EyesClosed:
            pic.FillRect(x - k.L(9), y, k.L(18), std::max(1, k.L(3)), kEye);
            break;
        case Expression::EyesHalf:
            pic.Ellipse(x, y + k.L(3), k.L(8), k.L(6), kEye);
            pic.FillRect(x - k.L(9), y - k.L(8), k.L(18), k.L(8), kSkin);
            break;
        default:
            pic.Ellipse(x, y, k.L(8), k.L(11), kEye);
            pic.Ellipse(x + k.L(3), y - k.L(4), k.L(3), k.L(3), kWhite);
        }
        if (e == Expression::Troubled) {
            for (int i = 0; i < k.L(18); ++i)
                pic.FillRect(x - k.L(9) + i, k.Y(104) + side * (i - k.L(9)) / 3, 1, std::max(1, k.L(3)), kEye);
        }
    }
}

void Mouth(Picture& pic, const Scaler& k, Expression e) {
    const int x = k.X(128), y = k.Y(152);
    if (e == Expression::Smile) {
        pic.Ellipse(x, y, k.L(13), k.L(7), kMouth);
        pic.Ellipse(x, y - k.L(4), k.L(14), k.L(5), kSkin);
        pic.Ellipse(k.X(92), k.Y(140), k.L(10), k.L(5), kBlush);
        pic.Ellipse(k.X(164), k.Y(140), k.L(10), k.L(5), kBlush);
    } else if (e == Expression::Troubled) {
        pic.Ellipse(x, y + k.L(2), k.L(6), k.L(4), kMouth);
    } else {
        pic.FillRect(x - k.L(8), y, k.L(16), std::max(1, k.L(3)), kMouth);
    }
}

}  // namespace

void FigurePainter::Draw(Picture& pic, int cx, int top, int s, const CastMember& who,
                         Expression e) {
    const Scaler k{cx, top, s};
    pic.Ellipse(k.X(128), k.Y(130), k.L(84), k.L(110), who.hair);  // hair behind
    for (int y = 200; y < 420; ++y) {                                 // dress
        const int half = 46 + (y - 200) * 60 / 220;
        pic.FillRect(k.X(128 - half), k.Y(y), k.L(2 * half) + 1, std::max(1, k.L(1) + 1), who.dress);
    }
    pic.Ellipse(k.X(128), k.Y(206), k.L(34), k.L(12), kWhite);  // collar
    pic.FillRect(k.X(114), k.Y(170), k.L(28), k.L(34), kSkin);   // neck
    pic.Ellipse(k.X(128), k.Y(118), k.L(62), k.L(72), kSkin);    // head
    pic.Ellipse(k.X(128), k.Y(72), k.L(68), k.L(30), who.hair);  // fringe
    for (int bump = 0; bump < 4; ++bump)
        pic.Ellipse(k.X(86 + 28 * bump), k.Y(94), k.L(16), k.L(10), who.hair);
    Eyes(pic, k, e);
    Mouth(pic, k, e);
}

}  // namespace vn

#include "tools/samplegame/SystemArt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/samplegame/BitmapFile.h"
#include "tools/samplegame/FigurePainter.h"
#include "tools/samplegame/SampleCast.h"
#include "tools/samplegame/StoryArt.h"

namespace vn {
namespace {

constexpr Rgb kInk{60, 50, 90};
constexpr Rgb kPaper{250, 248, 240};
constexpr Rgb kLilac{170, 150, 210};
constexpr Rgb kMagenta{255, 0, 255};  // the converter turns it into half-transparent blue
constexpr Rgb kBlack{0, 0, 0};        // keyed away by the converter
constexpr Rgb kWhite{255, 255, 255};

void Button(TextPainter& t, Picture& pic, int x, int y, int w, int h, const std::string& label, Rgb face) {
    pic.FillRect(x + 2, y + 2, w - 4, h - 4, face);
    pic.Frame(x + 2, y + 2, w - 4, h - 4, 2, kInk);
    t.DrawCentred(pic, x + w / 2, y + (h - 20) / 2, 20, kInk, label);
}

void Backdrop(TextPainter& t, Picture& pic, Rgb top, Rgb bottom, const std::string& title) {
    pic.VerticalGradient(0, 0, pic.Width(), pic.Height(), top, bottom);
    for (int i = 0; i < 24; ++i)
        pic.Ellipse((i * 151) % pic.Width(), (i * 97) % pic.Height(), 6 + i % 5, 6 + i % 5,
                    Mix(top, kWhite, 90));
    if (!title.empty()) {
        pic.FillRect(0, 0, pic.Width(), 44, Mix(top, kInk, 160));
        t.Draw(pic, 16, 8, 26, kPaper, title);
    }
}

}  // namespace

void SystemArt::Title(SampleArchive& a) {
    Picture bg(640, 856);
    bg.VerticalGradient(0, 0, 640, 500, {40, 50, 110}, {150, 190, 230});
    bg.VerticalGradient(0, 500, 640, 356, {120, 180, 130}, {60, 110, 70});
    for (int i = 0; i < 90; ++i) bg.Ellipse((i * 233) % 640, (i * 131) % 480, 2, 2, {255, 255, 220});
    for (int i = 0; i < 7; ++i) bg.Ellipse(60 + i * 90, 560 + (i % 3) * 20, 70, 110, {40, 100, 60});
    bg.Ellipse(320, 620, 120, 150, {240, 240, 170});
    a.Add("Title_BG.bmp", BitmapFile::Encode(bg, 16));

    Picture logo(454, 212, kBlack);
    text_.DrawCentred(logo, 227, 40, 64, {250, 240, 190}, "LucentGrove");
    text_.DrawCentred(logo, 227, 126, 34, {230, 230, 255}, "ルーセントグローヴ");
    a.Add("Title.bmp", BitmapFile::Encode(logo, 24));

    Picture menu(216, 360, kBlack);
    const char* mainItems[] = {"はじめから", "つづきから", "――", "おまけ", "おわる"};
    for (int i = 0; i < 5; ++i) Button(text_, menu, 40, 40 * i, 136, 40, mainItems[i], kPaper);
    const char* extraItems[] = {"ＣＧモード", "シーン回想", "サウンドモード", "もどる"};
    for (int i = 0; i < 4; ++i) Button(text_, menu, 0, 200 + 40 * i, 216, 40, extraItems[i], {236, 230, 250});
    a.Add("TitleMenu.bmp", BitmapFile::Encode(menu, 32));

    Picture heart(32, 32, kBlack);
    heart.Ellipse(10, 11, 8, 8, {240, 90, 120});
    heart.Ellipse(22, 11, 8, 8, {240, 90, 120});
    for (int y = 12; y < 29; ++y) heart.FillRect(3 + (y - 12) * 13 / 17, y, 26 - (y - 12) * 26 / 17, 1, {240, 90, 120});
    a.Add("HartMark.bmp", BitmapFile::Encode(heart, 8));

    Picture spot(240, 240, kBlack);
    for (int r = 120; r > 0; r -= 2) {
        const int v = 255 - r * 2;
        spot.Ellipse(120, 120, r, r, {static_cast<uint8_t>(v), static_cast<uint8_t>(v), static_cast<uint8_t>(v * 3 / 4)});
    }
    a.Add("SpotLight.bmp", BitmapFile::Encode(spot, 24));

    Picture maker(116, 17, kBlack);
    text_.Draw(maker, 2, 1, 14, {220, 220, 240}, "LG Project 2026");
    a.Add("TERN2004.bmp", BitmapFile::Encode(maker, 8));
}

void SystemArt::Window(SampleArchive& a) {
    auto window = [&](int h, int bits, const char* name) {
        Picture w(640, h, kBlack);
        w.FillRect(8, 8, 624, h - 16, {250, 250, 255});
        w.FillRect(12, 12, 616, h - 24, kMagenta);
        w.Frame(8, 8, 624, h - 16, 3, kLilac);
        a.Add(name, BitmapFile::Encode(w, bits));
    };
    window(156, 24, "MessageWindow.bmp");
    window(111, 24, "MessageWindow2.bmp");
    window(111, 32, "MessageWindow3.bmp");

    Picture button(64, 24, kPaper);
    text_.DrawCentred(button, 32, 3, 16, kInk, "ログ");
    a.Add("MessageWindowButton.bmp", BitmapFile::Encode(button, 8));

    Picture cursor(96, 24, kBlack);
    for (int c = 0; c < 4; ++c) {
        const int r = 5 + (c == 1 || c == 3) * 2 + (c == 2) * 4;
        cursor.Ellipse(24 * c + 12, 12, r, r, {250, 230, 150});
        cursor.Ellipse(24 * c + 12, 12, r / 2, r / 2, kWhite);
    }
    a.Add("Cursor.bmp", BitmapFile::Encode(cursor, 24));

    // Seven glyph cells of 18 x 22: the six marks the font never draws.
    Picture marks(126, 22, kBlack);
    const char* glyphs[] = {"￥", "＄", "＃", "＊", "；", "’"};
    for (int i = 0; i < 6; ++i) text_.Draw(marks, 18 * i, 1, 18, kWhite, glyphs[i]);
    a.Add("Mark.bmp", BitmapFile::Encode(marks, 24));

    Picture log(616, 48, kBlack);
    log.FillRect(0, 0, 616, 16, kLilac);
    log.FillRect(0, 32, 616, 16, kLilac);
    log.FillRect(0, 16, 8, 14, kLilac);
    log.FillRect(608, 16, 8, 14, kLilac);
    log.Ellipse(22, 24, 7, 7, {250, 200, 120});
    log.Ellipse(42, 24, 7, 7, {250, 240, 200});
    a.Add("BackLog.bmp", BitmapFile::Encode(log, 24));

    Picture bar(76, 40, kBlack);
    for (int i = 0; i < 16; ++i) {
        bar.FillRect(12 - i / 2 * 1, 8 + i, i + 1, 1, kLilac);   // up arrow
        bar.FillRect(40 - i / 2 * 1, 31 - i, i + 1, 1, kLilac);  // down arrow
    }
    bar.FillRect(60, 0, 8, 40, kLilac);
    a.Add("ScrollBar.bmp", BitmapFile::Encode(bar, 24));

    Picture select(80, 80, kBlack);
    select.FillRect(0, 0, 80, 40, kLilac);
    select.FillRect(4, 4, 72, 32, kMagenta);
    const int cells[][2] = {{0, 32}, {34, 26}, {62, 16}};
    for (int i = 0; i < 3; ++i) select.FillRect(cells[i][0], 44, cells[i][1], 32, Mix(kLilac, kWhite, 80 * i + 40));
    a.Add("SelectMenu.bmp", BitmapFile::Encode(select, 24));
}

void SystemArt::Gallery(SampleArchive& a) {
    Picture cg(640, 480);
    Backdrop(text_, cg, {200, 190, 240}, {240, 230, 250}, "ＣＧモード");
    a.Add("CGModeBG.bmp", BitmapFile::Encode(cg, 16));
    Picture replay(640, 480);
    Backdrop(text_, replay, {190, 220, 240}, {235, 245, 250}, "シーン回想");
    a.Add("ReplayModeBG.bmp", BitmapFile::Encode(replay, 16));

    Picture buttons(446, 64, kPaper);
    for (int p = 0; p < 13; ++p) {
        for (int row = 0; row < 2; ++row) {
            const Rgb face = row == 0 ? Rgb{250, 220, 130} : Rgb{220, 215, 235};
            buttons.FillRect(32 * p + 2, 32 * row + 2, 28, 28, face);
            text_.DrawCentred(buttons, 32 * p + 16, 32 * row + 6, 18, kInk, std::to_string(p + 1));
        }
    }
    buttons.FillRect(416, 0, 30, 20, kLilac);
    text_.DrawCentred(buttons, 431, 2, 14, kPaper, "戻");
    a.Add("CGModeButton.bmp", BitmapFile::Encode(buttons, 24));

    Picture names(192, 288, kBlack);
    for (int page = 0; page < 13; ++page) {
        const int x = page < 12 ? 8 + 96 * (page / 6) : 8, y = page < 12 ? 8 + 40 * (page % 6) : 248;
        names.FillRect(x, y, 80, 32, kPaper);
        text_.DrawCentred(names, x + 40, y + 7, 16, kInk, page == 0 ? "共通" : kCast[page - 1].name);
    }
    a.Add("CGModeName.bmp", BitmapFile::Encode(names, 32));

    Picture cursor(132, 100, kBlack);
    cursor.Frame(0, 0, 132, 100, 4, {250, 210, 90});
    a.Add("thum_cursor.bmp", BitmapFile::Encode(cursor, 24));
    Picture nodata(128, 96, {210, 205, 225});
    text_.DrawCentred(nodata, 64, 36, 20, kInk, "未読");
    a.Add("thum_nodata.bmp", BitmapFile::Encode(nodata, 8));
}

void SystemArt::SoundRoom(SampleArchive& a, const std::vector<std::string>& titles) {
    Picture bg(640, 480);
    Backdrop(text_, bg, {230, 200, 210}, {250, 240, 240}, "サウンドモード");
    a.Add("SoundModeBG.bmp", BitmapFile::Encode(bg, 24));

    Picture b(560, 496, kBlack);
    Button(text_, b, 0, 0, 54, 48, "▶", kPaper);
    Button(text_, b, 54, 0, 54, 48, "■", kPaper);
    b.FillRect(108, 0, 30, 20, kLilac);
    text_.DrawCentred(b, 123, 2, 14, kPaper, "戻");
    for (int i = 0; i < 16 && i < static_cast<int>(titles.size()); ++i) {
        const int x = 280 * (i / 8), y = 48 + 32 * (i % 8);
        b.FillRect(x + 2, y + 2, 276, 28, kPaper);
        char number[8];
        std::snprintf(number, sizeof number, "%02d", i + 1);
        text_.Draw(b, x + 10, y + 6, 18, kLilac, number);
        text_.Draw(b, x + 44, y + 6, 18, kInk, titles[i]);
        // The scrolling title strip of track number i + 1.
        const int n = i + 1, sx = n % 2 ? 0 : 280, sy = 304 + 24 * ((n - 1) / 2);
        text_.Draw(b, sx + 6, sy + 2, 18, {250, 240, 200}, "♪ " + titles[i]);
    }
    a.Add("SoundModeButton.bmp", BitmapFile::Encode(b, 32));
}

void SystemArt::EyeCatch(SampleArchive& a) {
    Picture tile(200, 200, {240, 236, 250});
    for (int y = 0; y < 200; y += 50)
        for (int x = (y / 50) % 2 * 50; x < 200; x += 100) tile.FillRect(x, y, 50, 50, {225, 218, 245});
    a.Add("EyeCatchBg.bmp", BitmapFile::Encode(tile, 8));

    Picture date(448, 280, kBlack);
    for (int d = 0; d < 10; ++d)
        text_.DrawCentred(date, 8 + 88 * (d % 5) + 40, 8 + 88 * (d / 5) + 4, 72, {250, 240, 200}, std::to_string(d));
    text_.DrawCentred(date, 56, 190, 72, {250, 200, 200}, "月");
    text_.DrawCentred(date, 160, 190, 72, {250, 200, 200}, "日");
    a.Add("EyeCatchDate.bmp", BitmapFile::Encode(date, 24));

    const char* special[] = {"みんなの宴", "星降る聖夜", "新しい年", "甘い約束"};
    for (int r = 0; r < 16; ++r) {
        Picture pic(640, 480, Mix(r < 12 ? kCast[r].dress : kLilac, kWhite, 120));
        for (int i = 0; i < 16; ++i) pic.Ellipse((i * 173 + r * 31) % 640, (i * 89) % 480, 30, 30, Mix(kPaper, kLilac, 40));
        if (r < 12) FigurePainter::Draw(pic, 320, 40, 1300, kCast[r], Expression::Smile);
        else for (int c = 0; c < 4; ++c) FigurePainter::Draw(pic, 110 + 140 * c, 120, 800, kCast[(r - 12) * 3 + c % 3], Expression::Smile);
        const std::string label = r < 12 ? kCast[r].name : special[r - 12];
        pic.FillRect(0, 400, 640, 60, {250, 248, 240});
        text_.DrawCentred(pic, 320, 410, 34, kInk, label);
        char name[40];
        static const char* tails[] = {"party", "xmas", "newyear", "valentine"};
        std::snprintf(name, sizeof name, "s%02d_%s.bmp", r + 1, r < 12 ? kCast[r].key : tails[r - 12]);
        a.Add(name, BitmapFile::Encode(pic, 8));
    }
}

void SystemArt::Mascots(SampleArchive& a) {
    const Expression blink[] = {Expression::Calm, Expression::EyesHalf, Expression::EyesClosed, Expression::EyesHalf};
    for (size_t c = 0; c < kCast.size(); ++c) {
        const CastMember& who = kCast[c];
        // The first group is drawn with odd frame widths, which the converter
        // pads back to the even width the player expects.
        const int fw = who.mascotPadded ? who.mascotWidth - 1 : who.mascotWidth;
        Picture strip(4 * fw, who.mascotHeight, kBlack);
        const int scale = who.mascotHeight * 1000 / 300;
        for (int f = 0; f < 4; ++f) {  // each frame drawn alone, so none spills into the next
            Picture frame(fw, who.mascotHeight, kBlack);
            FigurePainter::Draw(frame, fw / 2, 4, scale, who, blink[f]);
            strip.Paste(frame, f * fw, 0);
        }
        char name[40];
        std::snprintf(name, sizeof name, "c%02zu_%s.bmp", c + 1, who.key);
        a.Add(name, BitmapFile::Encode(strip, c % 3 == 2 ? 32 : 24));
    }
}

void SystemArt::Filters(SampleArchive& a) {
    for (int n = 0; n < 16; ++n) {
        Picture f(640, 480);
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                const int dx = x - 320, dy = y - 240;
                int v = 0;
                switch (n % 8) {
                case 0: v = x * 255 / 639; break;
                case 1: v = y * 255 / 479; break;
                case 2: v = (x + y) * 255 / 1118; break;
                case 3: v = std::min(255, static_cast<int>(std::sqrt(dx * dx + dy * dy) * 255 / 400)); break;
                case 4: v = (x % 64) * 4; break;
                case 5: v = (y % 48) * 255 / 47; break;
                case 6: v = (((x / 40) + (y / 40)) % 2) * 128 + (x % 40) * 3; break;
                default: v = static_cast<int>((std::atan2(dy, dx) + 3.14159265) * 255 / 6.2832); break;
                }
                if (n >= 8) v = 255 - v;
                const auto g = static_cast<uint8_t>(std::clamp(v, 0, 255));
                f.Set(x, y, {g, g, g});
            }
        }
        char name[20];
        std::snprintf(name, sizeof name, "Filter%02d.bmp", n);
        a.Add(name, BitmapFile::Encode(f, 8));
    }
}

SampleArchive SystemArt::Build(uint32_t method, const std::vector<std::string>& trackTitles) {
    SampleArchive a{"System.pac", method, {}};
    Title(a);
    Window(a);
    Gallery(a);
    SoundRoom(a, trackTitles);
    EyeCatch(a);
    Mascots(a);
    Filters(a);
    a.Add("SystemInfo.txt", {'L', 'u', 'c', 'e', 'n', 't', 'G', 'r', 'o', 'v', 'e', '\n'});
    return a;
}

}  // namespace vn

#include "tools/samplegame/StoryArt.h"

#include <string>

#include "tools/samplegame/BitmapFile.h"
#include "tools/samplegame/FigurePainter.h"
#include "tools/samplegame/SampleCast.h"
#include "tools/samplegame/SampleVisuals.h"

namespace vn {
namespace {

struct SceneLook {
    Scene scene;
    Rgb skyTop, skyBottom, groundTop, groundBottom;
    int horizon;
    Rgb accent;  // petals, lights, stars
};

// Colours stay above near-black so that no converter rule keys them away.
constexpr SceneLook kLooks[] = {
    {Scene::Gate, {150, 200, 245}, {236, 240, 250}, {214, 200, 180}, {180, 164, 146}, 300, {250, 190, 210}},
    {Scene::Grove, {60, 120, 90}, {140, 200, 150}, {70, 110, 60}, {40, 70, 40}, 330, {255, 250, 170}},
    {Scene::Deep, {30, 70, 60}, {70, 130, 100}, {40, 70, 45}, {24, 44, 30}, 340, {255, 240, 140}},
    {Scene::Lake, {170, 210, 240}, {230, 240, 245}, {90, 150, 200}, {40, 90, 150}, 260, {250, 250, 255}},
    {Scene::Room, {236, 226, 206}, {220, 206, 184}, {170, 130, 100}, {140, 104, 80}, 360, {255, 255, 230}},
    {Scene::Night, {16, 24, 64}, {50, 60, 120}, {26, 40, 40}, {12, 20, 22}, 330, {255, 255, 210}},
    {Scene::Ending, {250, 170, 120}, {250, 220, 170}, {200, 170, 150}, {150, 120, 110}, 300, {255, 230, 200}},
    {Scene::Dark, {40, 40, 56}, {70, 70, 90}, {30, 30, 40}, {16, 16, 24}, 320, {120, 120, 150}},
};

struct Random {
    uint32_t s;
    int Next(int n) { return static_cast<int>(((s = s * 1103515245u + 12345u) >> 8) % n); }
};

void Trees(Picture& pic, const SceneLook& look, Random& rnd, int count) {
    for (int i = 0; i < count; ++i) {
        const int x = rnd.Next(640), w = 16 + rnd.Next(20);
        pic.FillRect(x, 80 + rnd.Next(60), w, 400, Mix(look.groundBottom, {60, 40, 30}, 128));
        pic.Ellipse(x + w / 2, 70 + rnd.Next(60), 60 + rnd.Next(40), 50, Mix(look.skyTop, {30, 90, 50}, 140));
    }
}

void DrawScene(Picture& pic, const SceneLook& look, uint32_t seed) {
    Random rnd{seed};
    pic.VerticalGradient(0, 0, 640, look.horizon, look.skyTop, look.skyBottom);
    pic.VerticalGradient(0, look.horizon, 640, 480 - look.horizon, look.groundTop, look.groundBottom);
    switch (look.scene) {
    case Scene::Gate:
    case Scene::Ending:
        pic.FillRect(120, 120, 40, look.horizon - 110, {200, 190, 180});
        pic.FillRect(480, 120, 40, look.horizon - 110, {200, 190, 180});
        pic.FillRect(100, 110, 440, 24, {170, 150, 140});
        break;
    case Scene::Grove:
    case Scene::Deep:
    case Scene::Night:
    case Scene::Dark:
        Trees(pic, look, rnd, look.scene == Scene::Grove ? 9 : 14);
        if (look.scene == Scene::Deep) pic.Ellipse(320, 200, 110, 150, {250, 240, 170}, 255);
        break;
    case Scene::Lake:
        for (int i = 0; i < 40; ++i)
            pic.FillRect(rnd.Next(640), look.horizon + 10 + rnd.Next(200), 30 + rnd.Next(50), 2, {200, 225, 245});
        break;
    case Scene::Room:
        pic.FillRect(360, 60, 220, 180, {170, 200, 230});
        pic.Frame(360, 60, 220, 180, 8, {160, 120, 90});
        pic.FillRect(60, 300, 240, 20, {150, 110, 80});
        break;
    }
    for (int i = 0; i < 60; ++i) {  // petals, glowing motes or stars
        const int r = 2 + rnd.Next(4);
        pic.Ellipse(rnd.Next(640), rnd.Next(look.scene == Scene::Night ? 200 : 470), r, r, look.accent);
    }
}

void Caption(TextPainter& text, Picture& pic, const char* caption) {
    const int w = text.Measure(caption, 22) + 24;
    pic.FillRect(12, 12, w, 34, {250, 248, 240});
    pic.Frame(12, 12, w, 34, 2, {120, 110, 150});
    text.Draw(pic, 24, 17, 22, {60, 50, 90}, caption);
}

std::vector<uint8_t> Descriptor(const std::string& baseName, int x, int y) {
    std::vector<uint8_t> d(96, 0);
    const char magic[] = "STAND";
    std::copy(magic, magic + 5, d.begin());
    std::copy(baseName.begin(), baseName.end(), d.begin() + 8);
    auto put = [&](size_t at, int v) {
        for (int k = 0; k < 4; ++k) d[at + k] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k));
    };
    put(60, y);
    put(64, x);
    return d;
}

Picture Crop(const Picture& pic, int x, int y, int w, int h) {
    Picture out(w, h);
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            const uint8_t* p = pic.At(x + xx, y + yy);
            out.Set(xx, yy, {p[2], p[1], p[0]}, p[3]);
        }
    return out;
}

}  // namespace

Picture Shrink(const Picture& pic, int width, int height) {
    Picture out(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int x0 = x * pic.Width() / width, x1 = std::max(x0 + 1, (x + 1) * pic.Width() / width);
            const int y0 = y * pic.Height() / height, y1 = std::max(y0 + 1, (y + 1) * pic.Height() / height);
            int sum[4] = {0, 0, 0, 0}, n = 0;
            for (int yy = y0; yy < y1; ++yy)
                for (int xx = x0; xx < x1; ++xx, ++n)
                    for (int k = 0; k < 4; ++k) sum[k] += pic.At(xx, yy)[k];
            out.Set(x, y, {static_cast<uint8_t>(sum[2] / n), static_cast<uint8_t>(sum[1] / n),
                           static_cast<uint8_t>(sum[0] / n)},
                    static_cast<uint8_t>(sum[3] / n));
        }
    }
    return out;
}

int StoryArt::VariantScreenX() { return 320 - kStandWidth / 2 + FigurePainter::kFaceX; }
int StoryArt::VariantScreenY() { return 480 - kStandHeight + kStandTopMargin + FigurePainter::kFaceY; }

Picture StoryArt::Scenery(int visual, bool withDiff) {
    const VisualRow& row = kVisuals[visual];
    const Scene scene = (row.background && !withDiff && row.scene == Scene::Night) ? Scene::Deep : row.scene;
    Picture pic(640, 480);
    for (const SceneLook& look : kLooks)
        if (look.scene == scene) DrawScene(pic, look, static_cast<uint32_t>(scene) + 1);
    if (row.background && withDiff) pic.Paste(DiffPicture(visual), row.x, row.y);
    if (row.who >= 0) {
        FigurePainter::Draw(pic, kEventFigureX, kEventFigureTop, kEventFigureScale, kCast[row.who],
                            withDiff ? Expression::Smile : Expression::Calm);
        if (scene == Scene::Ending)
            FigurePainter::Draw(pic, 150, 120, 1100, kCast[1], Expression::Smile);
    }
    Caption(text_, pic, row.caption);
    return pic;
}

// A background's difference is a patch pasted over it; an event picture's is
// the changed face on black, which the converter keys away.
Picture StoryArt::DiffPicture(int visual) {
    const VisualRow& row = kVisuals[visual];
    if (row.background) {
        Picture patch(200, 150, {16, 24, 64});
        patch.Ellipse(140, 50, 30, 30, {250, 246, 210});
        patch.Ellipse(128, 44, 26, 26, {16, 24, 64});
        for (int i = 0; i < 12; ++i) patch.Ellipse((i * 37) % 190 + 5, (i * 53) % 140 + 5, 2, 2, {255, 255, 220});
        return patch;
    }
    Picture full = Scenery(visual, true);
    const int s = kEventFigureScale;
    const int x = kEventFigureX + (FigurePainter::kFaceX - 128) * s / 1000;
    const int y = kEventFigureTop + FigurePainter::kFaceY * s / 1000;
    return Crop(full, x, y, FigurePainter::kFaceW * s / 1000, FigurePainter::kFaceH * s / 1000);
}

SampleArchive StoryArt::Backgrounds(uint32_t method) {
    SampleArchive a{"BG.pac", method, {}};
    for (int i = 0; i < static_cast<int>(kVisuals.size()); ++i) {
        const VisualRow& row = kVisuals[i];
        if (!row.background) continue;
        if (*row.diff) a.Add(row.diff, BitmapFile::Encode(DiffPicture(i), row.bits));
        else a.Add(row.base, BitmapFile::Encode(Scenery(i, false), row.bits));
    }
    return a;
}

SampleArchive StoryArt::Visuals(uint32_t method) {
    SampleArchive a{"Visual.pac", method, {}};
    for (int i = 0; i < static_cast<int>(kVisuals.size()); ++i) {
        const VisualRow& row = kVisuals[i];
        if (row.background) continue;
        if (*row.diff) a.Add(row.diff, BitmapFile::Encode(DiffPicture(i), row.bits));
        else a.Add(row.base, BitmapFile::Encode(Scenery(i, false), row.bits));
    }
    return a;
}

SampleArchive StoryArt::Thumbnails(uint32_t method) {
    SampleArchive a{"Thumbnail.pac", method, {}};
    for (int i = 0; i < static_cast<int>(kVisuals.size()); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Thum_%03d.bmp", i);
        a.Add(name, BitmapFile::Encode(Shrink(Scenery(i, *kVisuals[i].diff != 0), 128, 96), i % 2 ? 16 : 24));
    }
    return a;
}

SampleArchive StoryArt::Stands(uint32_t method) {
    SampleArchive a{"Stand.pac", method, {}};
    for (size_t c = 0; c < kCast.size(); ++c) {
        const CastMember& who = kCast[c];
        const std::string key = who.key;
        auto draw = [&](Expression e) {
            Picture pic(kStandWidth, kStandHeight, {0, 0, 0}, 0);
            FigurePainter::Draw(pic, kStandWidth / 2, kStandTopMargin, 1000, who, e);
            return pic;
        };
        const Picture base = draw(Expression::Calm);
        a.Add(key + "_st01.sti", Descriptor(key + "_st01.bmp", kStandWidth / 2, kStandHeight));
        a.Add(key + "_st01.bmp", BitmapFile::Encode(base, who.masked ? 24 : (c % 2 ? 32 : 8)));
        if (who.masked) a.Add(key + "_st01_m.fil", BitmapFile::EncodeMask(base));
        const char* suffix[] = {"b", "c"};
        const Expression variants[] = {Expression::Smile, Expression::Troubled};
        for (int v = 0; v < 2; ++v) {
            const Picture patch = Crop(draw(variants[v]), FigurePainter::kFaceX,
                                       kStandTopMargin + FigurePainter::kFaceY, FigurePainter::kFaceW,
                                       FigurePainter::kFaceH);
            a.Add(key + "_st01" + suffix[v] + ".bmp", BitmapFile::Encode(patch, v == 0 ? 24 : 8));
        }
    }
    return a;
}

SampleArchive StoryArt::Faces(uint32_t method) {
    SampleArchive a{"Face.pac", method, {}};
    const Expression expressions[] = {Expression::Calm, Expression::Smile, Expression::Troubled};
    for (size_t c = 0; c < kCast.size(); ++c) {
        const CastMember& who = kCast[c];
        // Unmasked faces: portraits on a backdrop (16-bit, opaque) or figures
        // on black (32-bit, keyed by the converter).
        const bool portrait = !who.masked && c < 9;
        for (int e = 0; e < 3; ++e) {
            Picture pic(160, 160, portrait ? Mix(who.dress, {255, 255, 255}, 160) : Rgb{0, 0, 0},
                        portrait ? 255 : 0);
            FigurePainter::Draw(pic, 80, -110, 1600, who, expressions[e]);
            if (portrait) pic.Frame(0, 0, 160, 160, 3, who.hair);
            const std::string name = std::string(who.key) + "_f0" + std::to_string(e + 1);
            a.Add(name + ".bmp", BitmapFile::Encode(pic, who.masked ? 24 : portrait ? 16 : 32));
            if (who.masked && e == 0) a.Add(name + "_m.fil", BitmapFile::EncodeMask(pic));
        }
    }
    return a;
}

}  // namespace vn

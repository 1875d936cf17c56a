#include "converter/picture/PictureConversions.h"

#include <algorithm>
#include <array>

#include "converter/picture/PictureNames.h"
#include "converter/picture/PictureTables.h"

namespace vn {
namespace {

using Kind = ConvertedEntry::Kind;
using Mode = ConvPicture::ScaleMode;

// Standing pictures are placed relative to the bottom centre of the
// 640 × 480 design screen.
constexpr int kDesignCentreX = 320;
constexpr int kDesignBottom = 480;

struct Context {
    const std::string& name;
    std::span<const uint8_t> bytes;
    const PictureSettings& settings;
    EntryReader& reader;
};

ConvertedEntry Failed() { return {}; }

// Sums of table and descriptor values, kept inside int: far outside any
// picture, so clipping still drops everything.
int Offset(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, -(1 << 30), 1 << 30));
}

ConvertedEntry Done(ConvPicture picture, Kind kind = Kind::Picture, int x = 0, int y = 0) {
    ConvertedEntry out;
    out.kind = picture.Empty() ? Kind::Failed : kind;
    out.picture = std::move(picture);
    out.placementX = x;
    out.placementY = y;
    return out;
}

ConvertedEntry Simple(Kind kind) {
    ConvertedEntry out;
    out.kind = kind;
    return out;
}

// The entry's own picture; a bad bitmap is noted and yields nothing.
std::optional<ConvPicture> OwnPicture(Context& c) {
    std::string error;
    auto picture = ConvPicture::FromBitmap(c.bytes, &error);
    if (!picture) c.reader.Note(c.name + ": " + error);
    return picture;
}

// Another entry's picture, absent when the archive lacks it or it is bad.
std::optional<ConvPicture> NamedPicture(Context& c, const std::string& name) {
    if (name.empty()) return std::nullopt;
    const auto bytes = c.reader.ReadNamed(name);
    if (!bytes) return std::nullopt;
    std::string error;
    auto picture = ConvPicture::FromBitmap(*bytes, &error);
    if (!picture) c.reader.Note(name + ": " + error);
    return picture;
}

std::optional<std::vector<uint8_t>> NamedBytes(Context& c, const std::string& name) {
    if (name.empty()) return std::nullopt;
    return c.reader.ReadNamed(name);
}

// Alpha from the mask when there is one that fits, else near-black keying.
void MaskOrKey(Context& c, ConvPicture& p, const std::optional<std::vector<uint8_t>>& mask) {
    if (mask && p.AlphaFromMask(*mask)) return;
    if (mask) c.reader.Note(c.name + ": its mask does not match the picture's size");
    p.KeyNearBlack();
}

// The rule most pictures follow: a 16-bit picture (already widened) is
// scaled over opaque pixels; any other gets alpha and is scaled over all.
template <class Alpha>
ConvPicture Plain(Context& c, ConvPicture p, Alpha alpha) {
    if (p.FileBitCount() == 16) {
        p.Scale(c.settings.scalePercent, Mode::OpaquePixels);
        return p;
    }
    alpha(p);
    p.Scale(c.settings.scalePercent, Mode::AllPixels);
    return p;
}

ConvertedEntry KeyedPlain(Context& c) {
    auto p = OwnPicture(c);
    if (!p) return Failed();
    return Done(Plain(c, std::move(*p), [](ConvPicture& q) { q.KeyNearBlack(); }));
}

ConvertedEntry Background(Context& c) {
    const auto record = FindVisualByDifference(c.settings.visualTable, c.name);
    auto base = record ? NamedPicture(c, record->baseName) : std::nullopt;
    if (!base) return KeyedPlain(c);
    auto p = OwnPicture(c);
    if (!p) return Failed();
    base->PasteOnto(*p, record->x, record->y);
    base->Scale(c.settings.scalePercent, Mode::OpaquePixels);
    return Done(std::move(*base));
}

ConvertedEntry Visual(Context& c) {
    auto p = OwnPicture(c);
    if (!p) return Failed();
    const auto record = FindVisualByDifference(c.settings.visualTable, c.name);
    auto base = record ? NamedPicture(c, record->baseName) : std::nullopt;
    if (base) {
        p->KeyBlack();
        p->BlendOnto(*base, record->x, record->y);
    }
    p->Scale(c.settings.scalePercent, Mode::OpaquePixels);
    return Done(std::move(*p));
}

struct StandPlacement {
    int x = 0;
    int y = kDesignBottom;  // placement 0, 0 without a descriptor
    int variantX = 0;
    int variantY = 0;
    std::string baseName;  // empty for a picture that is its own base
};

StandPlacement FindStandPlacement(Context& c) {
    StandPlacement s;
    auto record = FindStandByVariant(c.settings.standTable, c.name);
    const bool variant = record.has_value();
    if (!variant) record = FindStandByBaseBitmap(c.settings.standTable, c.name);
    if (!record) return s;
    const auto bytes = NamedBytes(c, record->standName);
    const auto descriptor = bytes ? ReadStandDescriptor(*bytes) : std::nullopt;
    if (!descriptor) return s;
    s.x = descriptor->x;
    s.y = descriptor->y;
    if (variant) {
        s.variantX = record->variantX;
        s.variantY = record->variantY;
        s.baseName = descriptor->baseName;
    }
    return s;
}

ConvertedEntry Stand(Context& c) {
    if (!IsBitmapName(c.name)) return Simple(Kind::Copy);
    const StandPlacement s = FindStandPlacement(c);
    auto base = NamedPicture(c, s.baseName);
    const std::string maskSource = base ? s.baseName : c.name;
    const auto mask = NamedBytes(c, StandMaskName(maskSource));
    auto p = OwnPicture(c);
    if (!p) return Failed();
    const int px = s.x, py = Offset(int64_t{kDesignBottom} - s.y);
    if (base) {
        p->KeyBlack();
        p->BlendOnto(*base, Offset(int64_t{s.variantX} + s.x - kDesignCentreX),
                     Offset(int64_t{s.variantY} + s.y - kDesignBottom));
        MaskOrKey(c, *p, mask);
        p->Scale(c.settings.scalePercent, Mode::AllPixels);
        return Done(std::move(*p), Kind::Picture, px, py);
    }
    auto alpha = [&](ConvPicture& q) { MaskOrKey(c, q, mask); };
    return Done(Plain(c, std::move(*p), alpha), Kind::Picture, px, py);
}

ConvertedEntry Face(Context& c) {
    if (!IsBitmapName(c.name)) return Simple(Kind::Skip);
    const auto mask = NamedBytes(c, FaceMaskName(c.name));
    auto p = OwnPicture(c);
    if (!p) return Failed();
    auto alpha = [&](ConvPicture& q) { MaskOrKey(c, q, mask); };
    return Done(Plain(c, std::move(*p), alpha));
}

ConvertedEntry FramesStrip(Context& c, bool pad) {
    auto p = OwnPicture(c);
    if (!p) return Failed();
    if (p->FileBitCount() == 16) return Done(Plain(c, std::move(*p), [](ConvPicture&) {}));
    p->KeyNearBlack();
    if (pad) p->PadFrames();
    p->Scale(c.settings.scalePercent, Mode::AllPixels);
    p->ShareFrameAlpha();
    return Done(std::move(*p));
}

ConvertedEntry SystemPicture(Context& c) {
    if (!IsBitmapName(c.name)) return Simple(Kind::Copy);
    switch (SystemPictureKindOf(c.name)) {
        case SystemPictureKind::Filter: {
            auto p = OwnPicture(c);
            if (!p) return Failed();
            p->Scale(c.settings.scalePercent, Mode::OpaquePixels);
            return Done(std::move(*p), Kind::Mask);
        }
        case SystemPictureKind::MascotPadded:
            return FramesStrip(c, true);
        case SystemPictureKind::Mascot:
            return FramesStrip(c, false);
        case SystemPictureKind::MessageWindow: {
            auto p = OwnPicture(c);
            if (!p) return Failed();
            return Done(Plain(c, std::move(*p), [](ConvPicture& q) {
                q.KeyNearBlack();
                q.ColorToAlpha({255, 0, 255}, 128, {255, 0, 0});  // magenta: half-transparent blue
            }));
        }
        case SystemPictureKind::Other:
            break;
    }
    return KeyedPlain(c);
}

using StepConversion = ConvertedEntry (*)(Context&);

constexpr std::array<StepConversion, 6> kConversions = {
    Background, Stand, Visual, Face, KeyedPlain, SystemPicture,
};

}  // namespace

ConvertedEntry ConvertPictureEntry(PictureStep step, const std::string& name,
                                   std::span<const uint8_t> bytes, const PictureSettings& settings,
                                   EntryReader& reader) {
    Context c{name, bytes, settings, reader};
    return kConversions.at(static_cast<size_t>(step))(c);
}

}  // namespace vn

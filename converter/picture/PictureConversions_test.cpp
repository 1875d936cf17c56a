#include "converter/picture/PictureConversions.h"

#include <gtest/gtest.h>

#include <map>

#include "converter/picture/PictureFixtures.h"
#include "converter/picture/PictureTables.h"
#include "formats/io/RecordFields.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;
using Kind = ConvertedEntry::Kind;

class MapReader : public EntryReader {
  public:
    std::optional<Bytes> ReadNamed(const std::string& name) override {
        const auto it = entries.find(name);
        if (it == entries.end()) return std::nullopt;
        return it->second;
    }
    void Note(const std::string& message) override { notes.push_back(message); }

    std::map<std::string, Bytes> entries;
    std::vector<std::string> notes;
};

void PutText(Bytes& b, size_t at, const std::string& s) {
    std::copy(s.begin(), s.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

Bytes Descriptor(const std::string& base, int x, int y) {
    Bytes d(kStandDescriptorSize, 0);
    PutText(d, 8, base);
    PutU32(&d[60], static_cast<uint32_t>(y));
    PutU32(&d[64], static_cast<uint32_t>(x));
    return d;
}

std::vector<int> Px(const ConvPicture& p, int x, int y) {
    std::vector<int> c;
    for (int i = 0; i < p.Bits() / 8; ++i) c.push_back(p.At(x, y)[i]);
    return c;
}

class Conversions : public ::testing::Test {
  protected:
    ConvertedEntry Convert(PictureStep step, const std::string& name, int percent = 100) {
        PictureSettings s{percent, standTable, visualTable};
        return ConvertPictureEntry(step, name, reader.entries.at(name), s, reader);
    }

    void AddStandRecord(const std::string& descriptor, const std::string& variant, int vx, int vy) {
        const size_t at = standTable.size();
        standTable.resize(at + kStandRecordSize);
        PutText(standTable, at + 32, descriptor);
        PutText(standTable, at + 64, variant);
        PutU32(&standTable[at + 96], static_cast<uint32_t>(vx));
        PutU32(&standTable[at + 100], static_cast<uint32_t>(vy));
    }

    void AddVisualRecord(const std::string& base, const std::string& difference, int x, int y) {
        const size_t at = visualTable.size();
        visualTable.resize(at + kVisualRecordSize);
        PutText(visualTable, at + 4, base);
        PutText(visualTable, at + 68, difference);
        PutU32(&visualTable[at + 100], static_cast<uint32_t>(x));
        PutU32(&visualTable[at + 104], static_cast<uint32_t>(y));
    }

    // An 8 × 6 grey base, a 2 × 2 variant (black top-left, else red) and a
    // mask whose byte is 10 × (row from the bottom) + column.
    void AddStandPictures() {
        reader.entries["st_a01.bmp"] = BmpFile(8, 6, 24, Solid({100, 100, 100}));
        reader.entries["st_a01b.bmp"] = BmpFile(2, 2, 24, [](int x, int y) {
            return x == 0 && y == 0 ? std::vector<int>{0, 0, 0} : std::vector<int>{0, 0, 200};
        });
        Bytes mask(48);
        for (int i = 0; i < 48; ++i) mask[i] = static_cast<uint8_t>(10 * (i / 8) + i % 8);
        reader.entries["st_a01_m.fil"] = mask;
    }

    MapReader reader;
    Bytes standTable;
    Bytes visualTable;
};

TEST_F(Conversions, StandVariantIsBlendedOntoItsBaseNearTheEdge) {
    AddStandPictures();
    AddStandRecord("st_a01.dat", "st_a01b.bmp", 4, 2);
    // Offset (4 + 323 − 320, 2 + 482 − 480) = (7, 4): the variant's right
    // column falls outside the base and is skipped.
    reader.entries["st_a01.dat"] = Descriptor("st_a01.bmp", 323, 482);
    const ConvertedEntry c = Convert(PictureStep::Stands, "st_a01b.bmp");
    ASSERT_EQ(c.kind, Kind::Picture);
    EXPECT_EQ(c.placementX, 323);
    EXPECT_EQ(c.placementY, -2);  // 480 − 482
    const ConvPicture& p = c.picture;
    ASSERT_EQ(p.Width(), 8);
    ASSERT_EQ(p.Bits(), 32);
    EXPECT_EQ(p.SourceWidth(), 8);
    EXPECT_EQ(Px(p, 7, 4), (std::vector<int>{100, 100, 100, 17}));  // black variant pixel
    EXPECT_EQ(Px(p, 7, 5), (std::vector<int>{0, 0, 200, 7}));
    EXPECT_EQ(Px(p, 6, 5), (std::vector<int>{100, 100, 100, 6}));
    EXPECT_TRUE(reader.notes.empty());
}

TEST_F(Conversions, StandDescriptorValuesFarOutsideDrawNothing) {
    AddStandPictures();
    AddStandRecord("st_a01.dat", "st_a01b.bmp", INT32_MAX, INT32_MIN);
    reader.entries["st_a01.dat"] = Descriptor("st_a01.bmp", INT32_MAX, INT32_MIN);
    const ConvertedEntry c = Convert(PictureStep::Stands, "st_a01b.bmp");
    ASSERT_EQ(c.kind, Kind::Picture);
    EXPECT_EQ(c.placementX, INT32_MAX);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) EXPECT_EQ(Px(c.picture, x, y)[0], 100) << x << "," << y;
    }
}

TEST_F(Conversions, StandBasePictureTakesItsDescriptorAndMask) {
    AddStandPictures();
    AddStandRecord("st_a01.dat", "st_a01b.bmp", 4, 2);
    reader.entries["st_a01.dat"] = Descriptor("st_a01.bmp", 300, 400);
    const ConvertedEntry c = Convert(PictureStep::Stands, "st_a01.bmp", 50);
    ASSERT_EQ(c.kind, Kind::Picture);
    EXPECT_EQ(c.placementX, 300);
    EXPECT_EQ(c.placementY, 80);
    ASSERT_EQ(c.picture.Width(), 4);
    ASSERT_EQ(c.picture.Height(), 3);
    // Top-left output pixel: mask rows 5 and 4 from the bottom, columns 0, 1.
    EXPECT_EQ(Px(c.picture, 0, 0), (std::vector<int>{100, 100, 100, (50 + 51 + 40 + 41) / 4}));
}

TEST_F(Conversions, StandWithoutRecordIsKeyedAndPlacedAtZero) {
    reader.entries["other.bmp"] = BmpFile(2, 1, 24, [](int x, int) {
        return x == 0 ? std::vector<int>{1, 1, 1} : std::vector<int>{90, 90, 90};
    });
    const ConvertedEntry c = Convert(PictureStep::Stands, "other.bmp");
    ASSERT_EQ(c.kind, Kind::Picture);
    EXPECT_EQ(c.placementX, 0);
    EXPECT_EQ(c.placementY, 0);
    EXPECT_EQ(Px(c.picture, 0, 0)[3], 0);
    EXPECT_EQ(Px(c.picture, 1, 0)[3], 90);  // feathered
}

TEST_F(Conversions, StandVariantWithoutBaseUsesItsOwnMaskName) {
    AddStandRecord("st_b05.dat", "st_b05c.bmp", 0, 0);
    reader.entries["st_b05.dat"] = Descriptor("st_b05.bmp", 10, 470);  // base not in the archive
    reader.entries["st_b05c.bmp"] = BmpFile(2, 1, 24, Solid({50, 60, 70}));
    reader.entries["st_b01c_m.fil"] = {33, 44};
    const ConvertedEntry c = Convert(PictureStep::Stands, "st_b05c.bmp");
    ASSERT_EQ(c.kind, Kind::Picture);
    EXPECT_EQ(c.placementX, 10);
    EXPECT_EQ(c.placementY, 10);
    EXPECT_EQ(Px(c.picture, 0, 0), (std::vector<int>{50, 60, 70, 33}));
    EXPECT_EQ(Px(c.picture, 1, 0)[3], 44);
}

TEST_F(Conversions, StandCopiesOtherEntriesAndKeeps16BitPicturesOpaque) {
    reader.entries["st_a01_m.fil"] = {1, 2, 3};
    EXPECT_EQ(Convert(PictureStep::Stands, "st_a01_m.fil").kind, Kind::Copy);
    reader.entries["st_c02.bmp"] = BmpFile(2, 2, 16, Solid({0xF800}));
    const ConvertedEntry c = Convert(PictureStep::Stands, "st_c02.bmp");
    ASSERT_EQ(c.kind, Kind::Picture);
    EXPECT_EQ(c.picture.Bits(), 24);
    EXPECT_EQ(Px(c.picture, 1, 1), (std::vector<int>{0, 0, 248}));
}

TEST_F(Conversions, FaceMasksAreSkippedAndFacesTakeTheirMask) {
    reader.entries["fa_ar01_m.fil"] = {7, 8};
    EXPECT_EQ(Convert(PictureStep::Faces, "fa_ar01_m.fil").kind, Kind::Skip);
    reader.entries["fa_ar05.bmp"] = BmpFile(2, 1, 24, Solid({1, 1, 1}));
    const ConvertedEntry c = Convert(PictureStep::Faces, "fa_ar05.bmp");
    ASSERT_EQ(c.kind, Kind::Picture);
    EXPECT_EQ(Px(c.picture, 0, 0), (std::vector<int>{1, 1, 1, 7}));  // mask, not keyed
    EXPECT_EQ(Px(c.picture, 1, 0)[3], 8);
}

TEST_F(Conversions, BackgroundDifferenceIsPastedOntoItsBase) {
    AddVisualRecord("bg01.bmp", "bg01a.bmp", 3, 1);
    reader.entries["bg01.bmp"] = BmpFile(4, 3, 24, Solid({100, 100, 100}));
    reader.entries["bg01a.bmp"] = BmpFile(2, 2, 24, [](int x, int y) {
        return x == 0 && y == 0 ? std::vector<int>{0, 0, 0} : std::vector<int>{0, 0, 200};
    });
    const ConvertedEntry c = Convert(PictureStep::Backgrounds, "bg01a.bmp");
    ASSERT_EQ(c.kind, Kind::Picture);
    ASSERT_EQ(c.picture.Bits(), 24);
    ASSERT_EQ(c.picture.Width(), 4);
    EXPECT_EQ(Px(c.picture, 3, 1), (std::vector<int>{100, 100, 100}));  // black pixel not pasted
    EXPECT_EQ(Px(c.picture, 3, 2), (std::vector<int>{0, 0, 200}));
    EXPECT_EQ(Px(c.picture, 2, 2), (std::vector<int>{100, 100, 100}));
    // Without a record: keyed, 32-bit.
    const ConvertedEntry plain = Convert(PictureStep::Backgrounds, "bg01.bmp");
    EXPECT_EQ(plain.picture.Bits(), 32);
}

TEST_F(Conversions, VisualDifferenceIsBlendedOntoItsBase) {
    AddVisualRecord("ev01.bmp", "ev01a.bmp", -1, 2);
    reader.entries["ev01.bmp"] = BmpFile(3, 3, 24, Solid({10, 20, 30}));
    reader.entries["ev01a.bmp"] = BmpFile(2, 2, 24, [](int x, int y) {
        return x == 1 && y == 0 ? std::vector<int>{0, 0, 0} : std::vector<int>{200, 0, 0};
    });
    const ConvertedEntry c = Convert(PictureStep::Visuals, "ev01a.bmp");
    ASSERT_EQ(c.kind, Kind::Picture);
    ASSERT_EQ(c.picture.Bits(), 24);
    EXPECT_EQ(c.picture.Height(), 3);
    EXPECT_EQ(Px(c.picture, 0, 2), (std::vector<int>{10, 20, 30}));  // black difference pixel
    EXPECT_EQ(Px(c.picture, 0, 1), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(Px(c.picture, 1, 1), (std::vector<int>{10, 20, 30}));
    const ConvertedEntry alone = Convert(PictureStep::Visuals, "ev01.bmp");
    EXPECT_EQ(alone.picture.Bits(), 24);
}

TEST_F(Conversions, VisualOffsetsNearTheBaseEdgeAreClipped) {
    AddVisualRecord("ev02.bmp", "ev02a.bmp", 2, 2);
    reader.entries["ev02.bmp"] = BmpFile(3, 3, 24, Solid({10, 20, 30}));
    reader.entries["ev02a.bmp"] = BmpFile(2, 2, 24, Solid({200, 0, 0}));
    const ConvertedEntry c = Convert(PictureStep::Visuals, "ev02a.bmp");
    EXPECT_EQ(Px(c.picture, 2, 2), (std::vector<int>{200, 0, 0}));
    EXPECT_EQ(Px(c.picture, 1, 2), (std::vector<int>{10, 20, 30}));
}

TEST_F(Conversions, MascotStripsArePaddedInTheFirstGroupOnly) {
    const PixelFill fill = [](int x, int) { return std::vector<int>{90, 90, 90 + x % 45}; };
    reader.entries["c01_arlen.bmp"] = BmpFile(180, 2, 24, fill);
    reader.entries["c04_dalia.bmp"] = BmpFile(180, 2, 24, fill);
    const ConvertedEntry padded = Convert(PictureStep::System, "c01_arlen.bmp");
    ASSERT_EQ(padded.picture.Width(), 184);
    EXPECT_EQ(Px(padded.picture, 45, 0), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(Px(padded.picture, 46, 0)[2], 90);
    EXPECT_EQ(Px(padded.picture, 183, 1)[3], 0);
    const ConvertedEntry kept = Convert(PictureStep::System, "c04_dalia.bmp");
    EXPECT_EQ(kept.picture.Width(), 180);
    EXPECT_EQ(Px(kept.picture, 45, 0)[2], 90);
}

TEST_F(Conversions, MascotStripsShareFrameZerosAlphaAfterScaling) {
    // Frame 0 is all transparent black, frames 1 to 3 grey: after the share
    // every frame is transparent.
    reader.entries["c05_elsin.bmp"] = BmpFile(16, 2, 24, [](int x, int) {
        return x < 4 ? std::vector<int>{0, 0, 0} : std::vector<int>{150, 150, 150};
    });
    const ConvertedEntry c = Convert(PictureStep::System, "c05_elsin.bmp", 50);
    ASSERT_EQ(c.picture.Width(), 8);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(Px(c.picture, x, 0)[3], 0) << x;
    EXPECT_EQ(Px(c.picture, 6, 0)[0], 150);
}

TEST_F(Conversions, MessageWindowMagentaBecomesHalfTransparentBlue) {
    reader.entries["MessageWindow2.bmp"] = BmpFile(3, 1, 24, [](int x, int) {
        return x == 0 ? std::vector<int>{255, 0, 255} : std::vector<int>{200, 200, 200};
    });
    const ConvertedEntry c = Convert(PictureStep::System, "MessageWindow2.bmp");
    ASSERT_EQ(c.kind, Kind::Picture);
    EXPECT_EQ(Px(c.picture, 0, 0), (std::vector<int>{255, 0, 0, 128}));
    EXPECT_EQ(Px(c.picture, 2, 0), (std::vector<int>{200, 200, 200, 255}));
}

TEST_F(Conversions, FiltersBecomeMasksAndOtherSystemEntriesAreCopied) {
    reader.entries["Filter07.bmp"] = BmpFile(4, 2, 24, Solid({40, 0, 0}));
    const ConvertedEntry f = Convert(PictureStep::System, "Filter07.bmp", 50);
    ASSERT_EQ(f.kind, Kind::Mask);
    EXPECT_EQ(f.picture.Width(), 2);
    reader.entries["font.dat"] = {1};
    EXPECT_EQ(Convert(PictureStep::System, "font.dat").kind, Kind::Copy);
}

TEST_F(Conversions, ABadBitmapFailsAndIsNoted) {
    reader.entries["broken.bmp"] = {'B', 'M', 1, 2, 3};
    for (PictureStep step : {PictureStep::Backgrounds, PictureStep::Stands, PictureStep::Visuals,
                             PictureStep::Faces, PictureStep::Thumbnails, PictureStep::System}) {
        reader.notes.clear();
        EXPECT_EQ(Convert(step, "broken.bmp").kind, Kind::Failed);
        EXPECT_EQ(reader.notes.size(), 1u);
    }
}

}  // namespace
}  // namespace vn

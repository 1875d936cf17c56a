#include "converter/picture/PictureArchive.h"

#include <gtest/gtest.h>

#include "converter/pac/PacWriter.h"
#include "converter/picture/PictureFixtures.h"
#include "converter/picture/PictureTables.h"
#include "formats/io/MemoryFileSystem.h"
#include "formats/mlz/MlzArchive.h"
#include "formats/rbp/RbpDecoder.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;
using Rgba = std::vector<int>;

class CountingProgress : public PictureProgress {
  public:
    void AddTotal(uint32_t count) override { total += count; }
    void SetEntryName(const char* name) override { names.push_back(name); }
    void AddDone() override { ++done; }
    void AddSkipped() override { ++skipped; }
    void AddWriteFailure() override { ++writeFailures; }
    void Note(const std::string& message) override { notes.push_back(message); }

    uint32_t total = 0, done = 0, skipped = 0, writeFailures = 0;
    std::vector<std::string> names, notes;
};

struct Item {
    std::string name;
    Bytes bytes;
};

void PutText(Bytes& b, size_t at, const std::string& s) {
    std::copy(s.begin(), s.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

class PictureArchiveTest : public ::testing::Test {
  protected:
    // Packs the items (LZSS, as the game's archives are) and converts them.
    void Convert(PictureStep step, const std::vector<Item>& items, int percent, int quality = 0) {
        PacWriter pac(kPacMethodLzss);
        for (const Item& item : items) ASSERT_TRUE(pac.Add(item.name.c_str(), item.bytes));
        ASSERT_TRUE(pac.WriteFile(fs, "game\\source.pac"));
        PictureArchiveJob job{fs, progress, percent, quality, standTable, visualTable};
        output = "out\\data\\pictures.mlz";
        ASSERT_EQ(ConvertPictureArchive(step, job, "game\\source.pac", output.c_str()),
                  PictureArchiveResult::Written);
        EXPECT_EQ(progress.total, items.size());
        EXPECT_EQ(progress.done, items.size());
    }

    Bytes Entry(const char* name) {
        MlzArchive archive(fs);
        auto bytes = archive.ReadEntry(output.c_str(), name);
        EXPECT_TRUE(bytes) << name << ": " << archive.LastError();
        return bytes.value_or(Bytes{});
    }

    RbpPicture Picture(const char* name) {
        RbpPicture out;
        std::string error;
        EXPECT_TRUE(RbpDecode(Entry(name), 0, out, &error)) << name << ": " << error;
        return out;
    }

    static Rgba Px(const RbpPicture& p, int x, int y) {
        const uint8_t* q = &p.pixels[(static_cast<size_t>(y) * p.width + x) * 4];
        return {q[0], q[1], q[2], q[3]};
    }

    MemoryFileSystem fs;
    CountingProgress progress;
    Bytes standTable, visualTable;
    std::string output;
};

TEST_F(PictureArchiveTest, AMissingSourceWritesNothing) {
    PictureArchiveJob job{fs, progress, 50, 0, {}, {}};
    EXPECT_EQ(ConvertPictureArchive(PictureStep::Faces, job, "none.pac", "out.mlz"),
              PictureArchiveResult::SourceMissing);
    EXPECT_FALSE(fs.FileExists("out.mlz"));
}

TEST_F(PictureArchiveTest, BackgroundsAtHalfSize) {
    visualTable.resize(kVisualRecordSize);
    PutText(visualTable, 4, "bg01.bmp");
    PutText(visualTable, 68, "bg01a.bmp");
    PutU32(&visualTable[100], 2);
    // Columns 0 and 1 grey 100 and 120, columns 2 and 3 black.
    const Bytes base = BmpFile(4, 2, 24, [](int x, int) {
        const int v[] = {100, 120, 0, 0};
        return Rgba{v[x], v[x], v[x]};
    });
    Convert(PictureStep::Backgrounds,
            {{"bg01.bmp", base}, {"bg01a.bmp", BmpFile(2, 2, 24, Solid({200, 40, 80}))}}, 50);
    const RbpPicture keyed = Picture("bg01.rbp");
    ASSERT_EQ(keyed.width, 2);
    ASSERT_EQ(keyed.height, 1);
    EXPECT_EQ(keyed.sourceWidth, 4);
    // Mean 110 → RGB565 104/108/104; alpha (255 + 255 + 120 + 120) / 4 = 187
    // (column 1 feathered to its grey by the black column beside it).
    EXPECT_EQ(Px(keyed, 0, 0), (Rgba{104, 108, 104, 187}));
    EXPECT_EQ(Px(keyed, 1, 0), (Rgba{0, 0, 0, 0}));
    const RbpPicture composed = Picture("bg01a.rbp");
    EXPECT_EQ(Px(composed, 0, 0), (Rgba{104, 108, 104, 255}));
    EXPECT_EQ(Px(composed, 1, 0), (Rgba{200, 40, 80, 255}));
}

TEST_F(PictureArchiveTest, StandingPicturesWithDescriptorsAndMasks) {
    standTable.resize(kStandRecordSize);
    PutText(standTable, 32, "st_a01.dat");
    PutText(standTable, 64, "st_a01b.bmp");
    PutU32(&standTable[100], 1);  // variant y
    Bytes descriptor(68, 0);
    PutText(descriptor, 8, "st_a01.bmp");
    PutU32(&descriptor[60], 479);         // Y
    PutU32(&descriptor[64], 321);         // X
    const Bytes mask = {10, 20, 30, 40};  // bottom row first
    Convert(PictureStep::Stands,
            {{"st_a01.dat", descriptor},
             {"st_a01.bmp", BmpFile(2, 2, 24, Solid({100, 100, 100}))},
             {"st_a01b.bmp", BmpFile(1, 1, 24, Solid({200, 0, 0}))},
             {"st_a01_m.fil", mask}},
            100);
    EXPECT_EQ(Entry("st_a01.dat"), descriptor);
    EXPECT_EQ(Entry("st_a01_m.fil"), mask);
    // The variant lands at (0 + 321 − 320, 1 + 479 − 480) = (1, 0).
    const RbpPicture v = Picture("st_a01b.rbp");
    EXPECT_EQ(v.placementX, 321);
    EXPECT_EQ(v.placementY, 1);
    EXPECT_EQ(Px(v, 1, 0), (Rgba{200, 0, 0, 43}));
    EXPECT_EQ(Px(v, 0, 0), (Rgba{96, 100, 96, 31}));
    EXPECT_EQ(Px(v, 1, 1), (Rgba{96, 100, 96, 23}));
    const RbpPicture base = Picture("st_a01.rbp");
    EXPECT_EQ(base.placementX, 321);
    EXPECT_EQ(Px(base, 0, 1), (Rgba{96, 100, 96, 11}));
}

TEST_F(PictureArchiveTest, VisualsBlendedOntoTheirBase) {
    visualTable.resize(kVisualRecordSize);
    PutText(visualTable, 4, "ev01.bmp");
    PutText(visualTable, 68, "ev01a.bmp");
    const Bytes difference = BmpFile(2, 2, 24, [](int x, int y) {
        return x == 0 && y == 0 ? Rgba{200, 200, 200} : Rgba{0, 0, 0};
    });
    Convert(PictureStep::Visuals,
            {{"ev01.bmp", BmpFile(2, 2, 24, Solid({40, 80, 120}))}, {"ev01a.bmp", difference}}, 50);
    const RbpPicture p = Picture("ev01a.rbp");
    ASSERT_EQ(p.width, 1);
    // Means (200 + 3·40) / 4 = 80, (200 + 3·80) / 4 = 110, (200 + 3·120) / 4 = 140.
    EXPECT_EQ(Px(p, 0, 0), (Rgba{80, 108, 136, 255}));
}

TEST_F(PictureArchiveTest, FacesLeaveTheirMaskRecordsEmpty) {
    Convert(PictureStep::Faces,
            {{"fa_ar05.bmp", BmpFile(2, 1, 24, Solid({60, 60, 60}))}, {"fa_ar01_m.fil", {0, 200}}},
            100);
    const RbpPicture p = Picture("fa_ar05.rbp");
    EXPECT_EQ(Px(p, 0, 0)[3], 0);
    EXPECT_EQ(Px(p, 1, 0), (Rgba{56, 60, 56, 203}));
    MlzArchive archive(fs);
    ASSERT_TRUE(archive.LoadDirectory(output.c_str()));
    ASSERT_EQ(archive.EntryCount(), 2u);
    const MlzEntry mask = archive.Entry(1);
    EXPECT_STREQ(mask.name, "");
    EXPECT_EQ(mask.storedSize, 0u);
    EXPECT_EQ(mask.expandedSize, 0u);
    EXPECT_EQ(mask.method, 0u);
}

TEST_F(PictureArchiveTest, ThumbnailsAsJbpAndPlain) {
    Convert(PictureStep::Thumbnails,
            {{"Thum_000.bmp", BmpFile(64, 64, 24, Solid({128, 128, 128}))},
             {"Thum_001.bmp", BmpFile(2, 2, 16, Solid({0x07E0}))}},
            50, 2);
    const Bytes jbp = Entry("Thum_000.rbp");
    const auto header = ReadRbpHeader(jbp);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->type, 31u);  // keyed, so with alpha; 32 × 32 after scaling
    const RbpPicture grey = Picture("Thum_000.rbp");
    ASSERT_EQ(grey.width, 32);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(Px(grey, 16, 16)[i], 128, 4) << i;
    EXPECT_EQ(Px(grey, 16, 16)[3], 255);
    const RbpPicture green = Picture("Thum_001.rbp");
    EXPECT_EQ(ReadRbpHeader(Entry("Thum_001.rbp"))->type, 13u);  // below 32 pixels: plain
    EXPECT_EQ(Px(green, 0, 0), (Rgba{0, 252, 0, 255}));
}

TEST_F(PictureArchiveTest, SystemPicturesByName) {
    Convert(PictureStep::System,
            {{"Filter03.bmp", BmpFile(2, 2, 24,
                                      [](int x, int y) {
                                          return Rgba{10 + 10 * (2 * y + x), 0, 0};
                                      })},
             {"c01_arlen.bmp", BmpFile(12, 1, 24, Solid({90, 90, 90}))},
             {"MessageWindow.bmp", BmpFile(1, 1, 24, Solid({255, 0, 255}))},
             {"sys.dat", {1, 2, 3}}},
            100);
    const Bytes filter = Entry("Filter03.rbp");
    ASSERT_EQ(filter.size(), 36u + 4);
    EXPECT_EQ(ReadRbpHeader(filter)->type, 9u);
    EXPECT_EQ(Bytes(filter.begin() + 36, filter.end()), (Bytes{10, 20, 30, 40}));  // top row first
    const RbpPicture strip = Picture("c01_arlen.rbp");
    ASSERT_EQ(strip.width, 16);  // frames of 3 padded to 4
    EXPECT_EQ(Px(strip, 3, 0), (Rgba{0, 0, 0, 0}));
    EXPECT_EQ(Px(strip, 4, 0)[0], 88);
    EXPECT_EQ(Px(Picture("MessageWindow.rbp"), 0, 0), (Rgba{248, 0, 0, 131}));
    EXPECT_EQ(Entry("sys.dat"), (Bytes{1, 2, 3}));
}

TEST_F(PictureArchiveTest, ABadBitmapBecomesAnEmptyEntryAndTheJobGoesOn) {
    Bytes lying = BmpFile(2, 2, 24, Solid({1, 2, 3}));
    PutU32(&lying[22], 5000);  // height far beyond the bytes
    Convert(PictureStep::Thumbnails,
            {{"bad.bmp", lying}, {"good.bmp", BmpFile(2, 2, 24, Solid({80, 80, 80}))}}, 100);
    EXPECT_EQ(Entry("bad.rbp"), Bytes{});
    EXPECT_EQ(progress.skipped, 1u);
    ASSERT_EQ(progress.notes.size(), 1u);
    EXPECT_NE(progress.notes[0].find("bad.bmp"), std::string::npos);
    EXPECT_EQ(Picture("good.rbp").width, 2);
}

TEST_F(PictureArchiveTest, AnEntryThatDoesNotDecodeKeepsAZeroRecord) {
    PacWriter pac(kPacMethodLzss);
    ASSERT_TRUE(pac.Add("a.bmp", BmpFile(2, 2, 24, Solid({80, 80, 80}))));
    ASSERT_TRUE(pac.Add("b.bmp", BmpFile(2, 2, 24, Solid({80, 80, 80}))));
    ASSERT_TRUE(pac.WriteFile(fs, "game\\BG.pac"));
    PutU32(fs.Bytes("game\\BG.pac").data() + 12 + 68, 100000);  // a.bmp claims more than it holds
    PictureArchiveJob job{fs, progress, 100, 0, {}, {}};
    EXPECT_EQ(ConvertPictureArchive(PictureStep::Backgrounds, job, "game\\BG.pac", "bg.mlz"),
              PictureArchiveResult::Written);
    output = "bg.mlz";
    MlzArchive archive(fs);
    ASSERT_TRUE(archive.LoadDirectory("bg.mlz"));
    EXPECT_STREQ(archive.Entry(0).name, "");
    EXPECT_EQ(Picture("b.rbp").width, 2);
    EXPECT_EQ(progress.done, 2u);
    EXPECT_EQ(progress.skipped, 1u);
    EXPECT_EQ(progress.notes.size(), 1u);
}

}  // namespace
}  // namespace vn

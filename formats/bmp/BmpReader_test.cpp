#include "formats/bmp/BmpReader.h"

#include <gtest/gtest.h>

#include <vector>

#include "formats/bmp/BmpLayout.h"

namespace vn {
namespace {

// A bitmap file made field by field: rows are given bottom-up, unpadded.
struct BmpSpec {
    int width = 2;
    int height = 2;
    int bitCount = 24;
    uint32_t compression = 0;
    std::vector<uint8_t> palette;  // 4-byte entries
    uint32_t coloursUsed = 0;
    std::vector<uint8_t> pixels;  // padded rows as stored
};

std::vector<uint8_t> MakeBmp(const BmpSpec& s) {
    std::vector<uint8_t> out(kBmpHeadersSize, 0);
    BmpFileHeader file;
    file.pixelOffset = static_cast<uint32_t>(kBmpHeadersSize + s.palette.size());
    BmpInfoHeader info;
    info.width = s.width;
    info.height = s.height;
    info.bitCount = static_cast<uint16_t>(s.bitCount);
    info.compression = s.compression;
    info.coloursUsed = s.coloursUsed;
    WriteRecord(std::span(out).first(kBmpFileHeaderSize), file);
    WriteRecord(std::span(out).subspan(kBmpFileHeaderSize), info);
    out.insert(out.end(), s.palette.begin(), s.palette.end());
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
    return out;
}

TEST(BmpReader, Reads24BitBottomUpPaddedRows) {
    BmpSpec s;
    s.width = 1;
    s.height = 2;
    // Each 3-byte row padded to 4; the first stored row is the bottom.
    s.pixels = {1, 2, 3, 0, 4, 5, 6, 0};
    std::string error;
    auto p = ReadBmp(MakeBmp(s), &error);
    ASSERT_TRUE(p) << error;
    EXPECT_EQ(p->fileBitCount, 24);
    EXPECT_EQ(p->bitmap.BitCount(), 24);
    EXPECT_EQ(p->bitmap.SourceWidth(), 1);
    EXPECT_EQ(p->bitmap.Row(0)[0], 1);
    EXPECT_EQ(p->bitmap.RowFromTop(0)[2], 6);
}

TEST(BmpReader, WidensPaletteAnd565To24Bit) {
    BmpSpec pal;
    pal.width = 3;
    pal.height = 1;
    pal.bitCount = 8;
    pal.coloursUsed = 2;
    pal.palette = {10, 20, 30, 0, 40, 50, 60, 0};
    pal.pixels = {1, 0, 1, 0};
    auto p = ReadBmp(MakeBmp(pal));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->fileBitCount, 8);
    const uint8_t* row = p->bitmap.Row(0);
    EXPECT_EQ(std::vector<uint8_t>(row, row + 9),
              (std::vector<uint8_t>{40, 50, 60, 10, 20, 30, 40, 50, 60}));

    BmpSpec rgb;
    rgb.width = 1;
    rgb.height = 1;
    rgb.bitCount = 16;
    rgb.pixels = {0xFF, 0xFF, 0, 0};  // white: 248, 252, 248
    p = ReadBmp(MakeBmp(rgb));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->fileBitCount, 16);
    EXPECT_EQ(std::vector<uint8_t>(p->bitmap.Row(0), p->bitmap.Row(0) + 3),
              (std::vector<uint8_t>{248, 252, 248}));
}

TEST(BmpReader, Keeps32BitAlphaAndFlipsTopDownFiles) {
    BmpSpec s;
    s.width = 1;
    s.height = -2;  // first stored row is the top
    s.bitCount = 32;
    s.pixels = {1, 2, 3, 4, 5, 6, 7, 8};
    auto p = ReadBmp(MakeBmp(s));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->bitmap.BitCount(), 32);
    EXPECT_EQ(p->bitmap.Height(), 2);
    EXPECT_EQ(p->bitmap.RowFromTop(0)[3], 4);
    EXPECT_EQ(p->bitmap.Row(0)[0], 5);
}

TEST(BmpReader, RefusesWhatDoesNotFit) {
    BmpSpec good;
    good.pixels.assign(16, 0);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases;
    auto with = [&](const char* what, auto change) {
        BmpSpec s = good;
        change(s);
        cases.push_back({what, MakeBmp(s)});
    };
    with("zero width", [](BmpSpec& s) { s.width = 0; });
    with("negative width", [](BmpSpec& s) { s.width = -2; });
    with("zero height", [](BmpSpec& s) { s.height = 0; });
    with("pixels cut short", [](BmpSpec& s) { s.pixels.resize(15); });
    with("lying size", [](BmpSpec& s) { s.height = 1000000; });
    with("huge", [](BmpSpec& s) { s.width = 40000; });
    with("1 bit", [](BmpSpec& s) { s.bitCount = 1; });
    with("RLE8", [](BmpSpec& s) {
        s.bitCount = 8;
        s.compression = 1;
    });
    with("bit fields that are 555", [](BmpSpec& s) {
        s.bitCount = 16;
        s.compression = 3;
        s.palette = {0x00, 0x7C, 0, 0, 0xE0, 0x03, 0, 0, 0x1F, 0, 0, 0};
    });
    with("palette beyond the data", [](BmpSpec& s) {
        s.bitCount = 8;
        s.pixels.assign(8, 0);  // 256 entries expected, none present
    });
    with("index beyond the palette", [](BmpSpec& s) {
        s.bitCount = 8;
        s.coloursUsed = 1;
        s.palette = {1, 2, 3, 0};
        s.pixels = {0, 1, 0, 0, 0, 0, 0, 0};
    });
    std::vector<uint8_t> lyingOffset = MakeBmp(good);
    PutU32(&lyingOffset[10], 0xFFFFFFF0u);
    cases.push_back({"pixel offset beyond the data", lyingOffset});
    std::vector<uint8_t> lyingHeader = MakeBmp(good);
    PutU32(&lyingHeader[14], 0x7FFFFFFF);
    cases.push_back({"information header beyond the data", lyingHeader});
    cases.push_back(
        {"truncated headers", std::vector<uint8_t>(lyingHeader.begin(), lyingHeader.begin() + 30)});
    cases.push_back({"no magic", std::vector<uint8_t>(60, 0)});

    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ReadBmp(c.bytes, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

TEST(BmpReader, AcceptsRgb565BitFields) {
    BmpSpec s;
    s.width = 1;
    s.height = 1;
    s.bitCount = 16;
    s.compression = 3;
    s.palette = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    s.pixels = {0x1F, 0x00, 0, 0};  // pure blue
    auto p = ReadBmp(MakeBmp(s));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->bitmap.Row(0)[0], 248);
    EXPECT_EQ(p->bitmap.Row(0)[2], 0);
}

TEST(Bitmap, HeaderDescribesTheRows) {
    auto b = Bitmap::Create(3, 2, 24);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Stride(), 12);
    EXPECT_EQ(b->FileBytes().size(), 54u + 24u);
    // The bitmap is itself a valid file.
    auto back = ReadBmp(b->FileBytes());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bitmap.Width(), 3);
    EXPECT_FALSE(Bitmap::Create(0, 2, 24));
    EXPECT_FALSE(Bitmap::Create(2, 2, 16));
}

}  // namespace
}  // namespace vn

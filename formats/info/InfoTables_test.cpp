#include "formats/info/InfoTables.h"

#include <gtest/gtest.h>

#include <cstring>

#include "formats/io/MemoryFileSystem.h"
#include "formats/mlz/MlzArchive.h"
#include "formats/mlz/MlzWriter.h"

namespace vn {
namespace {

std::vector<uint8_t> StandTable() {
    std::vector<uint8_t> t(224 * 2 + 100, 0);  // two records and a partial third
    StandRecord a;
    std::strcpy(a.faceName, "f_arl01.bmp");
    std::strcpy(a.standName, "arl01.dsc");
    WriteRecord(std::span(t).first(224), a);
    StandRecord b = a;
    std::strcpy(b.variantName, "arl01b.bmp");
    b.variantX = -40;
    b.variantY = 12;
    WriteRecord(std::span(t).subspan(224, 224), b);
    t[224 + 150] = 0xAB;  // an unused byte
    return t;
}

std::vector<uint8_t> VisualTable() {
    std::vector<uint8_t> t(228 * 2, 0);
    VisualRecord base;
    std::strcpy(base.baseName, "ev01.bmp");
    WriteRecord(std::span(t).first(228), base);
    VisualRecord diff = base;
    std::strcpy(diff.differenceName, "ev01a.bmp");
    diff.x = 100;
    diff.y = -3;
    WriteRecord(std::span(t).subspan(228), diff);
    return t;
}

TEST(InfoTables, RecordsByIndexWithBounds) {
    InfoTables tables;
    tables.Set(InfoTable::Stand, StandTable());
    EXPECT_EQ(tables.Count(InfoTable::Stand), 2);
    auto b = tables.Stand(1);
    ASSERT_TRUE(b);
    EXPECT_STREQ(b->variantName, "arl01b.bmp");
    EXPECT_EQ(b->variantX, -40);
    EXPECT_EQ(tables.RecordBytes(InfoTable::Stand, 1)[150], 0xAB);
    for (int index : {-1, 2, 3, 1 << 30}) EXPECT_FALSE(tables.Stand(index)) << index;
    // The base picture of a record without a variant, as converted.
    auto a = tables.Stand(0);
    EXPECT_EQ(a->variantName[0], '\0');
    EXPECT_EQ(ReplaceExtension(a->standName, ".rbp"), "arl01.rbp");
    EXPECT_EQ(tables.FindStandByVariant("ARL01B.BMP"), 1);
    EXPECT_EQ(tables.FindStandByVariant(""), -1);
}

TEST(InfoTables, AbsentTablesAreEmpty) {
    InfoTables tables;
    for (int i = 0; i < kInfoTableCount; ++i) {
        const auto t = static_cast<InfoTable>(i);
        EXPECT_FALSE(tables.Has(t));
        EXPECT_EQ(tables.Count(t), 0);
        EXPECT_TRUE(tables.RecordBytes(t, 0).empty());
    }
    EXPECT_FALSE(tables.Visual(0));
    EXPECT_FALSE(tables.Gallery(0));
    EXPECT_EQ(tables.FindVisualByDifference("ev01a.bmp"), -1);
}

TEST(InfoTables, PictureAndThumbnailNames) {
    InfoTables tables;
    tables.Set(InfoTable::Visual, VisualTable());
    EXPECT_STREQ(VisualPictureName(*tables.Visual(0)), "ev01.bmp");
    EXPECT_STREQ(VisualPictureName(*tables.Visual(1)), "ev01a.bmp");
    EXPECT_EQ(tables.Visual(1)->y, -3);
    EXPECT_EQ(tables.FindVisualByDifference("ev01a.bmp"), 1);
    EXPECT_EQ(ThumbnailName(7), "Thum_007.bmp");
    EXPECT_EQ(ReplaceExtension(ThumbnailName(7).c_str(), ".rbp"), "Thum_007.rbp");
    EXPECT_EQ(ThumbnailName(123), "Thum_123.bmp");
    EXPECT_EQ(ReplaceExtension("bgm01.wav", ".mp3"), "bgm01.mp3");
    EXPECT_EQ(ReplaceExtension("a.b.wav", ".mp3"), "a.b.mp3");
    EXPECT_EQ(ReplaceExtension("bgm01", ".mp3"), "bgm01.mp3");
}

TEST(InfoTables, GallerySlotsAndLoadingFromTheArchive) {
    std::vector<uint8_t> gallery(1280, 0xFF);  // every slot -1
    PutU32(&gallery[(3 * 20 + 2) * 4], 7);
    std::vector<uint8_t> bgm(36, 0);
    std::memcpy(bgm.data(), "bgm05.wav", 9);
    MemoryFileSystem files;
    MlzWriter writer(files);
    ASSERT_TRUE(writer.Create("data\\Table.mlz", 2));
    ASSERT_TRUE(writer.AddEntry(0, "CGInfo.DAT", gallery, 1));
    ASSERT_TRUE(writer.AddEntry(1, "BgmInfo.DAT", bgm, 1));
    ASSERT_TRUE(writer.Finish());

    MlzArchive archive(files);
    InfoTables tables;
    EXPECT_EQ(tables.Load(archive, "data\\Table.mlz"), 2);
    EXPECT_FALSE(tables.Has(InfoTable::Scene));
    auto block = tables.Gallery(0);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->slots[3][2], 7);
    EXPECT_EQ(block->slots[0][0], -1);
    EXPECT_FALSE(tables.Gallery(1));
    EXPECT_STREQ(tables.Bgm(0)->fileName, "bgm05.wav");
}

}  // namespace
}  // namespace vn

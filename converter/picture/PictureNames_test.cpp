#include "converter/picture/PictureNames.h"

#include <gtest/gtest.h>

#include "converter/picture/PictureTables.h"
#include "formats/io/RecordFields.h"

namespace vn {
namespace {

TEST(PictureNames, ReplacesOrAppendsTheExtension) {
    EXPECT_EQ(ReplaceExtension("bg01.bmp", ".rbp"), "bg01.rbp");
    EXPECT_EQ(ReplaceExtension("a.b.BMP", ".rbp"), "a.b.rbp");
    EXPECT_EQ(ReplaceExtension("noext", ".rbp"), "noext.rbp");
    EXPECT_TRUE(IsBitmapName("x.BMP"));
    EXPECT_FALSE(IsBitmapName("x_m.fil"));
    EXPECT_FALSE(IsBitmapName("bmp"));
}

TEST(PictureNames, DerivesStandingPictureMasks) {
    const struct {
        const char* source;
        const char* mask;
    } cases[] = {
        {"st_ar23.bmp", "st_ar01_m.fil"},      // two digits
        {"st_ar23a.bmp", "st_ar01a_m.fil"},    // two digits and a letter
        {"st_ar23ab.bmp", "st_ar01ab_m.fil"},  // two digits and two letters
        {"12", "01_m.fil"},
        {"xy.bmp", ""},
        {"a.bmp", ""},
        {"abc", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(StandMaskName(c.source), c.mask) << c.source;
}

TEST(PictureNames, DerivesFaceMasks) {
    EXPECT_EQ(FaceMaskName("fa_ar05.bmp"), "fa_ar01_m.fil");
    EXPECT_EQ(FaceMaskName("fa_arxy.bmp"), "fa_ar01_m.fil");
    EXPECT_EQ(FaceMaskName("f.bmp"), "");
}

TEST(PictureNames, KnowsTheSystemPictures) {
    const struct {
        const char* name;
        SystemPictureKind kind;
    } cases[] = {
        {"Filter00.bmp", SystemPictureKind::Filter},
        {"filter15.BMP", SystemPictureKind::Filter},
        {"Filter16.bmp", SystemPictureKind::Other},
        {"c01_arlen.bmp", SystemPictureKind::MascotPadded},
        {"c12_varnek.bmp", SystemPictureKind::MascotPadded},
        {"c04_dalia.bmp", SystemPictureKind::Mascot},
        {"c11_kestra.bmp", SystemPictureKind::Mascot},
        {"MessageWindow3.bmp", SystemPictureKind::MessageWindow},
        {"SelectMenu.bmp", SystemPictureKind::MessageWindow},
        {"Title.bmp", SystemPictureKind::Other},
    };
    for (const auto& c : cases) EXPECT_EQ(SystemPictureKindOf(c.name), c.kind) << c.name;
}

std::vector<uint8_t> Records(size_t size, size_t count) {
    return std::vector<uint8_t>(size * count);
}

void PutText(std::vector<uint8_t>& b, size_t at, const std::string& s) {
    std::copy(s.begin(), s.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

TEST(PictureTables, FindsStandingPictureRecords) {
    std::vector<uint8_t> t = Records(kStandRecordSize, 3);
    PutText(t, 32, "st_ar01.dat");
    PutText(t, kStandRecordSize + 32, "st_ar01.dat");
    PutText(t, kStandRecordSize + 64, "st_ar01b.bmp");
    PutU32(&t[kStandRecordSize + 96], static_cast<uint32_t>(-12));
    PutU32(&t[kStandRecordSize + 100], 34);
    t.resize(t.size() - 1);  // the partial third record is ignored
    const auto variant = FindStandByVariant(t, "ST_AR01B.bmp");
    ASSERT_TRUE(variant);
    EXPECT_EQ(variant->variantX, -12);
    EXPECT_EQ(variant->variantY, 34);
    const auto base = FindStandByBaseBitmap(t, "st_ar01.bmp");
    ASSERT_TRUE(base);
    EXPECT_STREQ(base->variantName, "");  // the first record wins
    EXPECT_FALSE(FindStandByVariant(t, "st_ar01.dat"));
    EXPECT_FALSE(FindStandByBaseBitmap(t, ".bmp"));
}

TEST(PictureTables, FindsVisualRecordsByDifferenceName) {
    std::vector<uint8_t> t = Records(kVisualRecordSize, 2);
    PutText(t, 4, "ev01.bmp");
    PutText(t, kVisualRecordSize + 4, "ev01.bmp");
    PutText(t, kVisualRecordSize + 68, "ev01a.bmp");
    PutU32(&t[kVisualRecordSize + 100], 5);
    PutU32(&t[kVisualRecordSize + 104], static_cast<uint32_t>(-6));
    const auto r = FindVisualByDifference(t, "ev01a.bmp");
    ASSERT_TRUE(r);
    EXPECT_STREQ(r->baseName, "ev01.bmp");
    EXPECT_EQ(r->x, 5);
    EXPECT_EQ(r->y, -6);
    EXPECT_FALSE(FindVisualByDifference(t, "ev01.bmp"));
}

TEST(PictureTables, ReadsDescriptorsWithinTheirBytes) {
    std::vector<uint8_t> d(68, 0);
    PutText(d, 8, std::string(52, 'n'));  // fills up to the Y field: unterminated
    PutU32(&d[60], 400);
    PutU32(&d[64], static_cast<uint32_t>(-20));
    const auto r = ReadStandDescriptor(d);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->baseName, std::string(52, 'n'));
    EXPECT_EQ(r->y, 400);
    EXPECT_EQ(r->x, -20);
    d.resize(67);
    EXPECT_FALSE(ReadStandDescriptor(d));
}

}  // namespace
}  // namespace vn

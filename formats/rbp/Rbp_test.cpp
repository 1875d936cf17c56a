#include <gtest/gtest.h>

#include "formats/picture/SamplePicture.h"
#include "formats/rbp/RbpDecoder.h"
#include "formats/rbp/RbpWriter.h"

namespace vn {
namespace {

Bitmap Filled(int width, int height, int bitCount, std::array<uint8_t, 4> pixel) {
    Bitmap b = *Bitmap::Create(width, height, bitCount);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            std::copy_n(pixel.begin(), b.BytesPerPixel(), b.Row(y) + x * b.BytesPerPixel());
    return b;
}

RbpPicture Decode(const std::vector<uint8_t>& rbp, uint32_t tint = 0) {
    RbpPicture p;
    std::string error;
    EXPECT_TRUE(RbpDecode(rbp, tint, p, &error)) << error;
    return p;
}

TEST(RbpWriter, ChoosesTheTypeByQualityBitCountAndSize) {
    struct Case {
        int width, height, bitCount, quality;
        uint32_t type;
        uint8_t version;
    };
    const Case cases[] = {
        {31, 200, 24, 1, 13, '5'}, {31, 200, 32, 1, 1, '5'}, {200, 31, 24, 2, 13, '5'},
        {64, 32, 24, 0, 13, '5'},  {64, 32, 32, 0, 1, '5'},  {32, 32, 24, 1, 30, '7'},
        {48, 40, 32, 3, 31, '7'},
    };
    for (const Case& c : cases) {
        Bitmap picture = MakeSamplePicture(c.width, c.height, c.bitCount, 1);
        picture.SetSourceSize(640, 480);
        auto rbp = RbpFromPicture(picture, c.quality, -12, 300);
        ASSERT_TRUE(rbp);
        auto h = ReadRbpHeader(*rbp);
        ASSERT_TRUE(h);
        EXPECT_EQ(h->type, c.type) << c.width << "x" << c.height;
        EXPECT_EQ(h->version, c.version);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(h->magic), 3), "RBP");
        EXPECT_EQ(h->dataOffset, 36u);
        const RbpPicture p = Decode(*rbp);
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.sourceWidth, 640);
        EXPECT_EQ(p.sourceHeight, 480);
        EXPECT_EQ(p.placementX, -12);
        EXPECT_EQ(p.placementY, 300);
        const uint64_t pixels = uint64_t(c.width) * c.height;
        const uint64_t payload = c.type == 13   ? 2 * pixels
                                 : c.type == 1  ? 3 * pixels
                                 : c.type == 31 ? h->colourSize + pixels
                                                : h->colourSize;
        EXPECT_EQ(rbp->size(), 36 + payload);
        EXPECT_EQ(h->colourSize != 0, c.type >= 30);
    }
}

TEST(RbpDecode, ExpandsRgb565WithoutBitReplication) {
    // Top row white, bottom row a mixed colour; rows are stored top first.
    Bitmap b = Filled(1, 2, 24, {255, 255, 255});
    b.Row(0)[0] = 0x18;  // bottom row
    b.Row(0)[1] = 0x84;
    b.Row(0)[2] = 0x42;
    auto rbp = *RbpFromPicture(b, 0, 0, 0);
    EXPECT_EQ(GetU16(&rbp[36]), 0xFFFF);
    const RbpPicture p = Decode(rbp);
    EXPECT_EQ(std::vector<uint8_t>(p.pixels.begin(), p.pixels.end()),
              (std::vector<uint8_t>{248, 252, 248, 255, 0x18, 0x84, 0x40, 255}));
}

TEST(RbpDecode, WidensAlphaByVersion) {
    struct Case {
        uint8_t version, stored, decoded;
    };
    const Case cases[] = {{'5', 0, 0},    {'5', 1, 3}, {'5', 255, 255}, {'5', 100, 103},
                          {'1', 63, 255}, {'1', 1, 7}, {'1', 0, 0},     {'1', 64, 3}};
    for (const Case& c : cases) {
        auto rbp = *RbpFromPicture(Filled(2, 1, 32, {10, 20, 30, c.stored}), 0, 0, 0);
        rbp[3] = c.version;
        const RbpPicture p = Decode(rbp);
        EXPECT_EQ(p.pixels[3], c.decoded) << int(c.version) << " " << int(c.stored);
        EXPECT_EQ(p.pixels[7], c.decoded);
    }
}

TEST(RbpDecode, JbpWithAlphaKeepsThePlane) {
    Bitmap b = MakeSamplePicture(40, 36, 32, 2);
    auto rbp = *RbpFromPicture(b, 2, 0, 0);
    const RbpPicture p = Decode(rbp);
    int worst = 0;
    for (int y = 0; y < 36; ++y) {
        for (int x = 0; x < 40; ++x) {
            const uint8_t* src = b.RowFromTop(y) + x * 4;
            const uint8_t* out = &p.pixels[(y * 40 + x) * 4];
            const uint8_t a = src[3];
            ASSERT_EQ(out[3], a == 0 ? 0 : (a | 3));
            for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(out[c] - src[c]));
        }
    }
    EXPECT_LT(worst, 48);
}

TEST(RbpDecode, TintMakesAScaledGrey) {
    auto rbp = *RbpFromPicture(Filled(1, 1, 24, {200, 100, 40}), 0, 0, 0);
    // Decoded 200, 100, 40; grey (200 + 100 + 40) / 3 = 113.
    RbpPicture p = Decode(rbp, 255);
    EXPECT_EQ(std::vector<uint8_t>(p.pixels.begin(), p.pixels.end()),
              (std::vector<uint8_t>{113, 0, 0, 255}));
    p = Decode(rbp, 0x008040FF);
    EXPECT_EQ(std::vector<uint8_t>(p.pixels.begin(), p.pixels.end()),
              (std::vector<uint8_t>{113, 113 * 64 / 255, 113 * 128 / 255, 255}));
}

TEST(RbpMask, IsTheBlueByteFromTheTopRowDown) {
    Bitmap b = Filled(3, 2, 24, {7, 1, 2});
    b.Row(1)[3] = 99;  // top row, second pixel
    const auto rbp = RbpMaskFromPicture(b);
    const auto h = *ReadRbpHeader(rbp);
    EXPECT_EQ(h.type, 9u);
    EXPECT_EQ(h.version, '5');
    EXPECT_EQ(std::vector<uint8_t>(rbp.begin() + 36, rbp.end()),
              (std::vector<uint8_t>{7, 99, 7, 7, 7, 7}));
    RbpPicture p;
    std::string error;
    EXPECT_FALSE(RbpDecode(rbp, 0, p, &error));
    EXPECT_NE(error.find("mask"), std::string::npos);
}

TEST(RbpDecode, RefusesHeadersThatDoNotFitTheBytes) {
    const auto plain = *RbpFromPicture(Filled(4, 4, 32, {1, 2, 3, 4}), 0, 0, 0);
    const auto jbp = *RbpFromPicture(MakeSamplePicture(32, 32, 32, 3), 1, 0, 0);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases;
    auto with = [&](const char* what, const std::vector<uint8_t>& base, auto change) {
        auto b = base;
        change(b);
        cases.push_back({what, b});
    };
    with("short header", plain, [](auto& b) { b.resize(35); });
    with("pixels cut", plain, [](auto& b) { b.pop_back(); });
    with("lying height", plain, [](auto& b) { PutU32(&b[12], 5); });
    with("huge size", plain, [](auto& b) { PutU32(&b[8], 0x10000); });
    with("zero width", plain, [](auto& b) { PutU32(&b[8], 0); });
    with("data offset beyond", plain, [](auto& b) { PutU32(&b[16], 0xFFFFFFF0u); });
    with("data offset inside the header", plain, [](auto& b) { PutU32(&b[16], 4); });
    with("unknown type", plain, [](auto& b) { PutU32(&b[4], 2); });
    with("colour size beyond", jbp, [](auto& b) { PutU32(&b[28], GetU32(&b[28]) + 1024); });
    with("alpha plane cut", jbp, [](auto& b) { b.pop_back(); });
    with("colour stream damaged", jbp, [](auto& b) { b[36 + 44] ^= 0xFF; });
    with("JBP of another size", jbp, [](auto& b) { PutU32(&b[8], 16); });
    for (const Case& c : cases) {
        RbpPicture p;
        std::string error;
        EXPECT_FALSE(RbpDecode(c.bytes, 0, p, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

}  // namespace
}  // namespace vn

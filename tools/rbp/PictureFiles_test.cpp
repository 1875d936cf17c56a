#include "tools/rbp/PictureFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/platform/host/Cp932.h"
#include "engine/platform/host/HostFileSystem.h"
#include "formats/mlz/MlzWriter.h"
#include "formats/rbp/RbpWriter.h"

namespace vn {
namespace {

TEST(RbpToolFiles, PngWithAlphaBecomes32BitAndBack) {
    RgbaImage image;
    image.width = 2;
    image.height = 1;
    image.rgba = {255, 0, 0, 255, 0, 0, 255, 0};
    auto png = EncodePng(image);
    ASSERT_TRUE(png);
    std::string error;
    auto picture = PictureFromFile(*png, error);
    ASSERT_TRUE(picture) << error;
    EXPECT_EQ(picture->BitCount(), 32);
    EXPECT_EQ(picture->RowFromTop(0)[2], 255);  // red
    RbpPicture decoded;
    ASSERT_TRUE(RbpDecode(*RbpFromPicture(*picture, 0, 0, 0), 0, decoded));
    const RgbaImage back = ToRgba(decoded);
    EXPECT_EQ(back.rgba, (std::vector<uint8_t>{248, 0, 0, 255, 0, 0, 248, 0}));

    image.rgba[7] = 255;
    picture = PictureFromFile(*EncodePng(image), error);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->BitCount(), 24);
    EXPECT_FALSE(PictureFromFile(std::vector<uint8_t>{1, 2, 3}, error));
    EXPECT_FALSE(error.empty());
}

TEST(RbpToolFiles, ReadsFilesAndArchiveEntries) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "rbp_tool_files";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "a.bin").string();
    ASSERT_TRUE(WriteHostFile(file, std::vector<uint8_t>{1, 2, 3}));
    std::string error;
    auto bytes = ReadSource(file, error);
    ASSERT_TRUE(bytes) << error;
    EXPECT_EQ(bytes->size(), 3u);
    HostFileSystem files;
    MlzWriter writer(files);
    const std::string archive = (dir / "Pics.mlz").string();
    ASSERT_TRUE(writer.Create(InternalPath(archive)->c_str(), 1));
    ASSERT_TRUE(writer.AddEntry(0, Utf8ToCp932("絵.rbp")->c_str(), std::vector<uint8_t>(50, 7), 1));
    ASSERT_TRUE(writer.Finish());
    bytes = ReadSource(archive + ":絵.rbp", error);
    ASSERT_TRUE(bytes) << error;
    EXPECT_EQ(*bytes, std::vector<uint8_t>(50, 7));
    EXPECT_FALSE(ReadSource(archive + ":other.rbp", error));
    EXPECT_FALSE(ReadSource((dir / "missing.mlz").string() + ":x.rbp", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace vn

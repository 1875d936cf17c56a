#include "tools/jmv/JmvFile.h"

#include <gtest/gtest.h>

#include "formats/io/RecordFields.h"

namespace vn {
namespace {

TEST(JmvFile, BuildsHeaderIndexAndFramesThatParseBack) {
    const std::vector<std::vector<uint8_t>> frames = {{1, 2, 3}, {}, {4, 5, 6, 7, 8}};
    std::string error;
    const auto movie = JmvFile::Build(320, 240, 12, frames, &error);
    ASSERT_TRUE(movie) << error;
    ASSERT_EQ(movie->size(), 48u + 3 * 24 + 8);
    EXPECT_EQ(GetU32(&(*movie)[8]), 3u);
    EXPECT_EQ(GetU32(&(*movie)[12]), 12u);
    EXPECT_EQ(GetU32(&(*movie)[20]), 320u);
    EXPECT_EQ(GetU32(&(*movie)[24]), 240u);
    const uint8_t* third = &(*movie)[48 + 2 * 24];
    EXPECT_EQ(GetU32(third + 4), 5u);
    EXPECT_EQ(GetU32(third + 8), 166u);  // 2 frames at 12 fps
    EXPECT_EQ(GetU32(third + 16), 3u);   // after the 3 bytes of frame 0
    EXPECT_EQ((*movie)[48 + 72 + 3], 4);

    const auto info = JmvFile::Parse(*movie, &error);
    ASSERT_TRUE(info) << error;
    EXPECT_EQ(info->dataStart, 48u + 72);
    ASSERT_EQ(info->frames.size(), 3u);
    EXPECT_EQ(info->frames[2].offset, 3u);
    EXPECT_EQ(info->frames[2].size, 5u);
}

TEST(JmvFile, RefusesFramesLargerThanThePlayersReadBuffer) {
    std::string error;
    const std::vector<std::vector<uint8_t>> big = {std::vector<uint8_t>(65537)};
    EXPECT_FALSE(JmvFile::Build(320, 240, 10, big, &error));
    EXPECT_NE(error.find("frame 0 has 65537 bytes"), std::string::npos) << error;
    EXPECT_TRUE(JmvFile::Build(640, 480, 10, big, &error));  // wide movies read 256 KB at a time
    EXPECT_FALSE(JmvFile::Build(320, 240, 0, {}, &error));
}

TEST(JmvFile, ParseRefusesIndexesThatLeaveTheFile) {
    std::string error;
    auto movie = *JmvFile::Build(320, 240, 10, {{9, 9, 9, 9}}, &error);
    EXPECT_TRUE(JmvFile::Parse(movie, &error));
    const struct {
        size_t at;
        uint32_t value;
        const char* message;
    } cases[] = {
        {8, 1000, "runs past the end"},  // frame count
        {48 + 4, 5, "outside the file"}, // frame size
        {48 + 16, 1, "outside the file"},  // frame offset
        {12, 0, "0 frames per second"},
    };
    for (const auto& c : cases) {
        auto broken = movie;
        PutU32(&broken[c.at], c.value);
        EXPECT_FALSE(JmvFile::Parse(broken, &error));
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
    EXPECT_FALSE(JmvFile::Parse(std::vector<uint8_t>(47), &error));
    const auto empty = JmvFile::Build(320, 240, 10, {}, &error);
    const auto info = JmvFile::Parse(*empty, &error);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->frameCount, 0u);
}

}  // namespace
}  // namespace vn

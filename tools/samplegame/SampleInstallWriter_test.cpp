#include "tools/samplegame/SampleInstallWriter.h"

#include <gtest/gtest.h>

#include "converter/audio/WaveDecoder.h"
#include "converter/audio/WaveFile.h"
#include "converter/pac/PacReader.h"
#include "engine/platform/host/Cp932.h"
#include "formats/io/MemoryFileSystem.h"
#include "formats/jbp/JbpDecoder.h"
#include "tools/jmv/JmvFile.h"

namespace vn {
namespace {

// The written install read back the way the converter reads it: every
// archive's directory and entries, and every sound decoded to PCM.
TEST(SampleInstallWriter, WritesArchivesTheConverterReadsBack) {
    const SampleInstall install = SampleGame::Build(VN_SAMPLE_STORY_DIR);
    ASSERT_TRUE(install.errors.empty());
    MemoryFileSystem files;
    SampleInstallWriter writer(files);
    ASSERT_TRUE(writer.Write(install, "Game")) << writer.LastError();
    EXPECT_TRUE(files.FileExists("Game\\LucentGrove.exe"));
    EXPECT_GT(files.FileSize("Game\\jmv\\Opening.mp3"), 10000);
    std::vector<uint8_t> movie;
    ASSERT_TRUE(files.ReadWholeFile("Game\\jmv\\Opening.jmv", movie));
    std::string why;
    const auto info = JmvFile::Parse(movie, &why);
    ASSERT_TRUE(info) << why;
    EXPECT_EQ(info->frameCount, 96u);
    EXPECT_EQ(info->width, 320u);
    JbpDecoder decoder;
    for (uint32_t i = 0; i < info->frameCount; i += 19)
        EXPECT_TRUE(decoder.JbpDecode(std::span(movie).subspan(info->dataStart + info->frames[i].offset, info->frames[i].size)))
            << "frame " << i << ": " << decoder.LastError();

    int sounds = 0;
    for (const SampleArchive& a : install.archives) {
        const std::string path = "Game\\" + a.fileName;
        std::string error;
        const auto dir = PacOpen(files, path.c_str(), &error);
        ASSERT_TRUE(dir) << path << ": " << error;
        ASSERT_EQ(dir->entries.size(), a.entries.size());
        EXPECT_EQ(dir->header.method, a.method);
        for (size_t i = 0; i < a.entries.size(); ++i) {
            const auto bytes = PacReadEntry(files, path.c_str(), dir->entries[i], a.method, &error);
            ASSERT_TRUE(bytes) << error;
            EXPECT_EQ(std::string(dir->entries[i].name), a.entries[i].name);
            EXPECT_TRUE(*bytes == a.entries[i].bytes) << Cp932ToUtf8Lossy(a.entries[i].name);
            const auto wave = ParseWave(*bytes);
            if (wave) {
                const auto pcm = DecodeWave(*wave);
                EXPECT_TRUE(pcm && !pcm->samples.empty()) << Cp932ToUtf8Lossy(a.entries[i].name);
                ++sounds;
            }
        }
    }
    EXPECT_GT(sounds, 200);
}

}  // namespace
}  // namespace vn

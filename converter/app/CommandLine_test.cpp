#include "converter/app/CommandLine.h"

#include <gtest/gtest.h>

#include "converter/dialog/DialogLayout.h"
#include "converter/pac/PacWriter.h"
#include "formats/io/MemoryFileSystem.h"
#include "formats/mlz/MlzArchive.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(CommandLine, ParsesEveryOption) {
    std::string error;
    const auto o = ParseCommandLine({"--source", "/g", "--output", "/o", "--screen", "640x480",
                                     "--quality", "3", "--music-bitrate", "12", "--music-rate", "1",
                                     "--music-stereo", "off", "--voice-bitrate", "0", "--voice-rate", "1",
                                     "--no-pictures", "--no-music", "--no-voices"},
                                    error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->source, "/g");
    EXPECT_EQ(o->output, "/o");
    EXPECT_EQ(o->stereo, false);
    EXPECT_EQ(o->selections, (std::vector<std::pair<int, int>>{{kIdScreenSize, 1}, {kIdQuality, 3},
                                                               {kIdMusicBitrate, 12}, {kIdMusicRate, 1},
                                                               {kIdVoiceBitrate, 0}, {kIdVoiceRate, 1}}));
    EXPECT_EQ(o->unticked, (std::vector<int>{kIdPictures, kIdMusic, kIdVoices}));
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
    const std::vector<std::vector<std::string>> bad = {
        {"--screen", "800x600"}, {"--quality", "4"}, {"--music-bitrate", "13"}, {"--music-rate", "2"},
        {"--music-stereo", "yes"}, {"--source"}, {"--frobnicate"}, {"extra"}};
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(ParseCommandLine(args, error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

class NoLog : public JobLog {
public:
    void Note(const std::string&) override {}
};

class CommandLineRun : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& args, std::string version = "3.100", std::string registry = "") {
        std::string error;
        const auto options = ParseCommandLine(args, error);
        EXPECT_TRUE(options) << error;
        DialogServices services{fs, log, [registry] { return registry; }, [version] { return version; }, "/cwd"};
        return RunCommandLine(*options, services, false);
    }
    void MakeGame() {
        fs.Bytes("\\g\\LucentGrove.exe") = {};
        PacWriter script(kPacMethodHuffman);
        ASSERT_TRUE(script.Add("a.scr", Bytes(100, 'a')));
        ASSERT_TRUE(script.WriteFile(fs, "\\g\\Script.pac"));
    }
    MemoryFileSystem fs;
    NoLog log;
};

TEST_F(CommandLineRun, RefusalsExitWithTwo) {
    EXPECT_EQ(Run({}), 2);  // no folder from the registry nor the command line
    EXPECT_EQ(Run({"--source", "/g"}), 2);  // no LucentGrove.exe
    MakeGame();
    EXPECT_EQ(Run({"--source", "/g"}, ""), 2);  // no encoder
    EXPECT_FALSE(fs.FileExists("\\cwd\\data\\Script.mlz"));
}

TEST_F(CommandLineRun, ConvertsIntoTheCurrentOrGivenFolder) {
    MakeGame();
    EXPECT_EQ(Run({}, "3.100", "/g"), 0);  // the registry's folder, the current folder
    EXPECT_TRUE(fs.FileExists("\\cwd\\data\\Script.mlz"));
    EXPECT_EQ(Run({"--source", "/g", "--output", "/o/", "--no-voices"}), 0);
    MlzArchive mlz(fs);
    EXPECT_EQ(mlz.ReadEntry("\\o\\data\\Script.mlz", "a.scr"), Bytes(100, 'a'));
}

}  // namespace
}  // namespace vn

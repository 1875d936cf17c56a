#include "engine/persist/ConfigFile.h"

#include <gtest/gtest.h>

#include "engine/platform/interface/MemoryPlatformFiles.h"

namespace vn {
namespace {

constexpr const char* kPath = "\\root\\varnek.cfg";

TEST(ConfigFileParseInt, Rules) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"0x00FF00", 0x00FF00}, {"0XfF", 255}, {"0x1G", 16}, {"-5", -5}, {"1a", 10},
        {"2 ", 20}, {" 2", 2}, {"+7", 7}, {"5-", -5}, {"12", 12}, {"0", 0},
        {"99999999999", static_cast<int>(99999999999ull & 0xFFFFFFFFu)},
    };
    for (const auto& c : cases) EXPECT_EQ(ConfigFile::ParseInt(c.text), c.value) << c.text;
}

TEST(ConfigFileSplit, LineEndings) {
    // A lone LF ends a line like CR LF; a lone CR too, and the byte after it is kept.
    const auto lines = ConfigFile::SplitLines("a\r\nb\nc\rd\r\n\r\ne");
    const std::list<std::string> expected = {"a", "b", "c", "d", "", "e"};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(ConfigFile::SplitLines("").empty());
    EXPECT_EQ(ConfigFile::SplitLines("x\r\n").size(), 1u);
}

class ConfigFileTest : public ::testing::Test {
protected:
    MemoryPlatformFiles files;
    ConfigFile config{files};
};

TEST_F(ConfigFileTest, LookupRules) {
    files.SetText(kPath,
                  "PCM=7\r\n"                       // before any header: no section
                  "[ MUSIC_CONFIG ]\r\n"
                  "; comment line\r\n"
                  "pcm =2 \r\n"                     // trailing space is a decimal place
                  "PCM=3\r\n"                       // the first match wins
                  "EMPTY=\r\n"
                  "\"MY KEY\"=4\r\n"
                  "[OTHER]\n"
                  "PCM=9\n");
    EXPECT_EQ(config.GetInt("MUSIC_CONFIG", "PCM", -1, kPath), 20);
    EXPECT_EQ(config.GetInt("music_config", "EMPTY", 33, kPath), 33);
    EXPECT_EQ(config.GetInt("MUSIC_CONFIG", "MY KEY", 0, kPath), 4);
    EXPECT_EQ(config.GetInt("MUSIC_CONFIG", "MYKEY", 0, kPath), 0);
    EXPECT_EQ(config.GetInt("OTHER", "PCM", 0, kPath), 9);
    EXPECT_EQ(config.GetInt("NONE", "PCM", 5, kPath), 5);
}

TEST_F(ConfigFileTest, TextValues) {
    files.SetText(kPath, "[S]\r\nNAME= \"IPA Gothic\" \r\nLONG=abcdef\r\nE=\"\"\r\n");
    std::string out;
    EXPECT_EQ(config.GetText("S", "NAME", "d", out, 127, kPath), 12u);
    EXPECT_EQ(out, " IPA Gothic ");
    EXPECT_EQ(config.GetText("S", "LONG", "d", out, 5, kPath), 1u);
    EXPECT_EQ(out, "d");
    EXPECT_EQ(config.GetText("S", "LONG", "d", out, 6, kPath), 6u);
    EXPECT_EQ(config.GetText("S", "E", "dflt", out, 6, kPath), 4u);
    EXPECT_EQ(config.GetText("S", "MISSING", "", out, 6, kPath), 0u);
}

TEST_F(ConfigFileTest, KanjiNamesMatchExactly) {
    // 0x5D (']') as the second byte of a kanji must not end the section name.
    files.SetText(kPath, "[\x83\x5D]\r\n\x8e\xe5=0x10\r\n");
    EXPECT_EQ(config.GetInt("\x83\x5D", "\x8e\xe5", 0, kPath), 16);
    EXPECT_EQ(config.GetInt("\x83\x7D", "\x8e\xe5", 0, kPath), 0);
}

TEST_F(ConfigFileTest, EditsPlaceNewKeysAfterTheirHeader) {
    files.SetText(kPath, "[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n");
    config.SetText("A", "X", "5", kPath);
    config.SetText("B", "Z", "3", kPath);
    config.SetText("B", "W", "4", kPath);
    config.SetText("C", "K", "v", kPath);
    ASSERT_TRUE(config.Flush());
    EXPECT_EQ(files.Text(kPath), "[A]\r\nX=5\r\n\r\n[B]\r\nW=4\r\nZ=3\r\nY=2\r\n[C]\r\nK=v\r\n");
    EXPECT_FALSE(files.FileExists("\\root\\varnek.cfg.new"));
    EXPECT_TRUE(config.CachedPath().empty());
}

TEST_F(ConfigFileTest, AnotherPathDropsTheCacheUnwritten) {
    files.SetText(kPath, "[A]\r\nX=1\r\n");
    config.SetText("A", "X", "2", kPath);
    EXPECT_EQ(config.GetInt("A", "X", 0, "\\ROOT\\VARNEK.CFG"), 2);  // same file, case ignored
    EXPECT_EQ(config.GetInt("A", "X", 0, "\\other.cfg"), 0);
    EXPECT_EQ(files.Text(kPath), "[A]\r\nX=1\r\n");
}

// A disk that fills up: every write fails.
class FullDisk : public MemoryPlatformFiles {
public:
    class Failing : public OutputFile {
    public:
        bool Write(std::span<const uint8_t>) override { return false; }
        bool WriteAt(uint64_t, std::span<const uint8_t>) override { return false; }
        bool Close() override { return true; }
    };
    std::unique_ptr<OutputFile> Create(const char*) override { return std::make_unique<Failing>(); }
};

TEST(ConfigFileFlush, FullDiskKeepsTheOldFile) {
    FullDisk files;
    ConfigFile config(files);
    files.SetText(kPath, "[A]\r\nX=1\r\n");
    config.SetText("A", "X", "2", kPath);
    EXPECT_FALSE(config.Flush());
    EXPECT_EQ(files.Text(kPath), "[A]\r\nX=1\r\n");
}

TEST(ConfigFileFlush, NothingCachedWritesNothing) {
    MemoryPlatformFiles files;
    ConfigFile config(files);
    EXPECT_FALSE(config.Flush());
    EXPECT_TRUE(files.memory.Files().empty());
}

}  // namespace
}  // namespace vn

#include "engine/persist/Settings.h"

#include <gtest/gtest.h>

#include "engine/platform/interface/MemoryPlatformFiles.h"

namespace vn {
namespace {

constexpr const char* kPath = "\\root\\varnek.cfg";

struct Fixture {
    MemoryPlatformFiles files;
    ConfigFile config{files};
    Settings settings;
    void Read(const std::string& text) {
        files.SetText(kPath, text);
        settings.Read(config, kPath);
    }
    std::string WriteBack() {
        settings.WriteBack(config, kPath);
        EXPECT_TRUE(config.Flush());
        return files.Text(kPath);
    }
};

TEST(Settings, DefaultsWithoutFile) {
    Fixture f;
    f.settings.Read(f.config, kPath);
    const Settings defaults;
    f.settings.ForEachInt([&](const char* key, int value) {
        int expected = -12345;
        defaults.ForEachInt([&](const char* k, int v) { if (std::string(k) == key) expected = v; });
        EXPECT_EQ(value, expected) << key;
    });
    EXPECT_EQ(f.settings.Get(Setting::DEVICE_VOL), 65535);
    EXPECT_EQ(f.settings.Get(Setting::KEY_CEN_CTRL), 1);
    EXPECT_EQ(f.settings.messageColors[15], 0xFFFFFF);
    EXPECT_TRUE(f.settings.fontList.empty());
}

TEST(Settings, OnlyPcmTurnsMusicOnAndGainsTheRest) {
    Fixture f;
    f.Read("[MUSIC_CONFIG]\r\nPCM=2\r\n");
    EXPECT_EQ(f.settings.Get(Setting::PCM), 2);
    EXPECT_EQ(f.settings.Get(Setting::MASTER_VOL), 100);
    const std::string out = f.WriteBack();
    EXPECT_EQ(out.rfind("[MUSIC_CONFIG]\r\n", 0), 0u);
    EXPECT_NE(out.find("\r\nPCM=2\r\n"), std::string::npos);
    // Keys new to a section are inserted after its header: last written first.
    EXPECT_EQ(out.rfind("[MUSIC_CONFIG]\r\nMUSIC_VOL=100\r\nMASTER_VOL=100\r\nPCM=2\r\n", 0), 0u);
    for (const char* key : {"VOICE_PLAY=1", "SE_PLAY=1", "MOV_VOL=100", "MESSAGE_FONT_NAME=",
                            "KEY_CEN_CTRL=1", "MANA_VOICE_CUT=0", "[SYSTEM_CONFIG]", "[MOV_CONFIG]"}) {
        EXPECT_NE(out.find(std::string("\r\n") + key + "\r\n"), std::string::npos) << key;
    }
    EXPECT_EQ(out.find("MEM_STREAM"), std::string::npos);  // not written back
    EXPECT_EQ(out.find("DEVICE_VOL"), std::string::npos);
}

TEST(Settings, RangeRulesAndColours) {
    Fixture f;
    f.Read("[MUSIC_CONFIG]\r\nMASTER_VOL=5\r\nMUSIC_VOL=10\r\n"
           "[VOICE_CONFIG]\r\nVOICE_VOL=101\r\nVOICE_CUT_MODE=3\r\n"
           "[MESSAGE_COLOR]\r\narlen=0x00FF00\r\n\x82\xbb\x82\xcc\x91\xbc=0x0000FF\r\n"
           "[SYSTEM_CONFIG]\r\nKET_CUR_MODE=-5\r\nMASCOT_CHAR_MODE=1a\r\n");
    EXPECT_EQ(f.settings.Get(Setting::MASTER_VOL), 100);
    EXPECT_EQ(f.settings.Get(Setting::MUSIC_VOL), 10);
    EXPECT_EQ(f.settings.Get(Setting::VOICE_VOL), 100);
    EXPECT_EQ(f.settings.Get(Setting::VOICE_CUT_MODE), 0);
    EXPECT_EQ(f.settings.messageColors[0], 0x00FF00);
    EXPECT_EQ(f.settings.messageColors[15], 0x0000FF);
    EXPECT_EQ(f.settings.Get(Setting::KET_CUR_MODE), -5);
    EXPECT_EQ(f.settings.Get(Setting::MASCOT_CHAR_MODE), 10);
    const std::string out = f.WriteBack();
    EXPECT_NE(out.find("\r\nKET_CUR_MODE=-5\r\n"), std::string::npos);  // the sign survives
}

TEST(Settings, BooleansWrittenAsZeroOrOne) {
    Fixture f;
    f.Read("[MESSAGE_CONFIG]\r\nMESSAGE_AUTO=7\r\nEFFECT_USE=7\r\n");
    EXPECT_EQ(f.settings.Get(Setting::MESSAGE_AUTO), 7);
    const std::string out = f.WriteBack();
    EXPECT_NE(out.find("\r\nMESSAGE_AUTO=1\r\n"), std::string::npos);
    EXPECT_NE(out.find("\r\nEFFECT_USE=7\r\n"), std::string::npos);
}

TEST(Settings, TextsFontListAndKeys) {
    Fixture f;
    f.Read("[FONT_LIST_CONFIG]\r\nPUT_LIST_00=IPAGothic\r\nPUT_LIST_01=Mono\r\nPUT_LIST_03=Gap\r\n"
           "[SYSTEM_CONFIG]\r\nMESSAGE_FONT_NAME=Mono\r\n"
           "[KEY_CONFIG]\r\nKEY_A=0d\r\nKEY_B=0123456789012345678901234567890\r\n");
    ASSERT_EQ(f.settings.fontList.size(), 2u);
    EXPECT_EQ(f.settings.fontList[1], "Mono");
    EXPECT_EQ(f.settings.messageFontName, "Mono");
    EXPECT_EQ(f.settings.keyNames[5], "0d");
    EXPECT_EQ(f.settings.keyNames[6], "");  // 31 bytes: over the limit
    EXPECT_NE(f.WriteBack().find("\r\nMESSAGE_FONT_NAME=Mono\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vn

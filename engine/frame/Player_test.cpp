// The headless player end to end, as a user runs it.
#include <gtest/gtest.h>

#include "engine/frame/PlayerRun.h"
#include "engine/platform/host/Png.h"

namespace vn::test {
namespace {

constexpr const char* kSigmarion3 = VN_PLAYER_SIGMARION3;
constexpr const char* kPocketPc = VN_PLAYER_POCKETPC;

constexpr const char* kWrittenBack[] = {
    "PCM", "VOICE_PLAY", "SE_PLAY", "MASTER_VOL", "MUSIC_VOL", "VOICE_VOL", "SE_VOL", "MOV_VOL",
    "EFFECT_USE", "READ_SKIP", "LOCK_SKIP", "MESSAGE_AUTO", "MESSAGE_AUTO_BASE", "MESSAGE_AUTO_ONE",
    "VOICE_CUT_MODE", "VGA_QUALITY", "MESSAGE_FONT_NAME", "VOICE_AUTOLOCK", "TRANS_MODE", "MESSAGE_SPEED",
    "MESSAGE_SADOW", "MASCOT_CHAR_MODE", "MES_COLOR_USE", "MES_LOG_COUNT", "MES_LOG_START", "KEY_CEN_CTRL",
    "KET_CUR_MODE", "KET_DOUBLE_CLICK", "DISP_FREE_MODE", "MANA_VOICE_CUT",
};

TEST(Player, EmptyRootGetsSaveFolderConfigurationAndDump) {
    TempFolder t;
    const std::string root = t / "root";
    std::filesystem::create_directories(root);
    ASSERT_EQ(RunCommand(std::string(kSigmarion3) + " --headless --root " + root + " --frames 30 --dump-state " +
                  (t / "state.json")),
              0);
    EXPECT_TRUE(std::filesystem::is_directory(t.path / "root" / "data" / "save"));
    const std::string cfg = ReadText(t.path / "root" / "varnek.cfg");
    const std::string dump = ReadText(t / "state.json");
    EXPECT_EQ(DumpInt(dump, "frame"), 30);
    EXPECT_EQ(DumpInt(dump, "gameMode"), 0);
    EXPECT_EQ(DumpInt(dump, "fatalFlags"), 0);
    EXPECT_EQ(DumpInt(dump, "tick"), DumpInt(dump, "frame") * 16 + 1);  // the virtual clock
    for (const char* key : kWrittenBack) {
        const size_t at = cfg.find(std::string("\r\n") + key + "=");
        ASSERT_NE(at, std::string::npos) << key;
        const std::string value = cfg.substr(at + 3 + std::strlen(key), cfg.find('\r', at + 2) - at - 3 - std::strlen(key));
        if (std::string(key) == "MESSAGE_FONT_NAME") {
            EXPECT_NE(dump.find("\"MESSAGE_FONT_NAME\": \"" + value + "\""), std::string::npos);
        } else {
            EXPECT_EQ(DumpInt(dump, key), std::stol(value)) << key;
        }
    }
    for (const char* key : {"countUp", "countE", "latchStart", "penX", "penHeld", "DEVICE_VOL", "arlen"}) {
        EXPECT_NE(DumpInt(dump, key), INT32_MIN) << key;
    }
}

TEST(Player, ReadsTheConfigurationItFindsAndKeepsTheUsersLines) {
    TempFolder t;
    std::ofstream(t / "varnek.cfg", std::ios::binary) << "; mine\r\n[MUSIC_CONFIG]\nPCM=2\n[SYSTEM_CONFIG]\r\n"
                                                         "KET_CUR_MODE=3\r\n";
    ASSERT_EQ(RunCommand(std::string(kPocketPc) + " --headless --root " + t.path.string() + " --frames 2 --dump-state " +
                  (t / "s.json")),
              0);
    const std::string dump = ReadText(t / "s.json");
    EXPECT_EQ(DumpInt(dump, "PCM"), 2);
    EXPECT_EQ(DumpInt(dump, "KET_CUR_MODE"), 3);
    const std::string cfg = ReadText(t / "varnek.cfg");
    EXPECT_EQ(cfg.rfind("; mine\r\n[MUSIC_CONFIG]\r\n", 0), 0u);
    EXPECT_NE(cfg.find("\r\nPCM=2\r\n"), std::string::npos);
    EXPECT_NE(cfg.find("[SYSTEM_CONFIG]\r\nMANA_VOICE_CUT=0\r\n"), std::string::npos);
}

TEST(Player, EventsReachTheInput) {
    TempFolder t;
    std::ofstream(t / "events.txt") << "3 key Z\n3 tap 599 20\n6 key_down LEFT\n";
    ASSERT_EQ(RunCommand(std::string(kPocketPc) + " --headless --root " + t.path.string() + " --events " +
                  (t / "events.txt") + " --frames 8 --dump-at 4:" + (t / "a.json") + " --dump-at 5:" +
                  (t / "b.json") + " --dump-at 7:" + (t / "c.json")),
              0);
    const std::string a = ReadText(t / "a.json"), b = ReadText(t / "b.json"), c = ReadText(t / "c.json");
    EXPECT_EQ(DumpInt(a, "tapped"), 1);
    EXPECT_EQ(DumpInt(a, "penX"), 599);
    EXPECT_EQ(DumpInt(a, "penY"), 20);
    EXPECT_EQ(DumpInt(a, "countA"), 0);  // the tap cleared it
    EXPECT_EQ(DumpInt(b, "tapped"), 0);
    EXPECT_EQ(DumpInt(b, "released"), 1);
    EXPECT_EQ(DumpInt(c, "countLeft"), 1);
    EXPECT_EQ(DumpInt(c, "keyDownsSeen"), 2);
}

TEST(Player, SameEventsGiveIdenticalDumpsAndShots) {
    TempFolder t;
    std::ofstream(t / "events.txt") << "# keys and pen\n1 key RIGHT\n2 pen_down 10 10\n3 pen_move 200 100\n"
                                       "4 pen_up\n5 key 0x58\n";
    std::string outputs[2];
    for (int i = 0; i < 2; ++i) {
        const std::string n = std::to_string(i);
        std::filesystem::create_directories(t.path / n);
        ASSERT_EQ(RunCommand(std::string(kSigmarion3) + " --headless --test-pattern --root " + (t / n) + " --events " +
                      (t / "events.txt") + " --frames 12 --shot 1:" + (t / n) + "/1.png --shot 6:" + (t / n) +
                      "/6.png --dump-at 6:" + (t / n) + "/6.json --dump-state " + (t / n) + "/end.json"),
                  0);
        for (const char* f : {"/1.png", "/6.png", "/6.json", "/end.json"}) outputs[i] += ReadText(t / n + f);
    }
    EXPECT_GT(outputs[0].size(), 1000u);
    EXPECT_EQ(outputs[0], outputs[1]);
}

TEST(Player, ShotShowsThePatternAsTheUserSeesIt) {
    TempFolder t;
    for (const char* player : {kSigmarion3, kPocketPc}) {
        ASSERT_EQ(RunCommand(std::string(player) + " --headless --test-pattern --root " + t.path.string() +
                      " --frames 1 --shot 1:" + (t / "p.png")),
                  0);
        const auto image = ReadPngFile(t / "p.png");
        ASSERT_TRUE(image);
        const int w = image->width, h = image->height;
        EXPECT_EQ(w * 3, h * 4);
        auto px = [&](int x, int y) { return &image->rgba[(static_cast<size_t>(y) * w + x) * 4]; };
        // Third bar cyan, sixth red, lower quarter a ramp, frame white.
        EXPECT_EQ(std::vector<int>(px(w * 5 / 16, h / 8), px(w * 5 / 16, h / 8) + 3), (std::vector<int>{0, 255, 255}));
        EXPECT_EQ(std::vector<int>(px(w * 11 / 16, h / 8), px(w * 11 / 16, h / 8) + 3), (std::vector<int>{255, 0, 0}));
        EXPECT_EQ(std::vector<int>(px(0, h / 2), px(0, h / 2) + 3), (std::vector<int>{255, 255, 255}));
        EXPECT_LT(px(w / 4, h - 2)[0], px(w * 3 / 4, h - 2)[0]);
    }
}

TEST(Player, CommandLineErrors) {
    TempFolder t;
    std::ofstream(t / "bad.txt") << "1 key NOPE\n";
    const struct {
        std::string args;
        int status;
    } cases[] = {
        {"--headless --frames x", 2},
        {"--headless --shot 5", 2},
        {"--bogus", 2},
        {"--headless --root " + (t / "missing"), 1},
        {"--headless --root " + t.path.string() + " --events " + (t / "bad.txt"), 1},
        {"--headless --root " + t.path.string() + " --events " + (t / "none.txt"), 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunCommand(std::string(kSigmarion3) + " " + c.args + " 2>/dev/null"), c.status) << c.args;
    }
}

TEST(Player, WithoutADisplayTheWindowBuildSaysSo) {
    TempFolder t;
    EXPECT_EQ(RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " + std::string(kPocketPc) + " --root " +
                  t.path.string() + " --frames 1 2>" + (t / "err.txt")),
              1);
    const std::string err = ReadText(t / "err.txt");
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_NE(err.find("no display"), std::string::npos);
}

}  // namespace
}  // namespace vn::test

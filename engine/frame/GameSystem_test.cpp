#include "engine/frame/GameSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "engine/platform/headless/HeadlessPlatform.h"
#include "engine/platform/host/HostFileSystem.h"

namespace vn {
namespace {

namespace fsys = std::filesystem;

class GameSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fsys::temp_directory_path() /
              ("vn_game_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fsys::remove_all(dir);
        fsys::create_directories(dir);
    }
    void TearDown() override { fsys::remove_all(dir); }

    void WriteConfig(const std::string& text) { std::ofstream(dir / "varnek.cfg", std::ios::binary) << text; }
    std::string ReadConfig() {
        std::ifstream in(dir / "varnek.cfg", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // A started game on the headless driver, as the entry point leaves it.
    std::unique_ptr<GameSystem> Start(const BuildProfile& profile) {
        platform = std::make_unique<HeadlessPlatform>(profile, *InternalPath(dir.string()) + "\\",
                                                      std::vector<ScriptedEvent>{});
        auto game = std::make_unique<GameSystem>(*platform);
        game->windowAlive = true;
        platform->OpenDisplay();
        game->screen.properties = platform->GetDisplayProperties();
        game->InitGame();
        return game;
    }
    void Key(GameSystem& game, uint16_t code) {
        game.WindowProc({MsgKeyDown, code, 0});
        game.WindowProc({MsgKeyUp, code, 0});
    }
    bool QuitPosted() {
        Message m;
        while (platform->GetMessage(m)) {
            if (m.id == MsgQuit) return true;
        }
        return false;
    }

    fsys::path dir;
    std::unique_ptr<HeadlessPlatform> platform;
};

TEST_F(GameSystemTest, MakesTheSaveFolderAndPaths) {
    auto game = Start(Sigmarion3Profile());
    EXPECT_TRUE(fsys::is_directory(dir / "data" / "save"));
    EXPECT_TRUE(game->saveFolderReady);
    const std::string root = *InternalPath(dir.string()) + "\\";
    EXPECT_EQ(game->savePath, root + "data\\save\\");
    EXPECT_EQ(game->musicFolder, root + "data\\bgm\\");
    EXPECT_EQ(game->pictureArchiveNames[0], "bg.mlz");
    EXPECT_EQ(game->pictureArchiveNames[7], "");
    auto vga = Start(PocketPcProfile());
    EXPECT_EQ(vga->pictureArchiveNames[5], "Visual_vga.mlz");
}

TEST_F(GameSystemTest, PocketPcPenIsTurnedIntoLogicalCoordinates) {
    auto game = Start(PocketPcProfile());
    game->WindowProc({MsgPenDown, 0, PackPoint(10, 20)});
    EXPECT_EQ(game->input.penX, 599);
    EXPECT_EQ(game->input.penY, 20);
    EXPECT_EQ(game->input.penDownEvent, 1);
    auto sig = Start(Sigmarion3Profile());
    sig->WindowProc({MsgPenMove, 0, PackPoint(10, 20)});
    EXPECT_EQ(sig->input.penX, 10);
}

TEST_F(GameSystemTest, FatalFlagsCloseAtTheEndOfTheFrameAndTheConfigurationIsWritten) {
    WriteConfig("[MUSIC_CONFIG]\r\nPCM=2\r\n");
    auto game = Start(Sigmarion3Profile());
    int handled = 0;
    game->SetModeHandler(ModeTitle, [&] {
        ++handled;
        game->fatalFlags |= FatalSpriteAlloc;
    });
    game->dirtyList.push_back({0, 0, 8, 8});
    game->RunFrame();
    EXPECT_EQ(handled, 1);
    EXPECT_FALSE(game->windowAlive);
    EXPECT_TRUE(game->configWritten);
    EXPECT_TRUE(game->dirtyList.empty());
    EXPECT_TRUE(QuitPosted());
    ASSERT_TRUE(game->config.Flush());
    const std::string text = ReadConfig();
    EXPECT_EQ(text.rfind("[MUSIC_CONFIG]\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\nPCM=2\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nKET_DOUBLE_CLICK=0\r\n"), std::string::npos);
}

TEST_F(GameSystemTest, OnlyTheCurrentModesHandlerRuns) {
    auto game = Start(Sigmarion3Profile());
    std::vector<int> ran;
    for (GameMode mode : {ModeTitle, ModeEyeCatch, ModeGallery, ModeReplay, ModeSoundRoom, ModeBacklog, ModeScript}) {
        EXPECT_TRUE(game->SetModeHandler(mode, [&ran, mode] { ran.push_back(int{mode}); }));
    }
    EXPECT_FALSE(game->SetModeHandler(42, [] {}));
    for (int mode : {int{ModeScript}, 42, int{ModeBacklog}}) {
        game->gameMode = mode;
        game->RunFrame();
    }
    EXPECT_EQ(ran, (std::vector<int>{ModeScript, ModeBacklog}));
    EXPECT_EQ(game->frame, 3u);
}

TEST_F(GameSystemTest, KeyDCyclesTheMannerModeInEveryMode) {
    WriteConfig("[KEY_CONFIG]\r\nKEY_D=44\r\n");
    auto game = Start(Sigmarion3Profile());
    game->gameMode = ModeScript;
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        game->WindowProc({MsgKeyDown, 0x44, 0});
        game->RunFrame();
        seen.push_back(game->settings.Get(Setting::DISP_FREE_MODE));
        EXPECT_EQ(game->input.countD, 0);
        game->WindowProc({MsgKeyUp, 0x44, 0});
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0, 1}));
    game->settings.Set(Setting::DISP_FREE_MODE, 5);
    game->gameMode = 77;
    game->WindowProc({MsgKeyDown, 0x44, 0});
    game->RunFrame();
    EXPECT_EQ(game->settings.Get(Setting::DISP_FREE_MODE), 5);
}

TEST_F(GameSystemTest, ConfigurationReachesTheKeyMapAndTheMenuKeys) {
    WriteConfig("[SYSTEM_CONFIG]\r\nKET_CUR_MODE=4\r\n[KEY_CONFIG]\r\nKEY_A=0d\r\nKEY_START=5A\r\n");
    auto game = Start(Sigmarion3Profile());
    EXPECT_EQ(game->keyMap.Code(KEY_A), 13);
    EXPECT_EQ(game->keyMap.Code(KEY_START), 0x5A);
    game->WindowProc({MsgKeyDown, 0x27, 0});
    game->WindowProc({MsgKeyDown, 0x28, 0});
    EXPECT_EQ(game->input.countDown, 0);  // full suppression swallows the new direction
    game->WindowProc({MsgKeyDown, 0x28, 0});
    EXPECT_EQ(game->input.countDown, 1);
    Key(*game, 0x5A);  // KEY_START with KEY_CEN_CTRL 1 opens the menu
    EXPECT_EQ(game->menuOpenRequests, 1);
    EXPECT_EQ(game->input.countStart, 0);
}

TEST_F(GameSystemTest, WithoutTheCentreKeyOnlyBOpensTheMenu) {
    WriteConfig("[SYSTEM_CONFIG]\r\nKEY_CEN_CTRL=0\r\n[KEY_CONFIG]\r\nKEY_START=0D\r\n");
    auto game = Start(Sigmarion3Profile());
    game->WindowProc({MsgKeyDown, 0x0D, 0});
    EXPECT_EQ(game->menuOpenRequests, 0);
    EXPECT_EQ(game->input.countStart, 1);
    game->WindowProc({MsgKeyDown, 0x58, 0});
    EXPECT_EQ(game->menuOpenRequests, 1);
    EXPECT_EQ(game->input.countB, 0);
}

TEST_F(GameSystemTest, CloseGoesThroughDestroy) {
    auto game = Start(Sigmarion3Profile());
    int destroyed = 0;
    game->onDestroy = [&] { ++destroyed; };
    game->RequestClose();
    EXPECT_EQ(game->MessageLoop(), 0);
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(game->configWritten);
}

}  // namespace
}  // namespace vn

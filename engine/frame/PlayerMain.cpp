#include "engine/frame/PlayerMain.h"

#include <cstdio>

#include "engine/frame/GameSystem.h"
#include "engine/frame/PlayerHarness.h"
#include "engine/platform/headless/HeadlessPlatform.h"
#include "engine/platform/sdl/SdlPlatform.h"

namespace vn {
namespace {

constexpr const char* kCaption = "Error";
// "ウィンドウの作成に失敗しました。"
constexpr const char* kWindowFailed =
    "\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x82\xcc\x8d\xec\x90\xac\x82\xc9\x8e\xb8\x94\x73\x82\xb5"
    "\x82\xdc\x82\xb5\x82\xbd\x81\x42";
// "GAPIライブラリのロードに失敗しました"
constexpr const char* kDisplayFailed =
    "GAPI\x83\x89\x83\x43\x83\x75\x83\x89\x83\x8a\x82\xcc\x83\x8d\x81\x5b\x83\x68\x82\xc9\x8e\xb8\x94\x73"
    "\x82\xb5\x82\xdc\x82\xb5\x82\xbd";

// Start-up failures return 1 so that scripts notice them.
constexpr int kStartFailed = 1;

}  // namespace

int RunGame(Platform& platform, const PlayerOptions& options) {
    if (platform.RaiseRunningInstance()) return 0;
    auto game = std::make_unique<GameSystem>(platform);
    if (!platform.CreateMainWindow()) {
        platform.MessageBox(kWindowFailed, kCaption);
        return kStartFailed;
    }
    game->windowAlive = true;
    game->title = platform.Profile().title;
    platform.SetTitle(game->title.c_str());
    if (!platform.OpenDisplay()) {
        platform.MessageBox(kDisplayFailed, kCaption);
        return kStartFailed;
    }
    platform.OpenInput();
    game->screen.properties = platform.GetDisplayProperties();
    platform.ShowWindow();
    game->InitGame();
    PlayerHarness harness(*game, options);
    harness.Attach();

    const int code = game->MessageLoop();

    platform.CloseInput();
    platform.CloseDisplay();
    if (game->configWritten && !game->config.Flush()) {
        std::fprintf(stderr, "%s: could not write varnek.cfg; the old file is unchanged\n",
                     platform.Profile().executable);
    }
    const bool dumped = harness.AtExit();
    game.reset();
    return (harness.Failed() || !dumped) && code == 0 ? 1 : code;
}

int RunPlayer(const BuildProfile& profile, int argc, char** argv) {
    std::string error;
    const auto options = ParsePlayerOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "%s: %s\nusage: %s %s\n", profile.executable, error.c_str(), profile.executable,
                     PlayerUsage());
        return 2;
    }
    std::unique_ptr<Platform> platform = options->headless ? CreateHeadlessPlatform(profile, *options, error)
                                                           : CreateSdlPlatform(profile, *options, error);
    if (!platform) {
        std::fprintf(stderr, "%s: %s\n", profile.executable, error.c_str());
        return 1;
    }
    return RunGame(*platform, *options);
}

}  // namespace vn

#pragma once
// The players' command line:
//   [--root DIR] [--headless] [--frames N] [--events FILE]
//   [--shot FRAME:FILE.png]... [--dump-state FILE.json] [--dump-at FRAME:FILE.json]...
//   [--portrait] [--scale N] [--fullscreen]
// and two test aids: --test-pattern (a pattern in the back buffer, shown
// by frame 1) and --window-shot FRAME:FILE.png (the SDL window's pixels).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vn {

struct FrameFile {
    uint32_t frame = 0;
    std::string path;  // host (UTF-8)
};

struct PlayerOptions {
    std::optional<std::string> root;
    bool headless = false;
    std::optional<uint32_t> frames;
    std::string eventsFile;
    std::vector<FrameFile> shots;
    std::string dumpState;
    std::vector<FrameFile> dumps;
    bool portrait = false;
    int scale = 0;  // 0: the largest whole factor that fits
    bool fullscreen = false;
    bool testPattern = false;
    std::vector<FrameFile> windowShots;
};

// nullopt with a one-line reason for anything it does not understand.
std::optional<PlayerOptions> ParsePlayerOptions(const std::vector<std::string>& args, std::string& error);
const char* PlayerUsage();

}  // namespace vn

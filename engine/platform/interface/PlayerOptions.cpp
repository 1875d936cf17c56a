#include "engine/platform/interface/PlayerOptions.h"

#include <charconv>

namespace vn {
namespace {

bool ParseNumber(const std::string& text, uint32_t& out) {
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && p == end && !text.empty();
}

bool ParseFrameFile(const std::string& text, FrameFile& out) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos || colon + 1 >= text.size()) return false;
    out.path = text.substr(colon + 1);
    return ParseNumber(text.substr(0, colon), out.frame);
}

}  // namespace

const char* PlayerUsage() {
    return "[--root DIR] [--headless] [--frames N] [--events FILE] [--shot FRAME:FILE.png]... "
           "[--dump-state FILE.json] [--dump-at FRAME:FILE.json]... [--portrait] [--scale N] [--fullscreen]";
}

std::optional<PlayerOptions> ParsePlayerOptions(const std::vector<std::string>& args, std::string& error) {
    PlayerOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : std::string();
        auto needValue = [&]() {
            if (!hasValue) error = a + " needs a value";
            return hasValue;
        };
        FrameFile ff;
        uint32_t n = 0;
        if (a == "--headless") o.headless = true;
        else if (a == "--portrait") o.portrait = true;
        else if (a == "--fullscreen") o.fullscreen = true;
        else if (a == "--test-pattern") o.testPattern = true;
        else if (a == "--root" && needValue()) o.root = value, ++i;
        else if (a == "--events" && needValue()) o.eventsFile = value, ++i;
        else if (a == "--dump-state" && needValue()) o.dumpState = value, ++i;
        else if (a == "--frames" && needValue() && ParseNumber(value, n)) o.frames = n, ++i;
        else if (a == "--scale" && needValue() && ParseNumber(value, n) && n >= 1 && n <= 16) o.scale = int(n), ++i;
        else if (a == "--shot" && needValue() && ParseFrameFile(value, ff)) o.shots.push_back(ff), ++i;
        else if (a == "--dump-at" && needValue() && ParseFrameFile(value, ff)) o.dumps.push_back(ff), ++i;
        else if (a == "--window-shot" && needValue() && ParseFrameFile(value, ff)) o.windowShots.push_back(ff), ++i;
        else {
            const bool known = a == "--root" || a == "--events" || a == "--dump-state" || a == "--frames" ||
                               a == "--scale" || a == "--shot" || a == "--dump-at" || a == "--window-shot";
            if (error.empty()) error = known ? "bad value for " + a + ": " + value : "unknown argument " + a;
            return std::nullopt;
        }
    }
    return o;
}

}  // namespace vn

#include "engine/platform/headless/HeadlessPlatform.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "engine/platform/interface/JsonWriter.h"

namespace vn {

HeadlessPlatform::HeadlessPlatform(const BuildProfile& profile, std::string programFolder,
                                   std::vector<ScriptedEvent> events)
    : EmulatedPlatform(profile, std::move(programFolder)), events_(std::move(events)) {}

bool HeadlessPlatform::PeekMessage() {
    // The events of frame f arrive before frame f + 1 runs.
    while (nextEvent_ < events_.size() && events_[nextEvent_].frame <= framesStarted_) {
        queue_.push_back(events_[nextEvent_++].message);
    }
    return !queue_.empty();
}

bool HeadlessPlatform::GetMessage(Message& message) {
    if (queue_.empty()) return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

void HeadlessPlatform::MessageBox(const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s: %s\n", profile_.executable, ToUtf8(caption).c_str(), ToUtf8(text).c_str());
}

bool HeadlessPlatform::OpenDisplay() {
    display_.Open(profile_.logicalWidth, profile_.logicalHeight);
    return true;
}

uint8_t* HeadlessPlatform::BeginDraw() {
    ++beginDraws_;
    return display_.Origin();
}

void HeadlessPlatform::DumpState(JsonWriter& json) const {
    json.String("driver", "headless").String("title", ToUtf8(title_));
    json.Int("framesStarted", framesStarted_).Int("beginDraws", beginDraws_);
    json.Int("endDraws", endDraws_).Int("presentedRects", presentedRects_);
}

std::unique_ptr<Platform> CreateHeadlessPlatform(const BuildProfile& profile, const PlayerOptions& options,
                                                 std::string& error) {
    auto folder = EmulatedPlatform::FindProgramFolder(options.root, error);
    if (!folder) return nullptr;
    std::vector<ScriptedEvent> events;
    if (!options.eventsFile.empty()) {
        std::ifstream in(options.eventsFile, std::ios::binary);
        if (!in) {
            error = "cannot read " + options.eventsFile;
            return nullptr;
        }
        std::ostringstream text;
        text << in.rdbuf();
        EmulatedDisplay display(profile);
        std::string why;
        auto parsed = ParseEventScript(text.str(), display, why);
        if (!parsed) {
            error = options.eventsFile + ": " + why;
            return nullptr;
        }
        events = std::move(*parsed);
    }
    return std::make_unique<HeadlessPlatform>(profile, std::move(*folder), std::move(events));
}

}  // namespace vn

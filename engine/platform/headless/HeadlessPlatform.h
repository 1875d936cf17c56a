#pragma once
// The headless driver: no window and no SDL, a virtual clock (Sleep
// advances it without sleeping), input from an event file timed by frame
// number, the build's own frame buffer layout.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/headless/EventScript.h"
#include "engine/platform/interface/EmulatedPlatform.h"

namespace vn {

class HeadlessPlatform : public EmulatedPlatform {
public:
    HeadlessPlatform(const BuildProfile& profile, std::string programFolder, std::vector<ScriptedEvent> events);

    bool RaiseRunningInstance() override { return false; }  // tests run several players at once
    bool CreateMainWindow() override { return true; }
    void SetTitle(const char* title) override { title_ = title; }
    void ShowWindow() override { PostMessage({MsgPaint, 0, 0}); }
    void DestroyWindow() override {}
    void PostMessage(const Message& message) override { queue_.push_back(message); }
    bool PeekMessage() override;
    bool GetMessage(Message& message) override;
    void MessageBox(const char* text, const char* caption) override;

    bool OpenDisplay() override;
    uint8_t* BeginDraw() override;
    void PresentRect(const Rect&) override { ++presentedRects_; }
    void EndDraw() override { ++endDraws_; }

    bool OpenInput() override { return true; }
    void CloseInput() override {}
    void FrameDue() override { ++framesStarted_; }

    uint32_t Tick() override { return clock_; }
    void Sleep(uint32_t ms) override { clock_ += ms; }

    void DumpState(JsonWriter& json) const override;

private:
    std::vector<ScriptedEvent> events_;
    size_t nextEvent_ = 0;
    std::deque<Message> queue_;
    uint32_t clock_ = 0;
    uint32_t framesStarted_ = 0;
    std::string title_;
    int beginDraws_ = 0, endDraws_ = 0, presentedRects_ = 0;
};

// The driver for a command line; null with a one-line reason.
std::unique_ptr<Platform> CreateHeadlessPlatform(const BuildProfile& profile, const PlayerOptions& options,
                                                 std::string& error);

}  // namespace vn

#pragma once
// The SDL driver: the build's window showing its emulated frame buffer
// scaled by a whole factor (resizable, F11 or Alt+Enter for full screen),
// keys as virtual-key codes, game controller buttons on the default keys,
// the left mouse button as the pen, and the single-instance rule.

#include <deque>
#include <memory>
#include <string>

#include "engine/platform/interface/EmulatedPlatform.h"
#include "engine/platform/sdl/InstanceChannel.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace vn {

class SdlPlatform : public EmulatedPlatform {
public:
    SdlPlatform(const BuildProfile& profile, std::string programFolder, const PlayerOptions& options);
    ~SdlPlatform() override;

    bool RaiseRunningInstance() override { return instance_.AskRunningInstance(); }
    bool CreateMainWindow() override;
    void SetTitle(const char* title) override;
    void ShowWindow() override;
    void DestroyWindow() override;
    void PostMessage(const Message& message) override { queue_.push_back(message); }
    bool PeekMessage() override;
    bool GetMessage(Message& message) override;
    void MessageBox(const char* text, const char* caption) override;

    bool OpenDisplay() override;
    uint8_t* BeginDraw() override { return display_.Origin(); }
    void PresentRect(const Rect&) override { partial_ = true; }
    void EndDraw() override;

    bool OpenInput() override { return true; }
    void CloseInput() override {}
    void FrameDue() override;

    uint32_t Tick() override;
    void Sleep(uint32_t ms) override;

    DeviceStatus GetDeviceStatus() override;
    void DumpState(JsonWriter& json) const override;

private:
    void Translate(const SDL_Event& event);
    void OnKey(const SDL_Event& event);
    void OnControllerButton(const SDL_Event& event);
    int32_t PenPosition(int windowX, int windowY) const;
    void Render(bool present);
    bool SaveWindowShot(const std::string& path);
    void ToggleFullscreen();
    int ViewWidth() const;
    int ViewHeight() const;

    const PlayerOptions& options_;
    InstanceChannel instance_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::deque<Message> queue_;
    std::string title_;
    bool partial_ = false;
    bool penDown_ = false;
    bool fullscreen_ = false;
    int scale_ = 1;
    int raiseRequests_ = 0;
    uint32_t framesStarted_ = 0;
    int presents_ = 0;
    int lastWidth_ = 0, lastHeight_ = 0;
};

// The driver for a command line; null with a one-line reason (no display).
std::unique_ptr<Platform> CreateSdlPlatform(const BuildProfile& profile, const PlayerOptions& options,
                                            std::string& error);

}  // namespace vn

#pragma once
// The base of the GameSystem chain: the window and the frame clock. Each
// class of the chain handles the messages it knows in WindowProc and passes
// the others to its base.

#include <cstdint>
#include <string>

#include "engine/frame/FrameClock.h"
#include "engine/platform/interface/Platform.h"

namespace vn {

class SystemWindow {
public:
    explicit SystemWindow(Platform& platform);
    virtual ~SystemWindow() = default;
    SystemWindow(const SystemWindow&) = delete;
    SystemWindow& operator=(const SystemWindow&) = delete;

    virtual int32_t WindowProc(const Message& message);

    // Destroys the window; the destroy message is handled at once, as the
    // system does it.
    void DestroyMainWindow();
    void PostQuit(uint32_t code) { platform.PostMessage({MsgQuit, code, 0}); }

    Platform& platform;
    FrameClock clock;
    std::string title;  // Shift-JIS
    bool windowAlive = false;
};

}  // namespace vn

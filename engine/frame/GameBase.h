#pragma once
// The story state: the game mode with its per-frame handlers, the mode's
// sub-state and the fatal-error word. The script machine, backlog, info
// tables and save state join here as members.

#include <array>
#include <cstdint>
#include <functional>

#include "engine/frame/EngineBase.h"

namespace vn {

enum GameMode : int {
    ModeTitle = 0,
    ModeEyeCatch = 20,
    ModeGallery = 60,
    ModeReplay = 70,
    ModeSoundRoom = 80,
    ModeBacklog = 95,
    ModeScript = 99,
};

enum FatalFlag : uint32_t {
    FatalSlotRange = 0x00800000,   // picture slot out of range
    FatalSpriteAlloc = 0x08000000,  // a sprite or per-picture object could not be allocated
};

class GameBase : public EngineBase {
public:
    using ModeHandler = std::function<void()>;
    struct ModeEntry {
        int mode;
        const char* name;
        ModeHandler handler;  // empty until its subsystem registers it
    };

    explicit GameBase(Platform& platform);

    // Runs the handler of gameMode; a mode without a registered handler, or
    // a value outside the table, runs nothing.
    void RunModeHandler();
    // For the subsystems that bring a mode; false for a value outside the table.
    bool SetModeHandler(int mode, ModeHandler handler);
    const ModeEntry* FindMode(int mode) const;

    uint32_t fatalFlags = 0;
    int gameMode = ModeTitle;
    int titleStep = 0;  // the mode's sub-state

private:
    std::array<ModeEntry, 7> modes_;
};

}  // namespace vn

#pragma once
// The player's one application object: the last class of the chain, with
// the window procedure that saves on destroy, the game initialisation, the
// idle step, the frame and the state dump.

#include <functional>
#include <string>
#include <vector>

#include "engine/frame/GameBase.h"

namespace vn {

class JsonWriter;

class GameSystem : public GameBase {
public:
    static constexpr uint32_t kFramePeriodMs = 16;

    explicit GameSystem(Platform& platform);
    int32_t WindowProc(const Message& message) override;

    void InitGame();
    // Dispatches messages, running IdleStep whenever none is waiting, until
    // the quit message; returns its code.
    int MessageLoop();
    void IdleStep();
    void RunFrame();
    void RequestClose() { platform.PostMessage({MsgClose, 0, 0}); }

    // Each subsystem adds its fields to the state dump through one function.
    void AddDumpSection(std::function<void(JsonWriter&)> section);
    std::string DumpState() const;

    // Steps that later subsystems fill; empty ones are skipped.
    std::function<void()> clearDrawLists;
    std::function<void()> onMannerModeChanged;  // menu mark, pictures that depend on it
    std::function<void()> updateSprites;  // sort, remove finished, collect dirty areas
    std::function<bool()> compose;        // dirty rectangles into the back buffer; false on failure
    std::function<void()> onDestroy;      // write the system data, release the message font
    std::function<void(uint32_t)> runCommand;  // popup menu commands
    // Run after every frame (the command line's frame count, shots, dumps).
    std::function<void()> afterFrame;

    uint32_t frame = 0;  // frames run so far
    bool configWritten = false;

private:
    void AdvanceMannerMode();
    std::vector<std::function<void(JsonWriter&)>> dumpSections_;
};

}  // namespace vn

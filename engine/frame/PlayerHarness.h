#pragma once
// The command line's run control around a GameSystem: close after N
// frames, screenshots and state dumps at chosen frames and at exit, and the
// test pattern (a test aid: a pattern in the back buffer, shown by frame 1).

#include "engine/frame/GameSystem.h"
#include "engine/platform/interface/PlayerOptions.h"

namespace vn {

class PlayerHarness {
public:
    PlayerHarness(GameSystem& game, const PlayerOptions& options) : game_(game), options_(options) {}

    void Attach();   // after the game's initialisation
    bool AtExit();   // the exit dump; false when a file could not be written
    bool Failed() const { return failed_; }

    // The pattern: colour bars, a one-pixel white frame and a diagonal.
    static void DrawTestPattern(Screen& screen);

private:
    void AfterFrame();

    GameSystem& game_;
    const PlayerOptions& options_;
    bool failed_ = false;
};

}  // namespace vn

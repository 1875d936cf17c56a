#pragma once
// The players' entry point: start-up order, message loop, shut-down order.

#include <memory>

#include "engine/platform/interface/BuildProfile.h"
#include "engine/platform/interface/Platform.h"
#include "engine/platform/interface/PlayerOptions.h"

namespace vn {

// Runs the player on the given driver; the exit code.
int RunGame(Platform& platform, const PlayerOptions& options);

// The whole program: command line, driver, RunGame.
int RunPlayer(const BuildProfile& profile, int argc, char** argv);

}  // namespace vn

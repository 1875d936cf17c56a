#pragma once
// The headless driver's event file: one event per line, "FRAME ACTION ARGS",
// '#' starts a comment. Actions: key_down K, key_up K, key K (up one frame
// later), pen_down X Y, pen_move X Y, pen_up, tap X Y (up one frame later),
// quit. K is a virtual-key code ("0x5A") or a name ("UP", "RETURN", "Z",
// "F1"); X and Y are logical screen coordinates.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/platform/interface/EmulatedDisplay.h"

namespace vn {

struct ScriptedEvent {
    uint32_t frame;  // delivered after this many frames have run
    Message message;
};

// Events in delivery order (by frame, then file order), pen positions
// already in the build's pen coordinates; nullopt and "line N: ..." on error.
std::optional<std::vector<ScriptedEvent>> ParseEventScript(std::string_view text, const EmulatedDisplay& display,
                                                           std::string& error);

}  // namespace vn

#include "engine/platform/headless/EventScript.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "engine/platform/interface/VirtualKeys.h"

namespace vn {
namespace {

enum class Args { Key, Point, None };

struct Action {
    const char* name;
    Args args;
    uint32_t id;        // message at FRAME
    uint32_t followUp;  // message one frame later, 0 for none
};

constexpr Action kActions[] = {
    {"key_down", Args::Key, MsgKeyDown, 0},  {"key_up", Args::Key, MsgKeyUp, 0},
    {"key", Args::Key, MsgKeyDown, MsgKeyUp}, {"pen_down", Args::Point, MsgPenDown, 0},
    {"pen_move", Args::Point, MsgPenMove, 0}, {"pen_up", Args::None, MsgPenUp, 0},
    {"tap", Args::Point, MsgPenDown, MsgPenUp}, {"quit", Args::None, MsgClose, 0},
};

template <class T>
bool Number(const std::string& s, T& out) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

// One line into events; false with a reason.
bool ParseLine(const std::string& line, const EmulatedDisplay& display, std::vector<ScriptedEvent>& out,
               std::string& why) {
    std::istringstream in(line);
    std::string frameText, name, a, b, extra;
    if (!(in >> frameText)) return true;  // blank
    in >> name;
    uint32_t frame = 0;
    if (!Number(frameText, frame)) return why = "bad frame number \"" + frameText + "\"", false;
    const Action* action = nullptr;
    for (const Action& x : kActions) {
        if (name == x.name) action = &x;
    }
    if (action == nullptr) return why = "unknown action \"" + name + "\"", false;
    Message m{action->id, 0, 0};
    if (action->args == Args::Key) {
        in >> a;
        const auto code = ParseVirtualKey(a);
        if (!code) return why = "unknown key \"" + a + "\"", false;
        m.wParam = *code;
    } else if (action->args == Args::Point) {
        int x = 0, y = 0;
        in >> a >> b;
        if (!Number(a, x) || !Number(b, y) || x < -32768 || x > 32767 || y < -32768 || y > 32767) {
            return why = "bad position \"" + a + " " + b + "\"", false;
        }
        m.lParam = display.LogicalToPen(x, y);
    }
    if (in >> extra) return why = "unexpected \"" + extra + "\"", false;
    out.push_back({frame, m});
    if (action->followUp != 0) {
        if (frame == UINT32_MAX) return why = "frame number too large", false;
        out.push_back({frame + 1, {action->followUp, m.wParam, m.lParam}});
    }
    return true;
}

}  // namespace

std::optional<std::vector<ScriptedEvent>> ParseEventScript(std::string_view text, const EmulatedDisplay& display,
                                                           std::string& error) {
    std::vector<ScriptedEvent> events;
    std::istringstream in{std::string(text)};
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::string why;
        if (!ParseLine(line, display, events, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return std::nullopt;
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptedEvent& x, const ScriptedEvent& y) { return x.frame < y.frame; });
    return events;
}

}  // namespace vn

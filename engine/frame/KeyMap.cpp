#include "engine/frame/KeyMap.h"

#include <cstring>

#include "formats/text/ShiftJis.h"

namespace vn {
namespace {

bool IsDirection(int key) { return key <= KEY_RIGHT; }

int32_t InputState::*const kLatch[4] = {&InputState::latchUp, &InputState::latchDown,
                                        &InputState::latchLeft, &InputState::latchRight};

// Names a KEY_CONFIG value may use for a logical key's default code.
struct DefaultName {
    const char* name;
    LogicalKey key;
};
constexpr DefaultName kDefaultNames[] = {
    {"UP", KEY_UP}, {"DOWN", KEY_DOWN}, {"LEFT", KEY_LEFT}, {"RIGHT", KEY_RIGHT},
    {"START", KEY_START}, {"KEY_A", KEY_A}, {"KEY_B", KEY_B}, {"KEY_C", KEY_C},
};

constexpr const char* kConfigNames[kLogicalKeyCount] = {
    "KEY_UP", "KEY_DOWN", "KEY_LEFT", "KEY_RIGHT", "KEY_A", "KEY_B", "KEY_C", "KEY_D", "KEY_E", "KEY_START",
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;  // any other character counts as 0
}

}  // namespace

const char* KeyMap::Name(LogicalKey key) { return kConfigNames[key]; }

KeyMap::KeyMap(const std::array<uint16_t, 8>& d) {
    codes_ = {d[0], d[1], d[2], d[3], d[4], d[5], d[6], 0, 0, d[7]};
    defaults_ = codes_;
}

void KeyMap::CountDirection(LogicalKey key, int mode, InputState& in) {
    int32_t& count = in.Count(key);
    const bool horizontal = key == KEY_LEFT || key == KEY_RIGHT;
    int32_t& ownLatch = in.*kLatch[key];
    switch (mode) {
        case 0: ++count; break;
        case 1: {
            int others = 0;
            for (int k = KEY_UP; k <= KEY_RIGHT; ++k) {
                if (k != key) others += in.Count(static_cast<LogicalKey>(k)) != 0;
            }
            if (others == 0) ++count;
            break;
        }
        case 2:  // horizontal first
        case 3: {  // vertical first
            const bool always = (mode == 2) == horizontal;
            if (always) {
                ++count;
                (mode == 2 ? in.latchUp : in.latchLeft) = 0;
                (mode == 2 ? in.latchDown : in.latchRight) = 0;
            } else {
                if (ownLatch) ++count;
                ownLatch = 1;
            }
            break;
        }
        case 4:  // full suppression: a new direction's first press is swallowed
            if (ownLatch) ++count;
            for (int k = KEY_UP; k <= KEY_RIGHT; ++k) in.*kLatch[k] = 0;
            ownLatch = 1;
            break;
        default: break;
    }
}

void KeyMap::CountStart(bool doublePress, InputState& in) {
    if (!doublePress) {
        in.latchStart = 0;
        ++in.countStart;
        return;
    }
    if (in.latchStart) ++in.countStart;
    in.latchStart = 1;
}

void KeyMap::OnKey(uint16_t code, bool down, int cursorMode, bool doublePress, InputState& in) {
    if (code == 0) return;  // 0 is "no key" in the map, never a key
    if (!down) {
        if (keyDownsSeen != 0) {
            for (int k = 0; k < kLogicalKeyCount; ++k) {
                if (codes_[k] == code) in.Count(static_cast<LogicalKey>(k)) = 0;
            }
            return;
        }
        // A key-up before any key-down: clear every count, then count as a press.
        for (int k = 0; k < kLogicalKeyCount; ++k) in.Count(static_cast<LogicalKey>(k)) = 0;
    } else {
        ++keyDownsSeen;
    }
    for (int k = 0; k < kLogicalKeyCount; ++k) {
        if (codes_[k] != code) continue;
        const auto key = static_cast<LogicalKey>(k);
        if (IsDirection(k)) {
            CountDirection(key, cursorMode, in);
            if (doublePress) in.latchStart = 0;
        } else if (key == KEY_START) {
            CountStart(doublePress, in);
        } else {
            ++in.Count(key);
        }
    }
}

void KeyMap::Configure(const char* name, const char* value) {
    int target = -1;
    for (int k = 0; k < kLogicalKeyCount; ++k) {
        if (NameEquals(kConfigNames[k], name)) target = k;
    }
    const size_t length = std::strlen(value);
    if (target < 0 || length == 0 || length > 30) return;
    uint16_t code = 0;
    bool resolved = false;
    for (const DefaultName& d : kDefaultNames) {
        if (NameEquals(d.name, value)) {
            code = defaults_[d.key];
            resolved = true;
        }
    }
    if (!resolved && length == 2) {
        code = static_cast<uint16_t>(HexValue(value[0]) * 16 + HexValue(value[1]));
        resolved = true;
    }
    codes_[target] = resolved ? code : defaults_[target];
}

}  // namespace vn

#pragma once
// Virtual-key codes to logical keys: the per-message counting rules of the
// five cursor modes and the double press, and the KEY_CONFIG assignments.

#include <array>
#include <cstdint>

#include "engine/frame/InputState.h"

namespace vn {

class KeyMap {
public:
    // defaults: the platform's key list (up, down, left, right, A, B, C,
    // start); KEY_D and KEY_E have no key until configured.
    explicit KeyMap(const std::array<uint16_t, 8>& defaults);
    virtual ~KeyMap() = default;

    void OnKey(uint16_t code, bool down, int cursorMode, bool doublePress, InputState& input);
    // One KEY_CONFIG entry (name "KEY_UP" ... "KEY_E"); a value that gives
    // no code leaves the key at its default.
    void Configure(const char* name, const char* value);

    uint16_t Code(LogicalKey key) const { return codes_[key]; }
    static const char* Name(LogicalKey key);  // "KEY_UP" ... "KEY_START"
    uint32_t keyDownsSeen = 0;

private:
    void CountDirection(LogicalKey key, int cursorMode, InputState& input);
    void CountStart(bool doublePress, InputState& input);

    std::array<uint16_t, kLogicalKeyCount> codes_{};
    std::array<uint16_t, kLogicalKeyCount> defaults_{};
};

}  // namespace vn

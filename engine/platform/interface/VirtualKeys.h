#pragma once
// Windows virtual-key codes, the language keys speak inside the engine (so
// that the KEY_CONFIG values of "varnek.cfg" keep their meaning), and their
// names in event files.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vn {

enum VirtualKey : uint16_t {
    VkBack = 0x08, VkTab = 0x09, VkReturn = 0x0D, VkShift = 0x10, VkControl = 0x11,
    VkMenu = 0x12, VkEscape = 0x1B, VkSpace = 0x20, VkPrior = 0x21, VkNext = 0x22,
    VkEnd = 0x23, VkHome = 0x24, VkLeft = 0x25, VkUp = 0x26, VkRight = 0x27, VkDown = 0x28,
    VkInsert = 0x2D, VkDelete = 0x2E, VkF1 = 0x70,
};

// "0x5A", a letter, a digit, or a name such as "UP", "RETURN", "F1"
// (letters in either case); nullopt for anything else or a code above 0xFF.
std::optional<uint16_t> ParseVirtualKey(std::string_view text);

}  // namespace vn

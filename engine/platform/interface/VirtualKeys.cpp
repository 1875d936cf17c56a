#include "engine/platform/interface/VirtualKeys.h"

#include <cctype>
#include <string>

namespace vn {
namespace {

struct KeyName {
    const char* name;
    uint16_t code;
};

constexpr KeyName kNames[] = {
    {"BACK", VkBack}, {"BACKSPACE", VkBack}, {"TAB", VkTab}, {"RETURN", VkReturn},
    {"ENTER", VkReturn}, {"SHIFT", VkShift}, {"CONTROL", VkControl}, {"CTRL", VkControl},
    {"MENU", VkMenu}, {"ALT", VkMenu}, {"ESCAPE", VkEscape}, {"ESC", VkEscape},
    {"SPACE", VkSpace}, {"PRIOR", VkPrior}, {"PAGEUP", VkPrior}, {"NEXT", VkNext},
    {"PAGEDOWN", VkNext}, {"END", VkEnd}, {"HOME", VkHome}, {"LEFT", VkLeft}, {"UP", VkUp},
    {"RIGHT", VkRight}, {"DOWN", VkDown}, {"INSERT", VkInsert}, {"DELETE", VkDelete},
};

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::optional<uint16_t> ParseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 4) return std::nullopt;
    unsigned value = 0;
    for (char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c))
                                                       ? c - '0'
                                                       : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10);
    }
    if (value > 0xFF) return std::nullopt;
    return static_cast<uint16_t>(value);
}

}  // namespace

std::optional<uint16_t> ParseVirtualKey(std::string_view text) {
    const std::string name = Upper(text);
    if (name.size() > 2 && name[0] == '0' && name[1] == 'X') return ParseHex(std::string_view(name).substr(2));
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        return static_cast<uint16_t>(name[0]);  // letters as capitals, digits as themselves
    }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        const std::string number = name.substr(1);
        if (number.find_first_not_of("0123456789") == std::string::npos) {
            const int n = std::stoi(number);
            if (n >= 1 && n <= 24) return static_cast<uint16_t>(VkF1 + n - 1);
        }
    }
    for (const KeyName& k : kNames) {
        if (name == k.name) return k.code;
    }
    return std::nullopt;
}

}  // namespace vn

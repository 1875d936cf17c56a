#pragma once
// A compiled script file split into its parts: 8 header bytes the player
// does not read, the label table (or none) and the code area.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vn {

struct ScriptImage {
    static constexpr uint32_t kNoLabels = 0xFFFFFFFF;
    static constexpr size_t kMaxLabels = 511;  // the player keeps 512 label words
    static constexpr size_t kInstructionSize = 6;
    static constexpr size_t kMaxTextBytes = 255;
    static constexpr uint16_t kPushText = 11;

    std::array<uint8_t, 8> header{'L', 'G', 'V', 'S', 1, 0, 0, 0};
    bool hasLabels = true;
    std::vector<uint32_t> labelWords{0};  // N + 1 words when hasLabels
    std::vector<uint8_t> code;

    // nullopt with a reason in error for a file too short for its table or
    // with more labels than the player can hold.
    static std::optional<ScriptImage> Parse(std::span<const uint8_t> bytes, std::string* error);
    std::vector<uint8_t> Serialize() const;
};

// The bytes behind a push-text instruction for a text: the text, its zero
// and zero padding up to a multiple of 4.
std::vector<uint8_t> PackText(std::span<const uint8_t> text);

}  // namespace vn

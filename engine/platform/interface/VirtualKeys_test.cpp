#include "engine/platform/interface/VirtualKeys.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(VirtualKeys, Names) {
    const struct {
        const char* text;
        std::optional<uint16_t> code;
    } cases[] = {
        {"0x5A", 0x5A}, {"0x0d", 0x0D}, {"UP", 0x26}, {"down", 0x28}, {"LEFT", 0x25},
        {"RIGHT", 0x27}, {"RETURN", 0x0D}, {"ESCAPE", 0x1B}, {"SPACE", 0x20}, {"z", 0x5A},
        {"7", 0x37}, {"F1", 0x70}, {"F12", 0x7B}, {"F0", std::nullopt}, {"0x100", std::nullopt},
        {"0xZZ", std::nullopt}, {"", std::nullopt}, {"NOPE", std::nullopt}, {"0x", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseVirtualKey(c.text), c.code) << c.text;
}

}  // namespace
}  // namespace vn

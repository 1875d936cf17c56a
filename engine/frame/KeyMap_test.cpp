#include "engine/frame/KeyMap.h"

#include <gtest/gtest.h>

#include "engine/platform/interface/BuildProfile.h"

namespace vn {
namespace {

constexpr uint16_t U = 0x26, D = 0x28, L = 0x25, R = 0x27, Z = 0x5A, X = 0x58, C = 0x43;

struct Presses {
    KeyMap keys{Sigmarion3Profile().defaultKeys};
    InputState in;
    void Press(uint16_t code, int mode, bool doublePress = false) {
        keys.OnKey(code, true, mode, doublePress, in);
    }
};

TEST(KeyMap, CursorModes) {
    const struct {
        int mode;
        std::vector<uint16_t> presses;
        int up, down, left, right;
    } cases[] = {
        {0, {R, D, D}, 0, 2, 0, 1},
        {1, {R, D}, 0, 0, 0, 1},         // another direction already counts
        {1, {D, D}, 0, 2, 0, 0},
        {2, {U, U}, 1, 0, 0, 0},          // the first vertical press is swallowed
        {2, {U, R, U}, 0, 0, 0, 1},       // a horizontal press clears the vertical latches
        {2, {U, U, R, U, U}, 2, 0, 0, 1},
        {3, {L, L, U}, 1, 0, 1, 0},
        {3, {L, U, L}, 1, 0, 0, 0},
        {4, {R, D}, 0, 0, 0, 0},          // a new direction's first press is swallowed
        {4, {R, D, D}, 0, 1, 0, 0},
        {4, {R, R, R}, 0, 0, 0, 2},
        {7, {U, D, L, R}, 0, 0, 0, 0},    // unknown modes count no directions
    };
    for (const auto& c : cases) {
        Presses p;
        for (uint16_t code : c.presses) p.Press(code, c.mode);
        EXPECT_EQ(p.in.countUp, c.up) << "mode " << c.mode;
        EXPECT_EQ(p.in.countDown, c.down) << "mode " << c.mode;
        EXPECT_EQ(p.in.countLeft, c.left) << "mode " << c.mode;
        EXPECT_EQ(p.in.countRight, c.right) << "mode " << c.mode;
    }
}

TEST(KeyMap, DoublePressOfStart) {
    Presses p;
    p.keys.Configure("KEY_START", "0D");
    p.Press(0x0D, 0, true);
    EXPECT_EQ(p.in.countStart, 0);
    p.Press(0x0D, 0, true);
    EXPECT_EQ(p.in.countStart, 1);
    p.in.countStart = 0;
    p.Press(U, 0, true);  // a direction in between starts the sequence again
    p.Press(0x0D, 0, true);
    EXPECT_EQ(p.in.countStart, 0);
    Presses single;
    single.keys.Configure("KEY_START", "0D");
    single.Press(0x0D, 0, false);
    EXPECT_EQ(single.in.countStart, 1);
    EXPECT_EQ(single.in.latchStart, 0);
}

TEST(KeyMap, ButtonsReleaseAndTwoLogicalKeys) {
    Presses p;
    p.keys.Configure("KEY_E", "5A");  // Z is now KEY_A and KEY_E
    p.Press(Z, 0);
    p.Press(Z, 0);
    p.Press(X, 0);
    p.Press(C, 0);
    EXPECT_EQ(p.in.countA, 2);
    EXPECT_EQ(p.in.countE, 2);
    EXPECT_EQ(p.in.countB, 1);
    EXPECT_EQ(p.in.countC, 1);
    EXPECT_EQ(p.keys.keyDownsSeen, 4u);
    p.keys.OnKey(Z, false, 0, false, p.in);
    EXPECT_EQ(p.in.countA, 0);
    EXPECT_EQ(p.in.countE, 0);
    EXPECT_EQ(p.in.countB, 1);
}

TEST(KeyMap, KeyUpBeforeAnyKeyDown) {
    Presses p;
    p.in.countB = 3;
    p.in.latchUp = 1;
    p.keys.OnKey(Z, false, 0, false, p.in);
    EXPECT_EQ(p.in.countB, 0);  // every count cleared ...
    EXPECT_EQ(p.in.latchUp, 1);  // ... the latches kept ...
    EXPECT_EQ(p.in.countA, 1);   // ... and counted as a press, but not seen
    EXPECT_EQ(p.keys.keyDownsSeen, 0u);
}

TEST(KeyMap, ConfigureValues) {
    const struct {
        const char* name;
        const char* value;
        LogicalKey key;
        uint16_t code;
    } cases[] = {
        {"KEY_A", "0d", KEY_A, 13},       {"KEY_A", "LEFT", KEY_A, L},   {"KEY_A", "ABC", KEY_A, Z},
        {"KEY_B", "G1", KEY_B, 1},        {"key_c", "start", KEY_C, 0},  {"KEY_D", "KEY_C", KEY_D, C},
        {"KEY_UP", "", KEY_UP, U},        {"KEY_UP", "A", KEY_UP, U},    {"KEY_E", "ff", KEY_E, 0xFF},
        {"KEY_START", "Down", KEY_START, D},
    };
    for (const auto& c : cases) {
        KeyMap keys(Sigmarion3Profile().defaultKeys);
        keys.Configure(c.name, c.value);
        EXPECT_EQ(keys.Code(c.key), c.code) << c.name << "=" << c.value;
    }
}

}  // namespace
}  // namespace vn

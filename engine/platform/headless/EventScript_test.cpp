#include "engine/platform/headless/EventScript.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(EventScript, ActionsAndOrder) {
    EmulatedDisplay ppc(PocketPcProfile());
    std::string error;
    const auto events = ParseEventScript(
        "# a comment\n"
        "5 key RETURN   # trailing comment\n"
        "\n"
        "2 tap 599 20\n"
        "3 key_down 0x5A\n"
        "3 pen_move 0 0\n"
        "9 quit\n",
        ppc, error);
    ASSERT_TRUE(events) << error;
    ASSERT_EQ(events->size(), 7u);
    const struct {
        uint32_t frame, id, wParam;
        int32_t lParam;
    } expected[] = {
        {2, MsgPenDown, 0, PackPoint(10, 20)}, {3, MsgPenUp, 0, PackPoint(10, 20)},
        {3, MsgKeyDown, 0x5A, 0},              {3, MsgPenMove, 0, PackPoint(0, 319)},
        {5, MsgKeyDown, 0x0D, 0},              {6, MsgKeyUp, 0x0D, 0},
        {9, MsgClose, 0, 0},
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ((*events)[i].frame, expected[i].frame) << i;
        EXPECT_EQ((*events)[i].message.id, expected[i].id) << i;
        EXPECT_EQ((*events)[i].message.wParam, expected[i].wParam) << i;
        EXPECT_EQ((*events)[i].message.lParam, expected[i].lParam) << i;
    }
}

TEST(EventScript, ErrorsNameTheLine) {
    EmulatedDisplay sig(Sigmarion3Profile());
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"x key UP", "line 1: bad frame number \"x\""},
        {"1 jump", "line 1: unknown action \"jump\""},
        {"\n1 key NOPE", "line 2: unknown key \"NOPE\""},
        {"1 tap 3", "line 1: bad position \"3 \""},
        {"1 pen_up now", "line 1: unexpected \"now\""},
        {"4294967295 key UP", "line 1: frame number too large"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseEventScript(c.text, sig, error)) << c.text;
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
}  // namespace vn

#include "formats/text/FormatString.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace vn {
namespace {

struct FormatCase {
    const char* format;
    std::initializer_list<FormatArg> args;
    const char* expected;
};

TEST(FormatString, Table) {
    const FormatCase cases[] = {
        {"save%z3.dat", {5}, "save005.dat"},
        {"%z4-%z2-%z2 %z2:%z2:%z2", {2005, 11, 9, 7, 5, 3}, "2005-11-09 07:05:03"},
        {"Filter%z2.bmp", {3}, "Filter03.bmp"},
        {"Thum_%z3.bmp", {12}, "Thum_012.bmp"},
        {"[%z4-%z2-%z2 %z2:%z2][%d%c]", {2005, 1, 2, 3, 4, 80, 37}, "[2005-01-02 03:04][80%]"},
        {"%z2", {123}, "23"},
        {"%z2", {0}, "00"},
        {"%z2", {-1}, "95"},
        {"%z10", {42}, "0000000042"},
        {"%z", {42}, ""},
        {"%d", {-5}, "5"},
        {"%d", {0}, "0"},
        {"%d+", {-5}, "-5"},
        {"%d+", {5}, "+5"},
        {"%d-", {-5}, "-5"},
        {"%d-", {5}, "5"},
        {"%d3", {7}, "  7"},
        {"%d+3", {-7}, " -7"},
        {"%d+3", {7}, " +7"},
        {"%d-3", {7}, "  7"},
        {"%d+2", {-123}, "23"},
        {"%d+2", {-12}, "12"},
        {"%d2", {5}, " 5"},
        {"%d", {INT32_MIN}, "2147483648"},
        {"%d+", {INT32_MIN}, "-2147483648"},
        {"%s and %s", {"ab", "cd"}, "ab and cd"},
        {"%c%c", {0x41, 0x142}, "AB"},
        {"100%%", {}, "100%"},
        {"a%qb", {}, "ab"},
        {"a%", {}, "a"},
        {"x%dy", {}, "xy"},
        {"%d/%s", {"text", 3}, "/"},
        {"\x95\x5C%z2", {7}, "\x95\x5C" "07"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatString(c.format, c.args), c.expected) << c.format;
    }
}

TEST(FormatString, EngineFormWritesTerminatedAndReturnsZero) {
    char out[32];
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(FormatString(out, "save%z3.dat", {15}), 0);
    EXPECT_STREQ(out, "save015.dat");
}

}  // namespace
}  // namespace vn

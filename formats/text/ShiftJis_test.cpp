#include "formats/text/ShiftJis.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(ShiftJis, LeadByteRanges) {
    for (int b = 0; b < 256; ++b) {
        const bool expected = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(b)), expected) << b;
    }
}

TEST(ShiftJis, CopyAndAppendChainAtTheTerminator) {
    char buf[32];
    char* end = StrCopy(buf, "data\\");
    end = StrCopy(end, "bg");
    end = StrAppend(buf, ".mlz");
    EXPECT_STREQ(buf, "data\\bg.mlz");
    EXPECT_EQ(end, buf + 11);
    EXPECT_EQ(*end, '\0');
    EXPECT_EQ(StrLen(buf), 11u);
    EXPECT_EQ(StrLen(""), 0u);
}

TEST(ShiftJis, FindLastSkipsSecondBytes) {
    // 0x95 0x5C is one character (its second byte is a backslash code).
    const char s[] = "\x95\x5C\x5C\x61";
    EXPECT_EQ(FindLast(s, '\\'), s + 2);
    EXPECT_EQ(FindLast("\x95\x5C", '\\'), nullptr);
    const char path[] = "data\\save\\save001.dat";
    EXPECT_EQ(FindLast(path, '\\'), path + 9);
    EXPECT_EQ(FindLast(path, '.'), path + 17);
    EXPECT_EQ(FindLast("abc", 'x'), nullptr);
    // A lead byte cut off by the terminator does not run past it.
    const char cut[] = "a\\\x81";
    EXPECT_EQ(FindLast(cut, '\\'), cut + 1);
}

struct NameCase {
    const char* a;
    const char* b;
    bool equal;
};

TEST(ShiftJis, NameEqualsTable) {
    const NameCase cases[] = {
        {"Stand.mlz", "STAND.MLZ", true},
        {"ab", "abc", false},
        {"abc", "ab", false},
        {"", "", true},
        {"a1_[", "A1_[", true},
        {"a@", "A`", false},              // only letters fold
        {"\x83\x41", "\x83\x41", true},   // ア
        {"\x83\x61", "\x83\x41", false},  // second byte 'a' vs 'A': not folded
        {"\x82\x60x", "\x82\x60X", true}, // folding resumes after the character
        {"\x95\x5C", "\x95\x5c", true},
        {"\xB1", "\xB1", true},           // half-width katakana is one byte
        {"\x81", "\x81", true},           // cut-off lead byte on both sides
        {"\x81", "\x81X", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameEquals(c.a, c.b), c.equal) << c.a << " / " << c.b;
    }
}

}  // namespace
}  // namespace vn

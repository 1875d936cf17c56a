#include "engine/platform/host/Cp932.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(Cp932, ConvertsBothWays) {
    // 表 is 0x95 0x5C: its second byte is the backslash code.
    EXPECT_EQ(Cp932ToUtf8("\x95\x5C\x8E\xA6.bmp"), "表示.bmp");
    EXPECT_EQ(Utf8ToCp932("表示.bmp"), "\x95\x5C\x8E\xA6.bmp");
    EXPECT_EQ(Utf8ToCp932("ｱ"), "\xB1");      // half-width katakana
    EXPECT_EQ(Utf8ToCp932("～"), "\x81\x60");  // the CP932 mapping, not plain Shift-JIS
    EXPECT_EQ(Cp932ToUtf8(""), "");
}

TEST(Cp932, RefusesWhatDoesNotConvert) {
    EXPECT_FALSE(Cp932ToUtf8("\x81"));       // lead byte without its second byte
    EXPECT_FALSE(Utf8ToCp932("\xC3"));       // broken UTF-8
    EXPECT_FALSE(Utf8ToCp932("😀"));         // no CP932 form
    EXPECT_EQ(Cp932ToUtf8Lossy("a\x81"), "a\\x81");
}

}  // namespace
}  // namespace vn

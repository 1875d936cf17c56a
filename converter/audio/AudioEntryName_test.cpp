#include "converter/audio/AudioEntryName.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(Mp3EntryName, ReplacesTheExtension) {
    struct Case {
        const char* name;
        const char* mp3;
    };
    const Case cases[] = {
        {"BGM01.wav", "BGM01.mp3"},
        {"v.0001.WAV", "v.0001.mp3"},
        {"noext", "noext.mp3"},
        {"\x83\x5c.wav", "\x83\x5c.mp3"},  // a kanji whose second byte is 0x5C
        {"\x95\x5c\x8e\xa6", "\x95\x5c\x8e\xa6.mp3"},
        {"...wav", "...mp3"},
    };
    for (const Case& c : cases) {
        const auto mp3 = Mp3EntryName(c.name);
        ASSERT_TRUE(mp3) << c.name;
        EXPECT_EQ(*mp3, c.mp3);
    }
}

TEST(Mp3EntryName, RefusesNamesThatLeaveTheFolder) {
    const char* refused[] = {
        "..\\..\\x.wav", "../x.wav", "a\\b.wav", "a/b.wav", "C:x.wav", "c:\\x.wav", "\\x.wav",
        "..",            ".",        "",         "x\x01.wav", "\x83",  "a.wav\x83",
    };
    for (const char* name : refused) {
        EXPECT_FALSE(Mp3EntryName(name)) << name;
        EXPECT_FALSE(IsPlainFileName(name)) << name;
    }
}

}  // namespace
}  // namespace vn

#pragma once
// Helpers for zero-terminated Shift-JIS strings that never split a
// double-byte character.

#include <cstddef>

namespace vn {

// True for the first byte of a two-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

size_t StrLen(const char* s);

// Copy or append including the terminator; both return the new terminator's
// position in dest so that calls can be chained. dest must be large enough.
char* StrCopy(char* dest, const char* src);
char* StrAppend(char* dest, const char* src);

// Last one-byte character equal to c, or null. Second bytes of two-byte
// characters are skipped, so a trailing 0x5C of a kanji is never taken for a
// backslash.
const char* FindLast(const char* s, char c);
char* FindLast(char* s, char c);

// Entry and path name comparison: two-byte characters (led by a lead byte of
// a) must match exactly, every other byte with ASCII letters folded.
bool NameEquals(const char* a, const char* b);

}  // namespace vn

#include "formats/text/ShiftJis.h"

namespace vn {

namespace {
unsigned char FoldAscii(unsigned char b) {
    return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - 'a' + 'A') : b;
}
}  // namespace

size_t StrLen(const char* s) {
    size_t n = 0;
    while (s[n] != '\0') ++n;
    return n;
}

char* StrCopy(char* dest, const char* src) {
    while ((*dest = *src) != '\0') {
        ++dest;
        ++src;
    }
    return dest;
}

char* StrAppend(char* dest, const char* src) { return StrCopy(dest + StrLen(dest), src); }

const char* FindLast(const char* s, char c) {
    const char* found = nullptr;
    for (const char* p = s; *p != '\0'; ++p) {
        if (IsLeadByte(static_cast<unsigned char>(*p))) {
            // A lead byte cut off by the terminator ends the string.
            if (p[1] == '\0') break;
            ++p;
        } else if (*p == c) {
            found = p;
        }
    }
    return found;
}

char* FindLast(char* s, char c) {
    return const_cast<char*>(FindLast(static_cast<const char*>(s), c));
}

bool NameEquals(const char* a, const char* b) {
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    while (*x != 0) {
        if (IsLeadByte(*x)) {
            if (x[0] != y[0]) return false;
            // A lead byte cut off by the terminator: both must end there.
            if (x[1] == 0) return y[1] == 0;
            if (x[1] != y[1]) return false;
            x += 2;
            y += 2;
        } else {
            if (FoldAscii(*x) != FoldAscii(*y)) return false;
            ++x;
            ++y;
        }
    }
    return *y == 0;
}

}  // namespace vn

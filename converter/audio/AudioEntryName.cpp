#include "converter/audio/AudioEntryName.h"

#include <cstring>

#include "formats/text/ShiftJis.h"

namespace vn {

bool IsPlainFileName(const char* name) {
    if (name[0] == '\0' || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) {
        return false;
    }
    for (const char* p = name; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (IsLeadByte(c)) {
            if (p[1] == '\0') return false;
            ++p;  // a second byte may be 0x5C and is no backslash
            continue;
        }
        if (c < 0x20 || c == '\\' || c == '/' || c == ':') return false;
    }
    return true;
}

std::optional<std::string> Mp3EntryName(const char* name) {
    if (!IsPlainFileName(name)) return std::nullopt;
    const char* dot = FindLast(name, '.');
    std::string out(name, dot ? static_cast<size_t>(dot - name) : std::strlen(name));
    out += ".mp3";
    if (!IsPlainFileName(out.c_str())) return std::nullopt;
    return out;
}

}  // namespace vn

#include "engine/platform/host/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

#include "formats/text/ShiftJis.h"

namespace vn {

namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char buffer[256];
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    return Convert("UTF-8", "CP932", cp932);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8);
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
    if (auto whole = Cp932ToUtf8(cp932)) return *whole;
    std::string out;
    for (size_t i = 0; i < cp932.size();) {
        const auto b = static_cast<unsigned char>(cp932[i]);
        const size_t n = (IsLeadByte(b) && i + 1 < cp932.size()) ? 2 : 1;
        if (auto part = Cp932ToUtf8(cp932.substr(i, n))) {
            out += *part;
        } else {
            for (size_t k = 0; k < n; ++k) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(cp932[i + k]));
                out += hex;
            }
        }
        i += n;
    }
    return out;
}

}  // namespace vn

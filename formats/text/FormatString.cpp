#include "formats/text/FormatString.h"

#include <cstring>

#include "formats/text/ShiftJis.h"

namespace vn {

namespace {

struct Directive {
    char letter = 0;
    char flag = 0;  // '+', '-' or 0
    int width = -1; // -1 when none was given
};

// Reads flag and width after the letter; returns the position after them.
const char* ParseModifiers(const char* p, Directive& d) {
    if (*p == '+' || *p == '-') d.flag = *p++;
    if (*p >= '0' && *p <= '9') {
        d.width = *p++ - '0';
        if (*p >= '0' && *p <= '9') d.width = d.width * 10 + (*p++ - '0');
    }
    return p;
}

std::string Digits(uint64_t value) {
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + value % 10));
        value /= 10;
    } while (value != 0);
    return s;
}

void AppendDecimal(std::string& out, const Directive& d, int32_t value) {
    const bool negative = value < 0;
    std::string digits = Digits(negative ? -static_cast<int64_t>(value) : value);
    std::string sign;
    if (d.flag == '+') sign = negative ? "-" : "+";
    if (d.flag == '-') sign = negative ? "-" : " ";
    if (d.width < 0) {
        // Without a width the "-" flag's blank for positive values is not written.
        if (sign != " ") out += sign;
        out += digits;
        return;
    }
    const size_t w = static_cast<size_t>(d.width);
    if (digits.size() >= w) {
        out += digits.substr(digits.size() - w);  // the sign is dropped
        return;
    }
    std::string field(w - digits.size(), ' ');
    if (!sign.empty()) field.back() = sign[0];
    out += field;
    out += digits;
}

void AppendZeroPadded(std::string& out, const Directive& d, uint32_t value) {
    if (d.width <= 0) return;  // no width: no digits
    std::string digits = Digits(value);
    const size_t w = static_cast<size_t>(d.width);
    if (digits.size() >= w) {
        out += digits.substr(digits.size() - w);
    } else {
        out.append(w - digits.size(), '0');
        out += digits;
    }
}

}  // namespace

std::string FormatString(const char* format, std::initializer_list<FormatArg> args) {
    std::string out;
    const FormatArg* next = args.begin();
    const char* p = format;
    while (*p != '\0') {
        if (*p != '%') {
            out += *p++;
            continue;
        }
        ++p;
        if (*p == '\0') break;
        if (*p == '%') {
            out += '%';
            ++p;
            continue;
        }
        Directive d;
        d.letter = *p++;
        if (std::strchr("dscz", d.letter) == nullptr) continue;  // unknown: dropped
        p = ParseModifiers(p, d);
        if (next == args.end()) continue;
        const FormatArg& arg = *next++;
        if (d.letter == 's') {
            if (arg.IsText()) out += arg.Text();
            continue;
        }
        if (arg.IsText()) continue;
        switch (d.letter) {
            case 'd': AppendDecimal(out, d, static_cast<int32_t>(arg.Number())); break;
            case 'c': out += static_cast<char>(arg.Number() & 0xFF); break;
            case 'z': AppendZeroPadded(out, d, arg.Number()); break;
        }
    }
    return out;
}

int FormatString(char* out, const char* format, std::initializer_list<FormatArg> args) {
    StrCopy(out, FormatString(format, args).c_str());
    return 0;
}

}  // namespace vn

#include "tools/vnscript/ScriptText.h"

#include <cstdio>

#include "engine/platform/host/Cp932.h"
#include "formats/text/ShiftJis.h"

namespace vn {
namespace {

// Raw bytes from \xHH travel inside the decoded token as this marker byte
// followed by the byte; 0x01 never appears in source text otherwise.
constexpr char kRawMark = '\x01';

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsSeparator(char c) { return c == '(' || c == ')' || c == ',' || c == '='; }

}  // namespace

std::optional<std::vector<SourceToken>> TokenizeLine(std::string_view line, std::string* error) {
    std::vector<SourceToken> tokens;
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == ';') {
            break;
        } else if (IsSeparator(c)) {
            tokens.push_back({SourceToken::Kind::Punct, std::string(1, c)});
            ++i;
        } else if (c == '"') {
            std::string text;
            ++i;
            for (;;) {
                if (i >= line.size()) {
                    *error = "text without its closing quote";
                    return std::nullopt;
                }
                const char d = line[i++];
                if (d == '"') break;
                if (d == kRawMark) {
                    *error = "control character in text";
                    return std::nullopt;
                }
                if (d != '\\') {
                    text += d;
                    continue;
                }
                const char e = i < line.size() ? line[i++] : '\0';
                if (e == '"' || e == '\\') {
                    text += e;
                } else if (e == 'x' && i + 1 < line.size() && HexDigit(line[i]) >= 0 &&
                           HexDigit(line[i + 1]) >= 0) {
                    text += kRawMark;
                    text += static_cast<char>(HexDigit(line[i]) * 16 + HexDigit(line[i + 1]));
                    i += 2;
                } else {
                    *error = "bad escape in text (use \\\" \\\\ or \\xHH)";
                    return std::nullopt;
                }
            }
            tokens.push_back({SourceToken::Kind::Text, std::move(text)});
        } else {
            const size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
                   line[i] != ';' && line[i] != '"' && !IsSeparator(line[i]))
                ++i;
            tokens.push_back({SourceToken::Kind::Word, std::string(line.substr(start, i - start))});
        }
    }
    return tokens;
}

std::optional<std::vector<uint8_t>> TextToCp932(const std::string& text) {
    std::vector<uint8_t> out;
    std::string run;
    auto flush = [&]() {
        if (run.empty()) return true;
        const auto converted = Utf8ToCp932(run);
        if (!converted) return false;
        out.insert(out.end(), converted->begin(), converted->end());
        run.clear();
        return true;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kRawMark && i + 1 < text.size()) {
            if (!flush()) return std::nullopt;
            out.push_back(static_cast<uint8_t>(text[++i]));
        } else {
            run += text[i];
        }
    }
    if (!flush()) return std::nullopt;
    return out;
}

std::string QuoteCp932(std::span<const uint8_t> bytes) {
    std::string out = "\"";
    auto hex = [&](uint8_t b) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\x%02X", b);
        out += buf;
    };
    for (size_t i = 0; i < bytes.size();) {
        const uint8_t b = bytes[i];
        if (b >= 0x20 && b < 0x7F) {
            if (b == '"' || b == '\\') out += '\\';
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        const size_t len = (IsLeadByte(b) && i + 1 < bytes.size()) ? 2 : 1;
        const std::string_view ch(reinterpret_cast<const char*>(bytes.data() + i), len);
        const auto utf8 = Cp932ToUtf8(ch);
        const auto back = utf8 ? Utf8ToCp932(*utf8) : std::nullopt;
        // Only characters that come back as the same bytes are written as
        // themselves; a byte below 0x20 is always escaped.
        if (b >= 0x80 && back && *back == ch) {
            out += *utf8;
        } else {
            for (size_t k = 0; k < len; ++k) hex(bytes[i + k]);
        }
        i += len;
    }
    return out + "\"";
}

}  // namespace vn

#include "engine/persist/ConfigFile.h"

#include <vector>

#include "formats/text/ShiftJis.h"

namespace vn {
namespace {

bool IsLead(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

// Copies a name, dropping spaces and tabs outside double quotes and the
// quotes themselves; two-byte characters pass whole.
std::string CleanName(std::string_view raw) {
    std::string out;
    bool quoted = false;
    for (size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (IsLead(c) && i + 1 < raw.size()) {
            out += c;
            out += raw[++i];
        } else if (c == '"') {
            quoted = !quoted;
        } else if (quoted || (c != ' ' && c != '\t')) {
            out += c;
        }
    }
    return out;
}

// Position of the first one-byte c, never the second byte of a kanji.
size_t FindChar(std::string_view s, char c) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == c) return i;
        if (IsLead(s[i])) ++i;
    }
    return std::string_view::npos;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

}  // namespace

bool ConfigSectionName(std::string_view line, std::string& name) {
    if (line.empty() || line[0] != '[') return false;
    std::string_view rest = line.substr(1);
    rest = rest.substr(0, FindChar(rest, ']'));
    name = CleanName(rest);
    return true;
}

bool ConfigKeyLine(std::string_view line, std::string& key, std::string_view& value) {
    if (!line.empty() && line[0] == '[') return false;
    const size_t eq = FindChar(line, '=');
    if (eq == std::string_view::npos) return false;
    key = CleanName(line.substr(0, eq));
    value = line.substr(eq + 1);
    return true;
}

int ConfigFile::ParseInt(std::string_view value) {
    // Unsigned arithmetic: absurdly long values wrap instead of overflowing.
    uint32_t n = 0;
    if (value.size() >= 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        for (char c : value.substr(2)) n = n * 16 + static_cast<uint32_t>(HexDigit(c));
        return static_cast<int>(n);
    }
    uint32_t place = 1;
    bool negative = false;
    for (size_t i = value.size(); i-- > 0;) {
        const char c = value[i];
        if (c == '-' || c == '+') {
            negative = negative || c == '-';
            continue;  // signs take no decimal place
        }
        if (c >= '0' && c <= '9') n += static_cast<uint32_t>(c - '0') * place;
        place *= 10;
    }
    return static_cast<int>(negative ? 0u - n : n);
}

std::list<std::string> ConfigFile::SplitLines(std::string_view text) {
    std::list<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        lines.emplace_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

void ConfigFile::Load(const char* path) {
    if (!cachedPath_.empty() && NameEquals(cachedPath_.c_str(), path)) return;
    lines_.clear();
    cachedPath_ = path;
    writable_ = true;
    cachedSize_ = files_.FileSize(path);
    if (cachedSize_ < 0) return;
    std::vector<uint8_t> bytes;
    if (cachedSize_ > kMaxFileSize || !files_.ReadWholeFile(path, bytes)) {
        writable_ = false;  // never replace a file we could not read whole
        return;
    }
    lines_ = SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::optional<std::string> ConfigFile::FindValue(const char* section, const char* key, const char* path) {
    Load(path);
    bool inSection = false;
    std::string name;
    std::string_view value;
    for (const std::string& line : lines_) {
        if (ConfigSectionName(line, name)) {
            inSection = NameEquals(name.c_str(), section);
        } else if (inSection && ConfigKeyLine(line, name, value) && NameEquals(name.c_str(), key)) {
            return std::string(value);
        }
    }
    return std::nullopt;
}

int ConfigFile::GetInt(const char* section, const char* key, int fallback, const char* path) {
    const std::optional<std::string> value = FindValue(section, key, path);
    if (!value || value->empty()) return fallback;
    return ParseInt(*value);
}

size_t ConfigFile::GetText(const char* section, const char* key, const char* fallback,
                           std::string& out, size_t limit, const char* path) {
    const std::optional<std::string> value = FindValue(section, key, path);
    std::string text;
    if (value) {
        for (char c : *value) {
            if (c != '"') text += c;
        }
    }
    out = (!value || text.empty() || text.size() > limit) ? std::string(fallback) : text;
    return out.size();
}

ConfigFile::Line ConfigFile::FindHeader(const std::string& section) {
    std::string name;
    for (auto it = lines_.begin(); it != lines_.end(); ++it) {
        if (ConfigSectionName(*it, name) && NameEquals(name.c_str(), section.c_str())) return it;
    }
    return lines_.end();
}

void ConfigFile::SetText(const char* section, const char* key, const char* value, const char* path) {
    Load(path);
    Line header = FindHeader(section);
    if (header == lines_.end()) header = lines_.insert(lines_.end(), "[" + std::string(section) + "]");
    const std::string newLine = std::string(key) + "=" + value;
    std::string name;
    std::string_view old;
    for (auto it = std::next(header); it != lines_.end() && (it->empty() || (*it)[0] != '['); ++it) {
        if (ConfigKeyLine(*it, name, old) && NameEquals(name.c_str(), key)) {
            *it = newLine;
            return;
        }
    }
    lines_.insert(std::next(header), newLine);
}

bool ConfigFile::Flush() {
    if (cachedPath_.empty()) return false;
    const std::string path = std::move(cachedPath_);
    cachedPath_.clear();
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    lines_.clear();
    if (!writable_) return false;
    const std::string temporary = path + ".new";
    auto out = files_.Create(temporary.c_str());
    if (!out) return false;
    const bool written = out->Write({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    if (!out->Close() || !written) return false;
    return files_.Replace(temporary.c_str(), path.c_str());
}

}  // namespace vn

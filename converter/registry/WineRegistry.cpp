#include "converter/registry/WineRegistry.h"

#include <cstdlib>
#include <vector>

#include "engine/platform/host/HostFileSystem.h"

namespace vn {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

void AppendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Wine escapes a string's characters as \\ \" \n \r \t \0 and \xHHHH (one to
// four hex digits, a UTF-16 unit). Reads from text[at] (just past an opening
// quote) to the closing one, or up to end when end is not a quote.
std::optional<std::string> Unescape(std::string_view text, size_t& at, char end) {
    std::string out;
    uint32_t highSurrogate = 0;
    while (at < text.size() && text[at] != end) {
        char c = text[at++];
        if (c != '\\' || at >= text.size()) {
            out.push_back(c);
            continue;
        }
        c = text[at++];
        uint32_t unit = 0;
        if (c == 'x') {
            int digits = 0;
            while (digits < 4 && at < text.size() && HexValue(text[at]) >= 0) {
                unit = unit * 16 + static_cast<uint32_t>(HexValue(text[at++]));
                ++digits;
            }
            if (digits == 0) return std::nullopt;
        } else {
            static constexpr std::string_view kFrom = "nrt0", kTo = "\n\r\t";
            const size_t k = kFrom.find(c);
            unit = k == std::string_view::npos ? static_cast<unsigned char>(c) : (k < 3 ? kTo[k] : 0);
        }
        if (unit >= 0xD800 && unit < 0xDC00) {
            highSurrogate = unit;
            continue;
        }
        if (unit >= 0xDC00 && unit < 0xE000 && highSurrogate) {
            unit = 0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
        }
        highSurrogate = 0;
        AppendUtf8(out, unit);
    }
    if (end == '"' && at >= text.size()) return std::nullopt;  // unterminated
    ++at;
    return out;
}

// A key line "[Software\\TERN\\LucentGrove] 1234": the unescaped key name.
std::optional<std::string> KeyName(std::string_view line) {
    size_t at = 1;
    return Unescape(line, at, ']');
}

// A value line "\"name\"=\"text\"" or "\"name\"=str(2):\"text\"".
std::optional<std::string> StringValue(std::string_view line, std::string_view value) {
    size_t at = 1;
    const auto name = Unescape(line, at, '"');
    if (!name || !SameText(*name, value)) return std::nullopt;
    std::string_view rest = line.substr(at);
    for (std::string_view prefix : {"=\"", "=str(2):\""}) {
        if (rest.substr(0, prefix.size()) == prefix) {
            size_t start = prefix.size();
            return Unescape(rest, start, '"');
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FindRegistryString(std::string_view text, std::string_view key,
                                              std::string_view value) {
    bool inKey = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t eol = text.find('\n', pos);
        if (eol == std::string_view::npos) eol = text.size();
        std::string_view line = text.substr(pos, eol - pos);
        pos = eol + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (line[0] == '[') {
            const auto name = KeyName(line);
            inKey = name && SameText(*name, key);
        } else if (inKey && line[0] == '"') {
            if (auto found = StringValue(line, value)) return found;
        }
    }
    return std::nullopt;
}

std::string CutAtLastBackslash(const std::string& path) {
    const size_t last = path.rfind('\\');
    return last == std::string::npos ? path : path.substr(0, last);
}

std::optional<std::string> MapIntoPrefix(FileSystem& files, const std::string& prefix,
                                         const std::string& windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
    const char drive = Lower(windowsPath[0]);
    if (drive < 'a' || drive > 'z') return std::nullopt;
    std::string rest = windowsPath.substr(2);
    for (char& c : rest) {
        if (c == '\\') c = '/';
    }
    if (!rest.empty() && rest[0] != '/') rest.insert(rest.begin(), '/');
    const std::string link = prefix + "/dosdevices/" + drive + ":";
    const auto internal = InternalPath(link);
    if (internal && files.FileExists(internal->c_str())) return link + rest;
    if (drive == 'c') return prefix + "/drive_c" + rest;
    return std::nullopt;
}

std::string GameFolderFromRegistry(FileSystem& files, const std::string& prefix) {
    const auto regPath = InternalPath(prefix + "/user.reg");
    std::vector<uint8_t> bytes;
    constexpr int64_t kMaxRegistrySize = 64 << 20;  // far above any real user.reg
    if (!regPath || files.FileSize(regPath->c_str()) > kMaxRegistrySize) return {};
    if (!files.ReadWholeFile(regPath->c_str(), bytes)) return {};
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const auto value = FindRegistryString(text, "Software\\TERN\\LucentGrove", "DIRECTORY");
    if (!value) return {};
    return MapIntoPrefix(files, prefix, CutAtLastBackslash(*value)).value_or(std::string());
}

std::string DefaultWinePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.wine";
}

}  // namespace vn

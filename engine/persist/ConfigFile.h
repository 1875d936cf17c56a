#pragma once
// "varnek.cfg" and files like it: section-and-key lines kept in memory,
// queried by integer or text, edited in place and written back once.
// Only one file is cached at a time; every call names its file, and a call
// for another path (ASCII case ignored) drops the cached lines unwritten.

#include <cstddef>
#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <string_view>

#include "engine/platform/interface/PlatformFiles.h"

namespace vn {

class ConfigFile {
public:
    // Larger files are not read, and then never overwritten.
    static constexpr int64_t kMaxFileSize = 4 << 20;

    explicit ConfigFile(PlatformFiles& files) : files_(files) {}

    int GetInt(const char* section, const char* key, int fallback, const char* path);
    // The value into out (quotes removed); the fallback when the key is
    // missing, its value empty or longer than limit bytes. Returns out's length.
    size_t GetText(const char* section, const char* key, const char* fallback, std::string& out,
                   size_t limit, const char* path);
    void SetText(const char* section, const char* key, const char* value, const char* path);
    // Writes the cached lines (CR LF after each) through a new file that then
    // replaces the old one, and forgets the cache. False when nothing could be
    // written (the old file, if any, is then unchanged).
    bool Flush();

    const std::string& CachedPath() const { return cachedPath_; }
    const std::list<std::string>& Lines() const { return lines_; }

    // The integer rules of the file: "0x" hexadecimal, otherwise one decimal
    // place per character from the right (non-digits worth 0), '-' anywhere
    // negative. Exposed for tests.
    static int ParseInt(std::string_view value);
    // Splits file text into lines: CR LF, a lone CR and a lone LF each end a line.
    static std::list<std::string> SplitLines(std::string_view text);

private:
    using Line = std::list<std::string>::iterator;
    void Load(const char* path);
    std::optional<std::string> FindValue(const char* section, const char* key, const char* path);
    Line FindHeader(const std::string& section);

    PlatformFiles& files_;
    std::string cachedPath_;
    std::list<std::string> lines_;
    int64_t cachedSize_ = -1;
    bool writable_ = true;
};

// A section header's name ("[ A ]" -> "A") or a key line's key, with spaces
// and tabs removed except between double quotes; false for other lines.
bool ConfigSectionName(std::string_view line, std::string& name);
bool ConfigKeyLine(std::string_view line, std::string& key, std::string_view& value);

}  // namespace vn

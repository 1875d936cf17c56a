#pragma once
// The real file system behind the FileSystem interface. Paths come in as
// Shift-JIS with backslashes; they are turned into UTF-8 with slashes, and a
// path that does not exist as written is looked up component by component
// without regard to ASCII letter case, as the Windows file system would.

#include <optional>
#include <string>

#include "formats/io/FileSystem.h"

namespace vn {

class HostFileSystem : public FileSystem {
public:
    int64_t FileSize(const char* path) override;
    int64_t ReadAt(const char* path, uint64_t offset, std::span<uint8_t> dest) override;
    std::unique_ptr<OutputFile> Create(const char* path) override;
    bool CreateFolder(const char* path) override;
    bool FileExists(const char* path) override;

    // The host path a Shift-JIS path stands for (existing components matched
    // case-insensitively), or nullopt when it does not convert.
    static std::optional<std::string> HostPath(const char* path);
};

// A UTF-8 host path (from a command line) in the programs' own form: CP932
// with backslashes; nullopt when it has no CP932 form.
std::optional<std::string> InternalPath(const std::string& utf8Path);

}  // namespace vn

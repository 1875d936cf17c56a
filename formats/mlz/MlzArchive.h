#pragma once
// Reads .mlz archives. One object caches the header and directory of the
// archive it was last asked about; every entry read is one bounded read.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/io/FileSystem.h"
#include "formats/mlz/LzssExpander.h"
#include "formats/mlz/MlzLayout.h"

namespace vn {

class MlzArchive {
public:
    explicit MlzArchive(FileSystem& files) : files_(files) {}

    // The cached header-and-directory bytes (16 + 84·N), or null. A file that
    // cannot be opened, has another magic or a directory that does not fit in
    // it is refused and leaves the earlier cache in place.
    const std::vector<uint8_t>* LoadDirectory(const char* path);

    // The expanded bytes of the first entry whose name equals name, or
    // nullopt (see LastError).
    std::optional<std::vector<uint8_t>> ReadEntry(const char* path, const char* name);

    // Directory access for tools, valid after a successful LoadDirectory.
    uint32_t EntryCount() const;
    MlzEntry Entry(uint32_t index) const;
    std::optional<std::vector<uint8_t>> ReadEntryAt(const char* path, uint32_t index);

    const std::string& LastError() const { return error_; }

private:
    std::optional<std::vector<uint8_t>> Fail(std::string message);
    std::optional<std::vector<uint8_t>> ReadRecord(const char* path, const MlzEntry& entry);

    FileSystem& files_;
    std::string path_;
    bool hasDirectory_ = false;
    std::vector<uint8_t> directory_;
    int64_t fileSize_ = 0;
    LzssExpander expander_;
    std::string error_;
};

}  // namespace vn

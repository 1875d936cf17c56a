#pragma once
// Makes .pac archives (for tests and the sample game; the converter only
// reads them). Every entry of one archive uses the archive's method.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "converter/pac/PacLayout.h"
#include "formats/io/FileSystem.h"

namespace vn {

class PacWriter {
public:
    // method: kPacMethodStored, kPacMethodLzss or kPacMethodHuffman.
    explicit PacWriter(uint32_t method = kPacMethodStored) : method_(method) {}

    // name is Shift-JIS, at most 63 bytes; false (see LastError) otherwise.
    bool Add(const char* name, std::span<const uint8_t> bytes);

    // The whole archive, or nullopt when it would pass 4 GB.
    std::optional<std::vector<uint8_t>> Build();
    bool WriteFile(FileSystem& files, const char* path);

    size_t EntryCount() const { return entries_.size(); }
    const std::string& LastError() const { return error_; }

private:
    struct Item {
        PacEntry entry;
        std::vector<uint8_t> stored;
    };
    bool Fail(std::string message);

    uint32_t method_;
    std::vector<Item> entries_;
    std::string error_;
};

}  // namespace vn

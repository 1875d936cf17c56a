#pragma once
// Writes an .mlz archive in one pass: a placeholder directory first, the
// entries' bytes appended in order, the real directory written last.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "formats/io/FileSystem.h"
#include "formats/mlz/LzssCompressor.h"

namespace vn {

class MlzWriter {
public:
    explicit MlzWriter(FileSystem& files) : files_(files) {}

    // Creates or truncates the file and writes the zeroed directory.
    bool Create(const char* path, uint32_t entryCount);
    // Appends already stored bytes and fills directory record index.
    bool Add(uint32_t index, const char* name, std::span<const uint8_t> stored,
             uint32_t expandedSize, uint32_t method);
    // Compresses the bytes for method 1 (an empty entry is stored as an
    // empty method-0 entry) and adds them.
    bool AddEntry(uint32_t index, const char* name, std::span<const uint8_t> bytes,
                  uint32_t method);
    // Writes the header and directory again and closes the file. The archive
    // is consistent only after this returns true.
    bool Finish();

    const std::string& LastError() const { return error_; }

private:
    bool Fail(std::string message);

    FileSystem& files_;
    std::unique_ptr<OutputFile> file_;
    std::vector<uint8_t> directory_;
    std::vector<bool> filled_;
    uint32_t entryCount_ = 0;
    uint64_t dataSize_ = 0;
    LzssCompressor compressor_;
    std::string error_;
};

}  // namespace vn

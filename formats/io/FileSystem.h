#pragma once
// The file operations that format readers and writers need, as an interface:
// the platform layer implements it over the real file system, tests over
// memory. Paths are Shift-JIS with backslashes, as everywhere inside.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vn {

class OutputFile {
public:
    virtual ~OutputFile() = default;
    // Each returns false when the bytes could not all be written.
    virtual bool Write(std::span<const uint8_t> bytes) = 0;
    virtual bool WriteAt(uint64_t offset, std::span<const uint8_t> bytes) = 0;
    virtual bool Close() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Size in bytes, or -1 when the file does not exist or cannot be opened.
    virtual int64_t FileSize(const char* path) = 0;
    // Reads up to dest.size() bytes at offset (opening and closing the file
    // for this read); returns the count read, or -1 when it cannot be opened.
    virtual int64_t ReadAt(const char* path, uint64_t offset, std::span<uint8_t> dest) = 0;
    // Creates or truncates a file for writing; null on failure.
    virtual std::unique_ptr<OutputFile> Create(const char* path) = 0;
    virtual bool CreateFolder(const char* path) = 0;
    virtual bool FileExists(const char* path) = 0;

    // The whole file, or false when it cannot be read completely.
    bool ReadWholeFile(const char* path, std::vector<uint8_t>& out);
};

}  // namespace vn

#pragma once
// A FileSystem held in memory: for tests, fuzzing and tools that build
// archives before writing them out. Names are compared byte for byte.

#include <map>
#include <string>
#include <vector>

#include "formats/io/FileSystem.h"

namespace vn {

class MemoryFileSystem : public FileSystem {
public:
    int64_t FileSize(const char* path) override;
    int64_t ReadAt(const char* path, uint64_t offset, std::span<uint8_t> dest) override;
    std::unique_ptr<OutputFile> Create(const char* path) override;
    bool CreateFolder(const char* path) override;
    bool FileExists(const char* path) override;

    std::vector<uint8_t>& Bytes(const std::string& path) { return files_[path]; }
    const std::map<std::string, std::vector<uint8_t>>& Files() const { return files_; }
    int readCount = 0;  // ReadAt calls, so tests can see cached reads

private:
    std::map<std::string, std::vector<uint8_t>> files_;
};

}  // namespace vn

#include "formats/io/MemoryFileSystem.h"

#include <algorithm>
#include <cstring>

namespace vn {

namespace {

class MemoryOutputFile : public OutputFile {
public:
    explicit MemoryOutputFile(std::vector<uint8_t>& target) : target_(target) {}
    bool Write(std::span<const uint8_t> bytes) override {
        target_.insert(target_.end(), bytes.begin(), bytes.end());
        return true;
    }
    bool WriteAt(uint64_t offset, std::span<const uint8_t> bytes) override {
        if (offset + bytes.size() > target_.size()) target_.resize(offset + bytes.size());
        std::copy(bytes.begin(), bytes.end(), target_.begin() + static_cast<ptrdiff_t>(offset));
        return true;
    }
    bool Close() override { return true; }

private:
    std::vector<uint8_t>& target_;
};

}  // namespace

int64_t MemoryFileSystem::FileSize(const char* path) {
    auto it = files_.find(path);
    return it == files_.end() ? -1 : static_cast<int64_t>(it->second.size());
}

int64_t MemoryFileSystem::ReadAt(const char* path, uint64_t offset, std::span<uint8_t> dest) {
    ++readCount;
    auto it = files_.find(path);
    if (it == files_.end()) return -1;
    const auto& bytes = it->second;
    if (offset >= bytes.size()) return 0;
    const size_t n = std::min<size_t>(dest.size(), bytes.size() - offset);
    std::memcpy(dest.data(), bytes.data() + offset, n);
    return static_cast<int64_t>(n);
}

std::unique_ptr<OutputFile> MemoryFileSystem::Create(const char* path) {
    auto& bytes = files_[path];
    bytes.clear();
    return std::make_unique<MemoryOutputFile>(bytes);
}

bool MemoryFileSystem::CreateFolder(const char*) { return true; }

bool MemoryFileSystem::FileExists(const char* path) { return files_.count(path) != 0; }

}  // namespace vn

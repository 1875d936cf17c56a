#pragma once
// PlatformFiles over memory, for tests and fuzzing.

#include <set>
#include <string>

#include "engine/platform/interface/PlatformFiles.h"
#include "formats/io/MemoryFileSystem.h"

namespace vn {

class MemoryPlatformFiles : public PlatformFiles {
public:
    int64_t FileSize(const char* p) override { return Gone(p) ? -1 : memory.FileSize(p); }
    int64_t ReadAt(const char* p, uint64_t o, std::span<uint8_t> d) override {
        return Gone(p) ? -1 : memory.ReadAt(p, o, d);
    }
    std::unique_ptr<OutputFile> Create(const char* p) override {
        gone_.erase(p);
        return memory.Create(p);
    }
    bool CreateFolder(const char* p) override {
        folders.insert(p);
        return memory.CreateFolder(p);
    }
    bool FileExists(const char* p) override { return !Gone(p) && memory.FileExists(p); }
    bool Replace(const char* from, const char* to) override {
        if (!FileExists(from)) return false;
        const std::vector<uint8_t> bytes = memory.Bytes(from);
        memory.Bytes(to) = bytes;
        gone_.erase(to);
        gone_.insert(from);
        return true;
    }

    std::string Text(const std::string& path) {
        const auto& b = memory.Bytes(path);
        return std::string(b.begin(), b.end());
    }
    void SetText(const std::string& path, const std::string& text) {
        gone_.erase(path);
        memory.Bytes(path).assign(text.begin(), text.end());
    }

    MemoryFileSystem memory;
    std::set<std::string> folders;

private:
    bool Gone(const char* p) const { return gone_.count(p) != 0; }
    std::set<std::string> gone_;
};

}  // namespace vn

#pragma once
// The player's files over the real file system: HostFileSystem plus an
// atomic replace (the new file is synced, then renamed over the old one).

#include "engine/platform/host/HostFileSystem.h"
#include "engine/platform/interface/PlatformFiles.h"

namespace vn {

class HostPlatformFiles : public PlatformFiles {
public:
    int64_t FileSize(const char* p) override { return host_.FileSize(p); }
    int64_t ReadAt(const char* p, uint64_t o, std::span<uint8_t> d) override { return host_.ReadAt(p, o, d); }
    std::unique_ptr<OutputFile> Create(const char* p) override { return host_.Create(p); }
    bool CreateFolder(const char* p) override { return host_.CreateFolder(p); }
    bool FileExists(const char* p) override { return host_.FileExists(p); }
    bool Replace(const char* from, const char* to) override;

private:
    HostFileSystem host_;
};

}  // namespace vn

#include "engine/platform/host/HostPlatformFiles.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace vn {

bool HostPlatformFiles::Replace(const char* from, const char* to) {
    const auto source = HostFileSystem::HostPath(from);
    const auto target = HostFileSystem::HostPath(to);
    if (!source || !target) return false;
    // The data must be on the disk before the name points at it.
    const int fd = ::open(source->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    if (!synced) return false;
    return std::rename(source->c_str(), target->c_str()) == 0;
}

}  // namespace vn

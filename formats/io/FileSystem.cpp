#include "formats/io/FileSystem.h"

namespace vn {

bool FileSystem::ReadWholeFile(const char* path, std::vector<uint8_t>& out) {
    const int64_t size = FileSize(path);
    if (size < 0) return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (ReadAt(path, 0, bytes) != size) return false;
    out = std::move(bytes);
    return true;
}

}  // namespace vn

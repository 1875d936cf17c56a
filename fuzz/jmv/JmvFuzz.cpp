// Movie files from anywhere: the parser must refuse or describe frames that
// all lie inside the file.
#include <cstdlib>
#include <string>

#include "tools/jmv/JmvFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const auto info = vn::JmvFile::Parse(std::span<const uint8_t>(data, size), &error);
    if (!info) return 0;
    for (const vn::JmvFrame& f : info->frames)
        if (uint64_t{info->dataStart} + f.offset + f.size > size) std::abort();
    return 0;
}

#include "formats/bmp/BmpReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)vn::ReadBmp(std::span<const uint8_t>(data, size));
    return 0;
}

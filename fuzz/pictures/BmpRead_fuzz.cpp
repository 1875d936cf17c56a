#include "formats/bmp/BmpReader.h"
#include "fuzz/pictures/FuzzBase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto input = vn::FuzzInput(data, size, vn::ValidBmpFile());
    (void)vn::ReadBmp(input);
    return 0;
}

#include "formats/rbp/RbpDecoder.h"
#include "fuzz/pictures/FuzzBase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto input = vn::FuzzInput(data, size, vn::ValidRbpFile());
    vn::RbpPicture picture;
    (void)vn::RbpDecode(input, size > 0 ? data[size - 1] * 0x010101u : 0, picture);
    return 0;
}

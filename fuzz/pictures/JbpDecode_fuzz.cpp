#include "formats/jbp/JbpDecoder.h"
#include "fuzz/pictures/FuzzBase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto input = vn::FuzzInput(data, size, vn::ValidJbpStream());
    vn::JbpDecoder decoder;
    (void)decoder.JbpDecode(input);
    (void)decoder.DecodeCoefficients(input);
    return 0;
}

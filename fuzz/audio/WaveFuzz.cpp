// Outside WAVE bytes through parsing, decoding and conversion to the
// target PCM, as a sound entry of the PC game goes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "converter/audio/Mp3Encoder.h"
#include "converter/audio/WaveToMp3.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the target, the rest is the file.
    const vn::Mp3Settings settings{32, data[0] & 1 ? 44100 : 22050, data[0] & 2 ? 2 : 1};
    (void)vn::WaveToPcm(std::span(data + 1, size - 1), settings);
    return 0;
}

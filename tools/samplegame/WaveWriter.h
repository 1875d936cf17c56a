#pragma once
// RIFF WAVE files as the PC game ships them: 16-bit and 8-bit PCM, IMA ADPCM
// and Microsoft ADPCM, with the chunk orders and odd chunk lengths that a
// reader must cope with.

#include <cstdint>
#include <vector>

namespace vn {

enum class WaveEncoding { Pcm16, Pcm8, ImaAdpcm, MsAdpcm };

struct WaveOptions {
    int rate = 22050;
    int channels = 1;
    WaveEncoding format = WaveEncoding::Pcm16;
    bool dataBeforeFormat = false;  // the "data" chunk ahead of "fmt "
    bool oddChunk = false;          // an extra chunk of odd length (with its pad byte)
};

class WaveWriter {
public:
    // samples: interleaved 16-bit frames.
    static std::vector<uint8_t> Encode(const std::vector<int16_t>& samples, const WaveOptions& options);
};

}  // namespace vn

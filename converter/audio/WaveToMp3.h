#pragma once
// One sound entry of the PC game: WAVE bytes in, MP3 bytes out, at the
// settings of a conversion step.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "converter/audio/Mp3Encoder.h"
#include "converter/audio/Pcm16.h"

namespace vn {

// The dialog's indices: bit rate 0-12 into 16 ... 320 kbit/s (half for
// mono), rate 0 for 22,050 Hz and 1 for 44,100 Hz.
struct AudioTarget {
    int bitrateIndex = 3;
    int rateIndex = 0;
    bool stereo = true;
};

inline constexpr int kBitrateTable[] = {16, 32, 48, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
inline constexpr uint32_t kTargetRates[] = {22050, 44100};

// None for an index outside the tables.
std::optional<Mp3Settings> TargetSettings(const AudioTarget& target);

// The WAVE's sound as 16-bit PCM at the target's rate and channels; data
// already in that form is taken unchanged. None when the WAVE is refused or
// cannot be decoded or converted.
// error (may be null) says why when there is none.
std::optional<Pcm16> WaveToPcm(std::span<const uint8_t> wave, const Mp3Settings& settings,
                               std::string* error = nullptr);

// None when the WAVE is refused, the settings are out of range or the
// encoder fails (error, which may be null, says which); the caller then
// writes an empty output.
std::optional<std::vector<uint8_t>> WaveToMp3(std::span<const uint8_t> wave,
                                              const AudioTarget& target, Mp3Encoder& encoder,
                                              std::string* error = nullptr);

}  // namespace vn

#pragma once
// Turns the data of a parsed WAVE into 16-bit PCM: 16-bit PCM is taken as it
// stands, every other format (ADPCM, µ-law, A-law, 8/24/32-bit and float
// PCM, GSM, MPEG where the library has it) is decoded by libsndfile from
// memory, and cut to the length of its "fact" chunk when that is shorter.

#include <optional>

#include "converter/audio/Pcm16.h"
#include "converter/audio/WaveFile.h"

namespace vn {

inline constexpr uint16_t kWaveMaxChannels = 8;
inline constexpr uint32_t kWaveMinRate = 1000;
inline constexpr uint32_t kWaveMaxRate = 384000;

// True when the data is 16-bit PCM that needs no decoding.
bool IsPcm16(const WaveFormat& format);

// None when the format is refused (no channels, more than 8, a rate outside
// 1 kHz to 384 kHz) or the library cannot decode it.
std::optional<Pcm16> DecodeWave(const WaveData& wave);

}  // namespace vn

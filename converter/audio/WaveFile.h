#pragma once
// The parts of a RIFF WAVE file the converter needs: its "fmt " record and
// its sample data, found by walking the chunks within the bytes given.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vn {

inline constexpr uint16_t kWaveFormatPcm = 1;
inline constexpr size_t kWaveFormatMinSize = 14;  // the format record without bits per sample
inline constexpr size_t kWaveFormatMaxSize = 1024;

struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t bytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;  // 0 when the "fmt " chunk stops before it
};

struct WaveData {
    WaveFormat format;
    std::vector<uint8_t> formatBytes;  // the "fmt " chunk as stored, at most 1 KB
    std::span<const uint8_t> data;     // points into the bytes given to ParseWave
    // The frame count of a "fact" chunk met before both chunks were found:
    // block codecs fill their last block, and this says where the sound ends.
    std::optional<uint32_t> factFrames;
};

// The first "fmt " chunk (at least 14 bytes) and the first non-empty "data"
// chunk, in either order. Refuses anything that is not RIFF/WAVE, a RIFF
// length or chunk length past the end of the bytes, a "fmt " chunk shorter
// than 14 bytes or longer than 1 KB, or a missing chunk.
std::optional<WaveData> ParseWave(std::span<const uint8_t> bytes);

}  // namespace vn

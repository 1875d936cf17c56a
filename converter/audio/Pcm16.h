#pragma once
// Interleaved signed 16-bit PCM with its rate and channel count.

#include <cstdint>
#include <vector>

namespace vn {

struct Pcm16 {
    std::vector<int16_t> samples;  // frames × channels, interleaved
    uint32_t sampleRate = 0;
    uint16_t channels = 0;

    size_t FrameCount() const { return channels ? samples.size() / channels : 0; }
};

}  // namespace vn

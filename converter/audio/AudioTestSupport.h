#pragma once
// Fixtures for the audio tests and benchmarks: WAVE files made in memory
// (16-bit PCM by hand, other formats through libsndfile) and an MP3 read
// back with libmpg123.

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include <sndfile.h>

#include "converter/audio/Pcm16.h"

namespace vn::audiotest {

// A sine tone (440 Hz left, 660 Hz right and beyond), amplitude 8000.
Pcm16 Tone(uint32_t sampleRate, uint16_t channels, double seconds);

// "RIFF" size "WAVE" followed by the chunks as given (id, body); bodies of
// odd length get their pad byte.
struct Chunk {
    std::string id;
    std::vector<uint8_t> body;
};
std::vector<uint8_t> RiffWave(const std::vector<Chunk>& chunks);

// The 16-byte "fmt " body of 16-bit PCM.
std::vector<uint8_t> Pcm16Format(uint32_t sampleRate, uint16_t channels);
std::vector<uint8_t> PcmBytes(const Pcm16& pcm);
std::vector<uint8_t> Pcm16Wave(const Pcm16& pcm);

// The tone written by libsndfile as a WAVE with the given SF_FORMAT_ subtype
// (SF_FORMAT_IMA_ADPCM, SF_FORMAT_ULAW ...) with a true "fact" count;
// empty when it cannot.
std::vector<uint8_t> EncodedWave(const Pcm16& pcm, int subtype, int major = SF_FORMAT_WAV);

struct Mp3Probe {
    bool ok = false;
    long sampleRate = 0;
    int channels = 0;
    std::set<int> bitrates;  // kbit/s of every audio frame
    size_t frames = 0;       // samples per channel after gapless trimming
    size_t mp3Frames = 0;
};
Mp3Probe ProbeMp3(std::span<const uint8_t> mp3);

}  // namespace vn::audiotest

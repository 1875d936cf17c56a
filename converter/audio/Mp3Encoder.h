#pragma once
// The MP3 encoder: LAME, loaded at run time with dlopen. When the library
// cannot be loaded (or lacks a function we call) the encoder is unavailable.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vn {

struct Mp3Settings {
    int bitrateKbps = 128;
    int sampleRate = 44100;
    int channels = 2;
};

class Mp3Encoder {
public:
    Mp3Encoder();  // loads LAME's shared library
    // Loads the named library instead; tests use it to see a missing one.
    explicit Mp3Encoder(const char* libraryName);
    ~Mp3Encoder();  // unloads it
    Mp3Encoder(const Mp3Encoder&) = delete;
    Mp3Encoder& operator=(const Mp3Encoder&) = delete;

    bool Available() const;
    std::string Version() const;  // LAME's version text; empty when unavailable

    // Interleaved PCM at the settings' rate and channel count, encoded at a
    // constant bit rate (the nearest the MPEG version of that rate allows),
    // stereo (not joint) for two channels. None when unavailable or when LAME
    // refuses the settings.
    std::optional<std::vector<uint8_t>> Encode(std::span<const int16_t> pcm,
                                               const Mp3Settings& settings);

    // The bit rate of the frames Encode writes for a requested rate: MPEG-1
    // (32-48 kHz) allows 32-320 kbit/s, MPEG-2 (16-24 kHz) 8-160, MPEG-2.5
    // (8-12 kHz) 8-64; a request between two allowed values takes the nearer,
    // the lower on a tie. 0 for a sample rate MP3 does not have.
    static int FrameBitrate(int requestedKbps, int sampleRate);

    static constexpr int kFrameSamples = 1152;  // per channel, in every block read

private:
    struct Library;
    std::unique_ptr<Library> lib_;
};

}  // namespace vn

#pragma once
// The MP3 encoder: LAME, loaded at run time. Only the conversion's worker
// thread encodes; the dialog loads it once just to learn its version.

#include <cstdint>
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
    Mp3Encoder();   // loads LAME's shared library with dlopen
    ~Mp3Encoder();  // unloads it
    Mp3Encoder(const Mp3Encoder&) = delete;
    Mp3Encoder& operator=(const Mp3Encoder&) = delete;

    bool Available() const;
    std::string Version() const;  // LAME's version text; empty when unavailable
    // 16-bit interleaved PCM in, MP3 bytes out; nullopt on failure.
    std::optional<std::vector<uint8_t>> Encode(std::span<const int16_t> pcm,
                                               const Mp3Settings& settings);

private:
    void* library_ = nullptr;
    std::string version_;
};

}  // namespace vn

#include "converter/audio/Mp3Encoder.h"

#include <dlfcn.h>
#include <lame/lame.h>  // prototypes only; every function comes from dlsym

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace vn {

namespace {

constexpr const char* kLameLibrary = "libmp3lame.so.0";

struct RateFamily {
    int minRate;
    int maxRate;
    std::array<int, 14> bitrates;  // trailing zeros unused
};

// Allowed frame bit rates of layer III per MPEG version.
constexpr RateFamily kFamilies[] = {
    {32000, 48000, {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {16000, 24000, {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
    {8000, 12000, {8, 16, 24, 32, 40, 48, 56, 64}},
};

constexpr int kValidRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

// Hands out the PCM in blocks of n bytes; the last block is filled up with
// zeros, and a read after the last byte reports the end.
class PcmReader {
public:
    explicit PcmReader(std::span<const uint8_t> pcm) : pcm_(pcm) {}
    // False at the end of input.
    bool Read(uint8_t* dest, size_t n) {
        if (position_ >= pcm_.size()) return false;
        const size_t count = std::min(n, pcm_.size() - position_);
        std::memcpy(dest, pcm_.data() + position_, count);
        std::memset(dest + count, 0, n - count);
        position_ += count;
        return true;
    }

private:
    std::span<const uint8_t> pcm_;
    size_t position_ = 0;
};

}  // namespace

struct Mp3Encoder::Library {
    void* handle = nullptr;
    decltype(&lame_init) init = nullptr;
    decltype(&lame_close) close = nullptr;
    decltype(&lame_set_num_channels) setChannels = nullptr;
    decltype(&lame_set_in_samplerate) setInRate = nullptr;
    decltype(&lame_set_out_samplerate) setOutRate = nullptr;
    decltype(&lame_set_brate) setBitrate = nullptr;
    decltype(&lame_set_mode) setMode = nullptr;
    decltype(&lame_set_VBR) setVbr = nullptr;
    decltype(&lame_set_bWriteVbrTag) setWriteTag = nullptr;
    decltype(&lame_set_write_id3tag_automatic) setId3Automatic = nullptr;
    decltype(&lame_init_params) initParams = nullptr;
    decltype(&lame_encode_buffer_interleaved) encodeInterleaved = nullptr;
    decltype(&lame_encode_buffer) encode = nullptr;
    decltype(&lame_encode_flush) flush = nullptr;
    decltype(&lame_get_lametag_frame) tagFrame = nullptr;
    decltype(&get_lame_version) version = nullptr;

    template <class F>
    bool Resolve(F& f, const char* name) {
        f = reinterpret_cast<F>(dlsym(handle, name));
        return f != nullptr;
    }

    bool ResolveAll() {
        return Resolve(init, "lame_init") && Resolve(close, "lame_close") &&
               Resolve(setChannels, "lame_set_num_channels") &&
               Resolve(setInRate, "lame_set_in_samplerate") &&
               Resolve(setOutRate, "lame_set_out_samplerate") &&
               Resolve(setBitrate, "lame_set_brate") && Resolve(setMode, "lame_set_mode") &&
               Resolve(setVbr, "lame_set_VBR") && Resolve(setWriteTag, "lame_set_bWriteVbrTag") &&
               Resolve(setId3Automatic, "lame_set_write_id3tag_automatic") &&
               Resolve(initParams, "lame_init_params") &&
               Resolve(encodeInterleaved, "lame_encode_buffer_interleaved") &&
               Resolve(encode, "lame_encode_buffer") && Resolve(flush, "lame_encode_flush") &&
               Resolve(tagFrame, "lame_get_lametag_frame") &&
               Resolve(version, "get_lame_version");
    }
};

Mp3Encoder::Mp3Encoder() : Mp3Encoder(kLameLibrary) {}

Mp3Encoder::Mp3Encoder(const char* libraryName) : lib_(std::make_unique<Library>()) {
    lib_->handle = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
    if (lib_->handle && !lib_->ResolveAll()) {
        dlclose(lib_->handle);
        lib_->handle = nullptr;
    }
}

Mp3Encoder::~Mp3Encoder() {
    if (lib_->handle) dlclose(lib_->handle);
}

bool Mp3Encoder::Available() const { return lib_->handle != nullptr; }

std::string Mp3Encoder::Version() const {
    if (!Available()) return {};
    const char* text = lib_->version();
    return text ? text : "";
}

int Mp3Encoder::FrameBitrate(int requestedKbps, int sampleRate) {
    if (std::find(std::begin(kValidRates), std::end(kValidRates), sampleRate) ==
        std::end(kValidRates)) {
        return 0;
    }
    for (const RateFamily& family : kFamilies) {
        if (sampleRate < family.minRate || sampleRate > family.maxRate) continue;
        int best = 0;
        for (int rate : family.bitrates) {
            if (rate == 0) break;
            if (best == 0 || std::abs(rate - requestedKbps) < std::abs(best - requestedKbps)) {
                best = rate;
            }
        }
        return best;
    }
    return 0;
}

std::optional<std::vector<uint8_t>> Mp3Encoder::Encode(std::span<const int16_t> pcm,
                                                       const Mp3Settings& settings) {
    if (!Available()) return std::nullopt;
    const int bitrate = FrameBitrate(settings.bitrateKbps, settings.sampleRate);
    if (bitrate == 0 || (settings.channels != 1 && settings.channels != 2)) return std::nullopt;
    const Library& l = *lib_;
    lame_global_flags* gf = l.init();
    if (!gf) return std::nullopt;
    l.setChannels(gf, settings.channels);
    l.setInRate(gf, settings.sampleRate);
    l.setOutRate(gf, settings.sampleRate);
    l.setMode(gf, settings.channels == 2 ? STEREO : MONO);
    l.setVbr(gf, vbr_off);
    l.setBitrate(gf, bitrate);
    l.setWriteTag(gf, 1);  // the Info frame carries delay and padding for gapless decoding
    l.setId3Automatic(gf, 0);
    if (l.initParams(gf) < 0) {
        l.close(gf);
        return std::nullopt;
    }

    const size_t frameBytes = kFrameSamples * settings.channels * sizeof(int16_t);
    std::vector<int16_t> block(kFrameSamples * settings.channels);
    // LAME's own bound for one call's output.
    std::vector<uint8_t> chunk(kFrameSamples * 5 / 4 + 7200);
    std::vector<uint8_t> out;
    PcmReader reader({reinterpret_cast<const uint8_t*>(pcm.data()), pcm.size_bytes()});
    bool ok = true;
    while (ok && reader.Read(reinterpret_cast<uint8_t*>(block.data()), frameBytes)) {
        const int n = settings.channels == 2
                          ? l.encodeInterleaved(gf, block.data(), kFrameSamples, chunk.data(),
                                                static_cast<int>(chunk.size()))
                          : l.encode(gf, block.data(), block.data(), kFrameSamples, chunk.data(),
                                     static_cast<int>(chunk.size()));
        ok = n >= 0;
        if (ok) out.insert(out.end(), chunk.begin(), chunk.begin() + n);
    }
    const int tail = ok ? l.flush(gf, chunk.data(), static_cast<int>(chunk.size())) : -1;
    ok = tail >= 0;
    if (ok) out.insert(out.end(), chunk.begin(), chunk.begin() + tail);
    // The first frame was left blank for the tag, which is known only now.
    const size_t tagSize = ok ? l.tagFrame(gf, chunk.data(), chunk.size()) : 0;
    if (tagSize > 0 && tagSize <= out.size() && tagSize <= chunk.size()) {
        std::memcpy(out.data(), chunk.data(), tagSize);
    }
    l.close(gf);
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace vn

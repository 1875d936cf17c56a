#include "converter/audio/PcmConverter.h"

#include <soxr.h>

#include <cmath>

namespace vn {

std::optional<Pcm16> ConvertChannels(const Pcm16& source, uint16_t channels) {
    if (channels != 1 && channels != 2) return std::nullopt;
    if (source.channels == 0) return std::nullopt;
    Pcm16 out;
    out.sampleRate = source.sampleRate;
    out.channels = channels;
    const size_t frames = source.FrameCount();
    out.samples.resize(frames * channels);
    const int16_t* in = source.samples.data();
    const uint16_t from = source.channels;
    for (size_t i = 0; i < frames; ++i, in += from) {
        if (channels == 1) {
            int32_t sum = 0;
            for (uint16_t c = 0; c < from; ++c) sum += in[c];
            // Floor division, so -1 and 0 average to -1 like 0 and 1 to 0.
            out.samples[i] = static_cast<int16_t>(
                static_cast<int32_t>(std::floor(static_cast<double>(sum) / from)));
        } else {
            out.samples[2 * i] = in[0];
            out.samples[2 * i + 1] = from == 1 ? in[0] : in[1];
        }
    }
    return out;
}

std::optional<Pcm16> ConvertRate(const Pcm16& source, uint32_t sampleRate) {
    if (source.channels == 0 || source.sampleRate == 0 || sampleRate == 0) return std::nullopt;
    const size_t frames = source.FrameCount();
    const auto outFrames = static_cast<size_t>(
        std::ceil(static_cast<double>(frames) * sampleRate / source.sampleRate));
    Pcm16 out;
    out.sampleRate = sampleRate;
    out.channels = source.channels;
    out.samples.resize(outFrames * source.channels);
    if (outFrames == 0) return out;  // the library takes no empty buffers
    const soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    size_t done = 0;
    const soxr_error_t error =
        soxr_oneshot(source.sampleRate, sampleRate, source.channels, source.samples.data(), frames,
                     nullptr, out.samples.data(), outFrames, &done, &io, &quality, nullptr);
    if (error) return std::nullopt;
    out.samples.resize(done * source.channels);
    return out;
}

std::optional<Pcm16> ConvertPcm(Pcm16 source, uint32_t sampleRate, uint16_t channels) {
    std::optional<Pcm16> pcm(std::move(source));
    if (channels < pcm->channels) pcm = ConvertChannels(*pcm, channels);
    if (pcm && pcm->sampleRate != sampleRate) pcm = ConvertRate(*pcm, sampleRate);
    if (pcm && pcm->channels != channels) pcm = ConvertChannels(*pcm, channels);
    return pcm;
}

}  // namespace vn

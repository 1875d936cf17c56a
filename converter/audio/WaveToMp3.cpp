#include "converter/audio/WaveToMp3.h"

#include <iterator>

#include "converter/audio/PcmConverter.h"
#include "converter/audio/WaveDecoder.h"
#include "converter/audio/WaveFile.h"
#include "formats/text/FormatString.h"

namespace vn {

std::optional<Mp3Settings> TargetSettings(const AudioTarget& target) {
    if (target.bitrateIndex < 0 || target.bitrateIndex >= static_cast<int>(std::size(kBitrateTable)))
        return std::nullopt;
    if (target.rateIndex < 0 || target.rateIndex >= static_cast<int>(std::size(kTargetRates)))
        return std::nullopt;
    Mp3Settings s;
    s.channels = target.stereo ? 2 : 1;
    s.bitrateKbps = kBitrateTable[target.bitrateIndex] / (target.stereo ? 1 : 2);
    s.sampleRate = static_cast<int>(kTargetRates[target.rateIndex]);
    return s;
}

namespace {

template <class T>
std::optional<T> Fail(std::string* error, std::string why) {
    if (error) *error = std::move(why);
    return std::nullopt;
}

}  // namespace

std::optional<Pcm16> WaveToPcm(std::span<const uint8_t> bytes, const Mp3Settings& settings,
                               std::string* error) {
    const std::optional<WaveData> wave = ParseWave(bytes);
    if (!wave) return Fail<Pcm16>(error, "not a RIFF WAVE with usable \"fmt \" and \"data\" chunks");
    std::optional<Pcm16> pcm = DecodeWave(*wave);
    if (!pcm) {
        return Fail<Pcm16>(error, FormatString("WAVE format %d (%d channels, %d Hz, %d bits) not decoded",
                                               {wave->format.formatTag, wave->format.channels,
                                                static_cast<int>(wave->format.sampleRate),
                                                wave->format.bitsPerSample}));
    }
    const auto rate = static_cast<uint32_t>(settings.sampleRate);
    const auto channels = static_cast<uint16_t>(settings.channels);
    if (pcm->sampleRate == rate && pcm->channels == channels) return pcm;
    pcm = ConvertPcm(std::move(*pcm), rate, channels);
    if (!pcm) return Fail<Pcm16>(error, "sample rate conversion failed");
    return pcm;
}

std::optional<std::vector<uint8_t>> WaveToMp3(std::span<const uint8_t> wave,
                                              const AudioTarget& target, Mp3Encoder& encoder,
                                              std::string* error) {
    using Mp3 = std::vector<uint8_t>;
    const std::optional<Mp3Settings> settings = TargetSettings(target);
    if (!settings) return Fail<Mp3>(error, "bit rate or sample rate index out of range");
    if (!encoder.Available()) return Fail<Mp3>(error, "the MP3 encoder (LAME) is not available");
    const std::optional<Pcm16> pcm = WaveToPcm(wave, *settings, error);
    if (!pcm) return std::nullopt;
    auto mp3 = encoder.Encode(pcm->samples, *settings);
    if (!mp3) return Fail<Mp3>(error, "the MP3 encoder refused the settings");
    return mp3;
}

}  // namespace vn

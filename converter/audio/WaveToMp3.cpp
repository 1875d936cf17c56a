#include "converter/audio/WaveToMp3.h"

#include <iterator>

#include "converter/audio/PcmConverter.h"
#include "converter/audio/WaveDecoder.h"
#include "converter/audio/WaveFile.h"

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

std::optional<Pcm16> WaveToPcm(std::span<const uint8_t> bytes, const Mp3Settings& settings) {
    const std::optional<WaveData> wave = ParseWave(bytes);
    if (!wave) return std::nullopt;
    std::optional<Pcm16> pcm = DecodeWave(*wave);
    if (!pcm) return std::nullopt;
    const auto rate = static_cast<uint32_t>(settings.sampleRate);
    const auto channels = static_cast<uint16_t>(settings.channels);
    if (pcm->sampleRate == rate && pcm->channels == channels) return pcm;
    return ConvertPcm(std::move(*pcm), rate, channels);
}

std::optional<std::vector<uint8_t>> WaveToMp3(std::span<const uint8_t> wave,
                                              const AudioTarget& target, Mp3Encoder& encoder) {
    const std::optional<Mp3Settings> settings = TargetSettings(target);
    if (!settings) return std::nullopt;
    const std::optional<Pcm16> pcm = WaveToPcm(wave, *settings);
    if (!pcm) return std::nullopt;
    return encoder.Encode(pcm->samples, *settings);
}

}  // namespace vn

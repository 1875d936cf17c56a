// MP3 encoding speed in × real time for music (44.1 kHz stereo, 128 kbit/s)
// and voices (22.05 kHz mono, 32 kbit/s), next to the lame command line on
// the same input in the same run; and, for a whole entry conversion from
// ADPCM, the share of time spent decoding and resampling.
#include <benchmark/benchmark.h>
#include <sndfile.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "converter/audio/AudioTestSupport.h"
#include "converter/audio/Mp3Encoder.h"
#include "converter/audio/PcmConverter.h"
#include "converter/audio/WaveDecoder.h"
#include "converter/audio/WaveFile.h"
#include "converter/audio/WaveToMp3.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kSeconds = 10.0;

// Music-like: a chord with a slow swell and some noise, so the encoder has
// more than one sine to work on.
vn::Pcm16 Music(uint32_t rate, uint16_t channels) {
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, 600);
    vn::Pcm16 pcm;
    pcm.sampleRate = rate;
    pcm.channels = channels;
    const auto frames = static_cast<size_t>(kSeconds * rate);
    pcm.samples.resize(frames * channels);
    const double notes[] = {220.0, 277.2, 329.6, 440.0, 554.4};
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        for (uint16_t c = 0; c < channels; ++c) {
            double v = 0;
            for (double hz : notes) v += std::sin(2 * M_PI * hz * (1 + 0.002 * c) * t);
            v *= 3000 * (0.6 + 0.4 * std::sin(2 * M_PI * 0.3 * t));
            pcm.samples[i * channels + c] = static_cast<int16_t>(std::clamp(v + noise(rng), -32768.0, 32767.0));
        }
    }
    return pcm;
}

std::string WriteTemp(const std::vector<uint8_t>& bytes) {
    char path[] = "/tmp/vn_audio_benchXXXXXX";
    const int fd = mkstemp(path);
    if (fd >= 0) {
        if (write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) path[0] = 0;
        close(fd);
    }
    return path;
}

// One run of the lame command line with the same settings; false if it fails.
bool RunLameCli(const std::string& in, const std::string& out, int kbps, bool mono) {
    const std::string rate = std::to_string(kbps);
    std::vector<const char*> args = {"lame", "--quiet", "--noreplaygain", "--cbr", "-b", rate.c_str(),
                                     "-m", mono ? "m" : "s", in.c_str(), out.c_str(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "lame", nullptr, nullptr, const_cast<char* const*>(args.data()), environ) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Ours and the command line on the same PCM, alternating in each iteration.
void EncodeAgainstCli(benchmark::State& state, uint32_t rate, uint16_t channels, int kbps) {
    const vn::Pcm16 pcm = Music(rate, channels);
    const std::string wav = WriteTemp(vn::audiotest::Pcm16Wave(pcm));
    const std::string mp3 = wav + ".mp3";
    vn::Mp3Encoder encoder;
    double ours = 0, cli = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        auto out = encoder.Encode(pcm.samples, {kbps, static_cast<int>(rate), channels});
        ours += Since(start);
        if (!out) state.SkipWithError("encoding failed");
        benchmark::DoNotOptimize(out);
        start = Clock::now();
        if (!RunLameCli(wav, mp3, kbps, channels == 1)) state.SkipWithError("lame command failed");
        cli += Since(start);
    }
    std::remove(wav.c_str());
    std::remove(mp3.c_str());
    const double audio = kSeconds * static_cast<double>(state.iterations());
    state.counters["ours_xRT"] = audio / ours;
    state.counters["lame_cli_xRT"] = audio / cli;
    state.counters["ours_vs_cli"] = cli / ours;  // > 1: ours is faster
}

// A whole entry as the job converts it: WAVE parse and ADPCM decode,
// resampling, encoding; the share of each.
void EntryShares(benchmark::State& state, uint32_t sourceRate, uint16_t channels,
                 const vn::AudioTarget& target) {
    const auto wave = vn::audiotest::EncodedWave(Music(sourceRate, channels), SF_FORMAT_IMA_ADPCM);
    const vn::Mp3Settings settings = *vn::TargetSettings(target);
    vn::Mp3Encoder encoder;
    double decode = 0, convert = 0, encode = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        auto pcm = vn::DecodeWave(*vn::ParseWave(wave));
        decode += Since(start);
        start = Clock::now();
        auto converted = vn::ConvertPcm(std::move(*pcm), settings.sampleRate,
                                        static_cast<uint16_t>(settings.channels));
        convert += Since(start);
        start = Clock::now();
        auto mp3 = encoder.Encode(converted->samples, settings);
        encode += Since(start);
        benchmark::DoNotOptimize(mp3);
    }
    const double all = decode + convert + encode;
    state.counters["decode_share"] = decode / all;
    state.counters["resample_share"] = convert / all;
    state.counters["encode_share"] = encode / all;
    state.counters["entry_xRT"] = kSeconds * static_cast<double>(state.iterations()) / all;
}

void BM_MusicEncode128(benchmark::State& s) { EncodeAgainstCli(s, 44100, 2, 128); }
void BM_VoiceEncode32(benchmark::State& s) { EncodeAgainstCli(s, 22050, 1, 32); }
// The dialog's defaults: music 64/32 at 22.05 kHz stereo, voices 32 kbit/s mono.
void BM_MusicEntryFromAdpcm44k(benchmark::State& s) { EntryShares(s, 44100, 2, {3, 0, true}); }
void BM_VoiceEntryFromAdpcm44k(benchmark::State& s) { EntryShares(s, 44100, 1, {3, 0, false}); }

BENCHMARK(BM_MusicEncode128)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VoiceEncode32)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MusicEntryFromAdpcm44k)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VoiceEntryFromAdpcm44k)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

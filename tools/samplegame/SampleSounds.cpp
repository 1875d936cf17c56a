#include "tools/samplegame/SampleSounds.h"

#include <algorithm>
#include <cstdio>

#include "tools/samplegame/SampleCast.h"
#include "tools/samplegame/Synth.h"
#include "tools/samplegame/WaveWriter.h"

namespace vn {
namespace {

// The WAVE forms a PC game mixes, cycled over the files of each archive.
constexpr WaveOptions kForms[] = {
    {44100, 2, WaveEncoding::Pcm16, false, false},
    {22050, 1, WaveEncoding::Pcm16, false, false},
    {22050, 1, WaveEncoding::Pcm8, false, false},
    {44100, 2, WaveEncoding::ImaAdpcm, false, false},
    {22050, 1, WaveEncoding::MsAdpcm, false, false},
    {22050, 2, WaveEncoding::Pcm16, true, false},   // "data" before "fmt "
    {22050, 1, WaveEncoding::ImaAdpcm, false, true},  // with an odd-length chunk
    {11025, 1, WaveEncoding::Pcm8, false, false},
};

std::vector<uint8_t> Encode(const WaveOptions& form, const std::vector<int16_t>& samples) {
    return WaveWriter::Encode(samples, form);
}

const std::vector<MusicTrack> kTracks = {
    {"bgm01.wav", "光る森のテーマ"}, {"bgm02.wav", "春の門"},       {"bgm03.wav", "森の奥へ"},
    {"bgm04.wav", "湖のほとり"},     {"bgm05.wav", "番人"},         {"bgm06.wav", "また明日"},
    {"bgm07.wav", "届かない声"},     {"bgm08.wav", "放課後"},       {"bgm09.wav", "花びらの道"},
    {"bgm10.wav", "月の影"},         {"bgm11.wav", "ささやき"},     {"bgm12.wav", "木漏れ日"},
    {"bgm13.wav", "夜の森"},         {"bgm14.wav", "ふたりの約束"}, {"bgm15.wav", "光の記憶"},
    {"bgm16.wav", "エンディング"},
};

constexpr int kVoiceNumbers[] = {1, 2, 7, 10, 11, 12, 17, 18, 19, 21, 22};

}  // namespace

const std::vector<MusicTrack>& SampleSounds::Tracks() { return kTracks; }

std::vector<std::string> SampleSounds::TrackTitles() {
    std::vector<std::string> titles;
    for (const MusicTrack& t : kTracks) titles.push_back(t.title);
    return titles;
}

SampleArchive SampleSounds::Music(uint32_t method) {
    SampleArchive a{"BGM.pac", method, {}};
    for (size_t i = 0; i < kTracks.size(); ++i) {
        const WaveOptions& form = kForms[i % std::size(kForms)];
        const Synth synth(form.rate, form.channels);
        a.Add(kTracks[i].file, Encode(form, synth.Music(static_cast<uint32_t>(i), static_cast<int>(i % 4),
                                                        90 + static_cast<int>(i % 5) * 12, 6.0)));
    }
    const Synth title(22050, 2);
    a.Add("オープニング.wav", Encode(kForms[5], title.Music(100, 0, 100, 8.0)));
    a.Add("EyeCatch1.wav", Encode(kForms[1], Synth(22050, 1).Music(101, 0, 140, 3.0)));
    return a;
}

SampleArchive SampleSounds::Effects(uint32_t method) {
    struct Row {
        const char* name;
        EffectKind kind;
        double seconds;
    };
    const Row rows[] = {{"se01.wav", EffectKind::Chime, 1.2}, {"se02.wav", EffectKind::Knock, 1.2},
                        {"se03.wav", EffectKind::Wind, 3.0},  {"se04.wav", EffectKind::Rain, 3.0},
                        {"se05.wav", EffectKind::Bell, 2.0},  {"se06.wav", EffectKind::Whoosh, 1.0},
                        {"se07.wav", EffectKind::Heart, 1.6}};
    SampleArchive a{"SE.pac", method, {}};
    for (size_t i = 0; i < std::size(rows); ++i) {
        const WaveOptions& form = kForms[(i + 1) % std::size(kForms)];
        a.Add(rows[i].name, Encode(form, Synth(form.rate, form.channels).Effect(rows[i].kind, rows[i].seconds)));
    }
    return a;
}

SampleArchive SampleSounds::SystemVoices(uint32_t method) {
    SampleArchive a{"SystemVoice.pac", method, {}};
    for (size_t c = 0; c < kCast.size(); ++c) {
        for (int n : kVoiceNumbers) {
            const WaveOptions& form = kForms[(c + n) % 2 ? 6 : 1];
            char name[32];
            std::snprintf(name, sizeof name, "%s%02d.wav", kCast[c].key, n);
            const Synth synth(form.rate, form.channels);
            a.Add(name, Encode(form, synth.Voice(static_cast<uint32_t>(c * 100 + n), kCast[c].voicePitch, 0.8)));
        }
    }
    a.Add("all_lucent.wav", Encode(kForms[1], Synth(22050, 1).Voice(7777, 280, 1.5)));
    return a;
}

SampleArchive SampleSounds::Voices(uint32_t method, const std::set<int>& numbers) {
    SampleArchive a{"Voice.pac", method, {}};
    for (int n : numbers) {
        const int who = std::clamp(n / 100, 1, 12) - 1;
        const WaveOptions& form = kForms[n % 3 == 0 ? 4 : 1];
        char name[16];
        std::snprintf(name, sizeof name, "%04d.wav", n);
        const Synth synth(form.rate, form.channels);
        a.Add(name, Encode(form, synth.Voice(static_cast<uint32_t>(n), kCast[who].voicePitch, 1.6 + (n % 5) * 0.2)));
    }
    return a;
}

std::vector<int16_t> SampleSounds::OpeningTrack(double seconds) {
    return Synth(44100, 2).Music(200, 1, 96, seconds);
}

}  // namespace vn

#include "converter/audio/WaveToMp3.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include "converter/audio/AudioTestSupport.h"

namespace vn {
namespace {

TEST(TargetSettings, FollowsTheBitRateTableHalvedForMono) {
    struct Case {
        AudioTarget target;
        int kbps, rate, channels;
    };
    const Case cases[] = {
        {{3, 0, true}, 64, 22050, 2},   {{3, 0, false}, 32, 22050, 1},
        {{0, 1, true}, 16, 44100, 2},   {{0, 0, false}, 8, 22050, 1},
        {{12, 1, true}, 320, 44100, 2}, {{12, 1, false}, 160, 44100, 1},
        {{7, 1, true}, 128, 44100, 2},
    };
    for (const Case& c : cases) {
        const auto s = TargetSettings(c.target);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->bitrateKbps, c.kbps);
        EXPECT_EQ(s->sampleRate, c.rate);
        EXPECT_EQ(s->channels, c.channels);
    }
    for (AudioTarget bad : {AudioTarget{-1, 0, true}, AudioTarget{13, 0, true},
                            AudioTarget{3, 2, true}, AudioTarget{3, -1, false}}) {
        EXPECT_FALSE(TargetSettings(bad));
    }
}

TEST(WaveToPcm, PassesTargetFormatDataUnchanged) {
    const Pcm16 voice = audiotest::Tone(22050, 1, 0.3);
    const auto pcm = WaveToPcm(audiotest::Pcm16Wave(voice), *TargetSettings({3, 0, false}));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples, voice.samples);
}

TEST(WaveToPcm, ConvertsStereoMusicToMonoAtTheLowerRate) {
    const Pcm16 se = audiotest::Tone(44100, 2, 0.3);
    const auto pcm = WaveToPcm(audiotest::Pcm16Wave(se), *TargetSettings({3, 0, false}));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->sampleRate, 22050u);
    EXPECT_EQ(pcm->channels, 1);
    EXPECT_NEAR(static_cast<double>(pcm->FrameCount()), se.FrameCount() / 2.0, 2);
}

struct EndToEnd {
    const char* what;
    Pcm16 source;
    int subtype;  // 0: 16-bit PCM written by hand
    AudioTarget target;
    long rate;
    int channels;
    int kbps;
    bool infoTag;  // see Mp3Encoder_test
};

TEST(WaveToMp3, EveryOutputDecodesToItsSettings) {
    const EndToEnd cases[] = {
        {"music index 3 stereo", audiotest::Tone(22050, 2, 0.6), 0, {3, 0, true}, 22050, 2, 64, true},
        {"music index 3 mono", audiotest::Tone(22050, 2, 0.6), 0, {3, 0, false}, 22050, 1, 32, false},
        {"voice passed as it is", audiotest::Tone(22050, 1, 0.6), 0, {3, 0, false}, 22050, 1, 32, false},
        {"44.1 kHz stereo effect to 22.05 kHz mono", audiotest::Tone(44100, 2, 0.6), 0, {3, 0, false},
         22050, 1, 32, false},
        {"ADPCM music at 44.1 kHz", audiotest::Tone(44100, 2, 0.6), SF_FORMAT_IMA_ADPCM, {7, 1, true},
         44100, 2, 128, true},
        {"MS ADPCM voice up to 44.1 kHz", audiotest::Tone(22050, 1, 0.6), SF_FORMAT_MS_ADPCM,
         {7, 1, false}, 44100, 1, 64, true},
        {"mono source to stereo", audiotest::Tone(22050, 1, 0.6), 0, {5, 0, true}, 22050, 2, 96, true},
    };
    Mp3Encoder encoder;
    for (const EndToEnd& c : cases) {
        SCOPED_TRACE(c.what);
        const auto wave = c.subtype ? audiotest::EncodedWave(c.source, c.subtype)
                                    : audiotest::Pcm16Wave(c.source);
        const auto mp3 = WaveToMp3(wave, c.target, encoder);
        ASSERT_TRUE(mp3);
        const auto probe = audiotest::ProbeMp3(*mp3);
        ASSERT_TRUE(probe.ok);
        EXPECT_EQ(probe.sampleRate, c.rate);
        EXPECT_EQ(probe.channels, c.channels);
        EXPECT_EQ(probe.bitrates, std::set<int>{c.kbps});
        const double input = static_cast<double>(c.source.FrameCount()) * c.rate / c.source.sampleRate;
        const double delay = c.infoTag ? 0 : Mp3Encoder::kFrameSamples;
        EXPECT_NEAR(static_cast<double>(probe.frames), input + delay, Mp3Encoder::kFrameSamples);
    }
}

TEST(WaveToMp3, RefusedInputGivesNoOutputAndSaysWhy) {
    Mp3Encoder encoder;
    Mp3Encoder missing("libmp3lame-missing.so.9");
    const auto good = audiotest::Pcm16Wave(audiotest::Tone(22050, 1, 0.1));
    auto notWave = good;
    notWave[8] = 'X';
    auto unknownTag = good;
    unknownTag[20] = 0x34;
    struct Case {
        std::vector<uint8_t> wave;
        AudioTarget target;
        Mp3Encoder* encoder;
        const char* reason;
    };
    const Case cases[] = {
        {notWave, {3, 0, false}, &encoder, "not a RIFF WAVE"},
        {{}, {3, 0, false}, &encoder, "not a RIFF WAVE"},
        {unknownTag, {3, 0, false}, &encoder, "WAVE format 52 (1 channels, 22050 Hz, 16 bits) not decoded"},
        {good, {13, 0, false}, &encoder, "index out of range"},
        {good, {3, 0, false}, &missing, "not available"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(WaveToMp3(c.wave, c.target, *c.encoder, &error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
    EXPECT_TRUE(WaveToMp3(good, {3, 0, false}, encoder));
}

}  // namespace
}  // namespace vn

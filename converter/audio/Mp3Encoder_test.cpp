#include "converter/audio/Mp3Encoder.h"

#include <gtest/gtest.h>

#include "converter/audio/AudioTestSupport.h"

namespace vn {
namespace {

TEST(Mp3Encoder, LoadsLameAndNamesItsVersion) {
    Mp3Encoder encoder;
    ASSERT_TRUE(encoder.Available());
    const std::string version = encoder.Version();
    ASSERT_FALSE(version.empty());
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(version[0]))) << version;
}

TEST(Mp3Encoder, MissingLibraryMakesItUnavailable) {
    Mp3Encoder encoder("libmp3lame-missing.so.9");
    EXPECT_FALSE(encoder.Available());
    EXPECT_EQ(encoder.Version(), "");
    const std::vector<int16_t> pcm(4608);
    EXPECT_FALSE(encoder.Encode(pcm, {64, 22050, 2}));
}

TEST(Mp3Encoder, FrameBitrateIsTheNearestTheRateAllows) {
    struct Case {
        int requested, rate, expected;
    };
    const Case cases[] = {
        {64, 22050, 64},  {32, 22050, 32},   {8, 22050, 8},     {160, 22050, 160},
        {192, 22050, 160}, {320, 22050, 160}, {128, 44100, 128}, {320, 44100, 320},
        {16, 44100, 32},   {8, 44100, 32},    {144, 44100, 128}, {150, 44100, 160},
        {80, 11025, 64},   {64, 12345, 0},    {64, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Mp3Encoder::FrameBitrate(c.requested, c.rate), c.expected)
            << c.requested << " kbit/s at " << c.rate << " Hz";
    }
}

struct EncodeCase {
    Mp3Settings settings;
    int frameBitrate;
    // Whether a frame is large enough for LAME's Info tag, which tells the
    // decoder the encoder's delay and padding. Without it the decoder also
    // plays LAME's start delay and end flush, together at most 1152 samples.
    bool infoTag;
};

// Every setting comes back out of the decoder: rate, channels, the bit rate
// of every frame, and the length within one frame of the input's.
TEST(Mp3Encoder, EncodesAtTheRequestedSettings) {
    const EncodeCase cases[] = {
        {{64, 22050, 2}, 64, true},   {{32, 22050, 1}, 32, false}, {{48, 22050, 1}, 48, false}, {{64, 22050, 1}, 64, true},
        {{128, 44100, 2}, 128, true}, {{8, 22050, 1}, 8, false},   {{16, 44100, 2}, 32, false},
        {{320, 44100, 2}, 320, true}, {{160, 22050, 2}, 160, true},
    };
    for (const EncodeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.settings.bitrateKbps << " kbit/s "
                                        << c.settings.sampleRate << " Hz "
                                        << c.settings.channels << " ch");
        const Pcm16 tone = audiotest::Tone(c.settings.sampleRate, c.settings.channels, 0.7);
        Mp3Encoder encoder;
        const auto mp3 = encoder.Encode(tone.samples, c.settings);
        ASSERT_TRUE(mp3);
        const auto probe = audiotest::ProbeMp3(*mp3);
        ASSERT_TRUE(probe.ok);
        EXPECT_EQ(probe.sampleRate, c.settings.sampleRate);
        EXPECT_EQ(probe.channels, c.settings.channels);
        EXPECT_EQ(probe.bitrates, std::set<int>{c.frameBitrate});
        const double delay = c.infoTag ? 0 : Mp3Encoder::kFrameSamples;
        EXPECT_NEAR(static_cast<double>(probe.frames), tone.FrameCount() + delay,
                    Mp3Encoder::kFrameSamples);
    }
}

// The output may be larger than half the PCM (a low rate at a high bit
// rate); it grows instead of being cut.
TEST(Mp3Encoder, OutputLargerThanHalfThePcmIsKept) {
    const Pcm16 tone = audiotest::Tone(8000, 1, 2.0);
    Mp3Encoder encoder;
    const auto mp3 = encoder.Encode(tone.samples, {64, 8000, 1});
    ASSERT_TRUE(mp3);
    EXPECT_GT(mp3->size(), tone.samples.size());  // more than half the PCM bytes
    const auto probe = audiotest::ProbeMp3(*mp3);
    ASSERT_TRUE(probe.ok);
    EXPECT_NEAR(static_cast<double>(probe.frames), 16000.0, Mp3Encoder::kFrameSamples);
}

TEST(Mp3Encoder, RefusesSettingsMp3DoesNotHave) {
    const std::vector<int16_t> pcm(4608);
    Mp3Encoder encoder;
    EXPECT_FALSE(encoder.Encode(pcm, {64, 12345, 2}));
    EXPECT_FALSE(encoder.Encode(pcm, {64, 22050, 3}));
}

TEST(Mp3Encoder, ShortAndEmptyInputGiveAValidStream) {
    Mp3Encoder encoder;
    for (size_t frames : {0u, 1u, 1151u, 1153u}) {
        SCOPED_TRACE(frames);
        const std::vector<int16_t> pcm(frames * 2, 1000);
        const auto mp3 = encoder.Encode(pcm, {64, 22050, 2});
        ASSERT_TRUE(mp3);
        const auto probe = audiotest::ProbeMp3(*mp3);
        EXPECT_NEAR(static_cast<double>(probe.frames), static_cast<double>(frames),
                    Mp3Encoder::kFrameSamples);
    }
}

}  // namespace
}  // namespace vn

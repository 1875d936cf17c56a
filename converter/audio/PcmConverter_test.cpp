#include "converter/audio/PcmConverter.h"

#include <gtest/gtest.h>

#include <cmath>

#include "converter/audio/AudioTestSupport.h"

namespace vn {
namespace {

Pcm16 Make(uint32_t rate, uint16_t channels, std::vector<int16_t> samples) {
    Pcm16 p;
    p.sampleRate = rate;
    p.channels = channels;
    p.samples = std::move(samples);
    return p;
}

struct ChannelCase {
    const char* what;
    uint16_t from;
    std::vector<int16_t> in;
    uint16_t to;
    std::vector<int16_t> out;
};

TEST(ConvertChannels, AveragesToMonoAndCopiesToStereo) {
    const ChannelCase cases[] = {
        {"stereo to mono", 2, {100, 201, -1, 0, 32767, 32767, -32768, -32768}, 1, {150, -1, 32767, -32768}},
        {"three to mono", 3, {3, 4, 6, -3, -3, -4}, 1, {4, -4}},
        {"mono to stereo", 1, {5, -7}, 2, {5, 5, -7, -7}},
        {"six to stereo keeps the front pair", 6, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 2, {1, 2, 7, 8}},
        {"stereo stays", 2, {1, 2, 3, 4}, 2, {1, 2, 3, 4}},
    };
    for (const ChannelCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto out = ConvertChannels(Make(22050, c.from, c.in), c.to);
        ASSERT_TRUE(out);
        EXPECT_EQ(out->channels, c.to);
        EXPECT_EQ(out->sampleRate, 22050u);
        EXPECT_EQ(out->samples, c.out);
    }
    EXPECT_FALSE(ConvertChannels(Make(22050, 2, {1, 2}), 3));
}

// Energy of a tone survives resampling, and the length scales with the rate.
TEST(ConvertRate, HalvesAndDoublesTheRate) {
    const Pcm16 tone = audiotest::Tone(44100, 2, 0.5);
    const auto half = ConvertRate(tone, 22050);
    ASSERT_TRUE(half);
    EXPECT_EQ(half->channels, 2);
    EXPECT_EQ(half->sampleRate, 22050u);
    EXPECT_NEAR(static_cast<double>(half->FrameCount()), tone.FrameCount() / 2.0, 2);
    const auto back = ConvertRate(*half, 44100);
    ASSERT_TRUE(back);
    EXPECT_NEAR(static_cast<double>(back->FrameCount()), tone.FrameCount(), 4);
    // The tone, away from the edges, comes back within a small error.
    double error = 0, signal = 0;
    for (size_t i = 2000; i < tone.samples.size() - 2000; ++i) {
        const double d = back->samples[i] - tone.samples[i];
        error += d * d;
        signal += static_cast<double>(tone.samples[i]) * tone.samples[i];
    }
    EXPECT_LT(error / signal, 1e-3);
}

TEST(ConvertRate, EmptyInputGivesEmptyOutput) {
    for (const Pcm16& empty : {Make(44100, 2, {}), Make(44100, 2, {7})}) {
        const auto out = ConvertRate(empty, 22050);
        ASSERT_TRUE(out);
        EXPECT_EQ(out->sampleRate, 22050u);
        EXPECT_TRUE(out->samples.empty());
    }
}

TEST(ConvertPcm, ChangesRateAndChannelsTogether) {
    const auto mono = ConvertPcm(audiotest::Tone(44100, 2, 0.25), 22050, 1);
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->channels, 1);
    EXPECT_EQ(mono->sampleRate, 22050u);
    EXPECT_NEAR(static_cast<double>(mono->FrameCount()), 22050 * 0.25, 2);
    const auto stereo = ConvertPcm(audiotest::Tone(22050, 1, 0.25), 44100, 2);
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->sampleRate, 44100u);
    for (size_t i = 0; i < stereo->samples.size(); i += 2) {
        ASSERT_EQ(stereo->samples[i], stereo->samples[i + 1]);
    }
}

}  // namespace
}  // namespace vn

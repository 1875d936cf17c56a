#include "converter/audio/WaveDecoder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include "converter/audio/AudioTestSupport.h"
#include "converter/audio/Mp3Encoder.h"
#include "formats/io/RecordFields.h"

namespace vn {
namespace {

TEST(DecodeWave, TakesSixteenBitPcmAsItStands) {
    const Pcm16 tone = audiotest::Tone(22050, 2, 0.1);
    auto bytes = audiotest::Pcm16Wave(tone);
    bytes.push_back(0x55);  // a partial frame at the end of "data" is dropped
    PutU32(bytes.data() + 4, GetU32(bytes.data() + 4) + 1);
    PutU32(bytes.data() + 40, GetU32(bytes.data() + 40) + 1);
    bytes.push_back(0);
    PutU32(bytes.data() + 4, GetU32(bytes.data() + 4) + 1);
    const auto wave = ParseWave(bytes);
    ASSERT_TRUE(wave);
    ASSERT_TRUE(IsPcm16(wave->format));
    const auto pcm = DecodeWave(*wave);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples, tone.samples);
    EXPECT_EQ(pcm->sampleRate, 22050u);
    EXPECT_EQ(pcm->channels, 2);
}

struct Codec {
    const char* what;
    int major;
    int subtype;
    uint16_t formatTag;
    uint16_t channels;
    double maxError;  // relative error energy the codec may add
};

// Every codec the PC game may use, written by libsndfile and read back by
// ours: the format tag is what the file says, the sound is the tone.
TEST(DecodeWave, DecodesTheOtherFormats) {
    const Codec codecs[] = {
        {"IMA ADPCM", SF_FORMAT_WAV, SF_FORMAT_IMA_ADPCM, 0x11, 2, 0.05},
        {"MS ADPCM", SF_FORMAT_WAV, SF_FORMAT_MS_ADPCM, 0x02, 2, 0.05},
        {"mu-law", SF_FORMAT_WAV, SF_FORMAT_ULAW, 0x07, 1, 0.01},
        {"A-law", SF_FORMAT_WAV, SF_FORMAT_ALAW, 0x06, 1, 0.01},
        {"8-bit", SF_FORMAT_WAV, SF_FORMAT_PCM_U8, 0x01, 2, 0.01},
        {"24-bit", SF_FORMAT_WAV, SF_FORMAT_PCM_24, 0x01, 2, 1e-6},
        {"32-bit", SF_FORMAT_WAV, SF_FORMAT_PCM_32, 0x01, 1, 1e-6},
        {"float", SF_FORMAT_WAV, SF_FORMAT_FLOAT, 0x03, 2, 1e-6},
        {"GSM 6.10", SF_FORMAT_WAV, SF_FORMAT_GSM610, 0x31, 1, 0.5},
        {"extensible 16-bit", SF_FORMAT_WAVEX, SF_FORMAT_PCM_16, 0xFFFE, 2, 0},
        {"extensible float", SF_FORMAT_WAVEX, SF_FORMAT_FLOAT, 0xFFFE, 2, 1e-6},
    };
    for (const Codec& c : codecs) {
        SCOPED_TRACE(c.what);
        const Pcm16 tone = audiotest::Tone(22050, c.channels, 0.2);
        const auto bytes = audiotest::EncodedWave(tone, c.subtype, c.major);
        ASSERT_FALSE(bytes.empty());
        const auto wave = ParseWave(bytes);
        ASSERT_TRUE(wave);
        EXPECT_EQ(wave->format.formatTag, c.formatTag);
        const auto pcm = DecodeWave(*wave);
        ASSERT_TRUE(pcm);
        EXPECT_EQ(pcm->channels, c.channels);
        EXPECT_EQ(pcm->sampleRate, 22050u);
        // Block codecs fill their last block; the "fact" chunk cuts it.
        ASSERT_EQ(pcm->FrameCount(), tone.FrameCount());
        double error = 0, signal = 0;
        for (size_t i = 0; i < tone.samples.size(); ++i) {
            const double d = pcm->samples[i] - tone.samples[i];
            error += d * d;
            signal += static_cast<double>(tone.samples[i]) * tone.samples[i];
        }
        EXPECT_LE(error / signal, c.maxError);
    }
}

// MPEG layer III in WAVE (tag 0x55), which libsndfile decodes through libmpg123.
TEST(DecodeWave, DecodesMpegInWave) {
    const Pcm16 tone = audiotest::Tone(22050, 1, 0.5);
    Mp3Encoder encoder;
    const auto mp3 = encoder.Encode(tone.samples, {64, 22050, 1});
    ASSERT_TRUE(mp3);
    std::vector<uint8_t> fmt(30);  // MPEGLAYER3WAVEFORMAT
    PutU16(&fmt[0], 0x55);
    PutU16(&fmt[2], 1);
    PutU32(&fmt[4], 22050);
    PutU32(&fmt[8], 8000);
    PutU16(&fmt[12], 1);
    PutU16(&fmt[16], 12);
    PutU16(&fmt[18], 1);
    PutU32(&fmt[20], 2);
    PutU16(&fmt[24], 209);
    PutU16(&fmt[26], 1);
    const auto bytes = audiotest::RiffWave({{"fmt ", fmt}, {"data", *mp3}});
    const auto pcm = DecodeWave(*ParseWave(bytes));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->sampleRate, 22050u);
    EXPECT_EQ(pcm->channels, 1);
    EXPECT_NEAR(static_cast<double>(pcm->FrameCount()), tone.FrameCount(), Mp3Encoder::kFrameSamples);
}

TEST(DecodeWave, FactCountCutsOnlyTheFilledBlock) {
    const Pcm16 tone = audiotest::Tone(22050, 1, 0.2);
    auto bytes = audiotest::EncodedWave(tone, SF_FORMAT_IMA_ADPCM);
    // fmt (12 + 8 + 20 bytes of IMA format) is followed by "fact".
    ASSERT_EQ(std::string(bytes.begin() + 40, bytes.begin() + 44), "fact");
    struct Case {
        uint32_t fact;
        size_t frames;
    };
    const size_t filled = 5 * 1017;  // five blocks of 1017 frames
    for (const Case c : {Case{4000, 4000}, Case{static_cast<uint32_t>(filled), filled},
                         Case{999999, filled}, Case{0, filled}}) {
        PutU32(bytes.data() + 48, c.fact);
        const auto pcm = DecodeWave(*ParseWave(bytes));
        ASSERT_TRUE(pcm);
        EXPECT_EQ(pcm->FrameCount(), c.frames) << c.fact;
    }
}

TEST(DecodeWave, RefusesFormatsItCannotUse) {
    const Pcm16 tone = audiotest::Tone(22050, 1, 0.05);
    struct Bad {
        const char* what;
        uint16_t tag, channels;
        uint32_t rate;
    };
    const Bad cases[] = {
        {"no channels", 1, 0, 22050},
        {"nine channels", 1, 9, 22050},
        {"rate 0", 1, 1, 0},
        {"rate 1 MHz", 1, 1, 1000000},
        {"unknown tag", 0x1234, 1, 22050},
        {"ADPCM with garbage", 0x11, 1, 22050},
    };
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.what);
        auto fmt = audiotest::Pcm16Format(c.rate, c.channels ? c.channels : 1);
        PutU16(fmt.data(), c.tag);
        PutU16(fmt.data() + 2, c.channels);
        const auto bytes = audiotest::RiffWave({{"fmt ", fmt}, {"data", audiotest::PcmBytes(tone)}});
        const auto wave = ParseWave(bytes);
        ASSERT_TRUE(wave);
        EXPECT_FALSE(DecodeWave(*wave));
    }
}

}  // namespace
}  // namespace vn

#include <gtest/gtest.h>
#include <sndfile.h>

#include <map>

#include "converter/audio/AudioTestSupport.h"
#include "converter/job/ConvertJob.h"
#include "converter/job/JobTestSupport.h"
#include "converter/pac/PacWriter.h"
#include "formats/io/MemoryFileSystem.h"
#include "formats/mlz/MlzArchive.h"
#include "formats/mlz/MlzLayout.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;
namespace at = audiotest;

using jobtest::CollectingLog;
using jobtest::MakePac;
using Item = jobtest::PacItem;

Bytes Unsupported() {
    Bytes b = at::Pcm16Wave(at::Tone(22050, 1, 0.1));
    b[20] = 0x34;  // format tag 0x1234: no decoder has it
    b[21] = 0x12;
    return b;
}

Bytes Corrupt() {
    Bytes b = at::Pcm16Wave(at::Tone(22050, 1, 0.1));
    b[4] = 0xFF;  // a RIFF length past the end
    return b;
}

// What one output should decode to; kbps 0: the output is empty.
struct Expected {
    long rate;
    int channels;
    int kbps;
    double seconds;
};

void ExpectMp3(const Bytes& mp3, const Expected& e) {
    if (e.kbps == 0) {
        EXPECT_TRUE(mp3.empty());
        return;
    }
    const auto probe = at::ProbeMp3(mp3);
    ASSERT_TRUE(probe.ok);
    EXPECT_EQ(probe.sampleRate, e.rate);
    EXPECT_EQ(probe.channels, e.channels);
    EXPECT_EQ(probe.bitrates, std::set<int>{e.kbps});
    // Two frames: the last block's filling, and LAME's delay where a frame
    // is too small for its Info tag.
    EXPECT_NEAR(static_cast<double>(probe.frames), e.seconds * e.rate, 2 * Mp3Encoder::kFrameSamples);
}

class SoundStepsTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakePac(fs, "game\\BGM.pac",
                {{"BGM01.wav", at::Pcm16Wave(at::Tone(44100, 2, 0.5))},
                 {"BGM02.WAV", at::EncodedWave(at::Tone(22050, 2, 0.4), SF_FORMAT_IMA_ADPCM)}});
        MakePac(fs, "game\\SE.pac",
                {{"se_door.wav", at::Pcm16Wave(at::Tone(22050, 1, 0.3))},
                 {"se_bad.wav", Corrupt()},
                 {"se_odd.wav", Unsupported()},
                 {"..\\..\\x.wav", at::Pcm16Wave(at::Tone(22050, 1, 0.1))}});
        MakePac(fs, "game\\SystemVoice.pac",
                {{"sys_\x83\x5c.wav", at::EncodedWave(at::Tone(44100, 1, 0.3), SF_FORMAT_MS_ADPCM)}});
        MakePac(fs, "game\\Voice.pac",
                {{"v0001.wav", at::Pcm16Wave(at::Tone(22050, 1, 0.5))},
                 {"v0002.wav", at::EncodedWave(at::Tone(44100, 2, 0.3), SF_FORMAT_IMA_ADPCM)},
                 {"v0003.wav", Bytes{'R', 'I', 'F', 'F'}},
                 {"../v0004.wav", at::Pcm16Wave(at::Tone(22050, 1, 0.1))},
                 {"C:v0005.wav", at::Pcm16Wave(at::Tone(22050, 1, 0.1))}});
        settings.sourceFolder = "game";
        settings.outputFolder = "out";
        settings.convertPictures = false;
        settings.musicBitrateIndex = 7;  // 128/64
        settings.musicRateIndex = 1;     // 44.1 kHz
        settings.musicStereo = true;
        settings.voiceBitrateIndex = 7;  // 64 kbit/s mono
        settings.voiceRateIndex = 0;
    }
    void RunJob() {
        ConvertJob job(settings, fs, log);
        EXPECT_EQ(job.Run(), 0);
        total = job.Progress().Total();
        done = job.Progress().Done();
    }
    MemoryFileSystem fs;
    CollectingLog log;
    JobSettings settings;
    uint32_t total = 0, done = 0;
};

TEST_F(SoundStepsTest, WritesTheFoldersAndTheVoiceArchive) {
    RunJob();
    const std::map<std::string, Expected> loose = {
        {"out\\data\\bgm\\BGM01.mp3", {44100, 2, 128, 0.5}},
        {"out\\data\\bgm\\BGM02.mp3", {44100, 2, 128, 0.4}},
        {"out\\data\\se\\se_door.mp3", {44100, 2, 128, 0.3}},
        {"out\\data\\se\\se_bad.mp3", {0, 0, 0, 0}},
        {"out\\data\\se\\se_odd.mp3", {0, 0, 0, 0}},
        {"out\\data\\sys\\sys_\x83\x5c.mp3", {44100, 2, 128, 0.3}},
    };
    for (const auto& [path, expected] : loose) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(fs.FileExists(path.c_str()));
        ExpectMp3(fs.Bytes(path), expected);
    }

    MlzArchive voices(fs);
    ASSERT_TRUE(voices.LoadDirectory("out\\data\\voice.mlz"));
    ASSERT_EQ(voices.EntryCount(), 3u);  // the two names that leave the folder are left out
    const std::pair<const char*, Expected> archived[] = {
        {"v0001.mp3", {22050, 1, 64, 0.5}},
        {"v0002.mp3", {22050, 1, 64, 0.3}},
        {"v0003.mp3", {0, 0, 0, 0}},
    };
    for (uint32_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(archived[i].first);
        const MlzEntry entry = voices.Entry(i);
        EXPECT_STREQ(entry.name, archived[i].first);
        EXPECT_EQ(entry.method, kMlzMethodStored);
        EXPECT_EQ(entry.storedSize, entry.expandedSize);
        const auto mp3 = voices.ReadEntryAt("out\\data\\voice.mlz", i);
        ASSERT_TRUE(mp3);
        EXPECT_EQ(mp3->size(), entry.storedSize);
        ExpectMp3(*mp3, archived[i].second);
    }

    // Every entry counted, refused and broken ones included.
    EXPECT_EQ(total, 12u);
    EXPECT_EQ(done, 12u);
}

TEST_F(SoundStepsTest, NamesThatLeaveTheOutputFolderWriteNothing) {
    RunJob();
    const std::set<std::string> written = {
        "out\\data\\bgm\\BGM01.mp3", "out\\data\\bgm\\BGM02.mp3", "out\\data\\se\\se_door.mp3",
        "out\\data\\se\\se_bad.mp3", "out\\data\\se\\se_odd.mp3", "out\\data\\sys\\sys_\x83\x5c.mp3", "out\\data\\voice.mlz"};
    std::set<std::string> outputs;
    for (const auto& [path, bytes] : fs.Files()) {
        if (path.rfind("game\\", 0) != 0) outputs.insert(path);
    }
    EXPECT_EQ(outputs, written);
    int refused = 0;
    for (const std::string& note : log.notes) refused += note.find("nothing written") != std::string::npos;
    EXPECT_EQ(refused, 3);
}

TEST_F(SoundStepsTest, VoicesAreMonoWhateverTheMusicSettings) {
    settings.convertMusic = false;
    settings.voiceBitrateIndex = 3;  // 32 kbit/s
    settings.voiceRateIndex = 1;
    RunJob();
    EXPECT_FALSE(fs.FileExists("out\\data\\bgm\\BGM01.mp3"));
    MlzArchive voices(fs);
    const auto mp3 = voices.ReadEntry("out\\data\\voice.mlz", "v0002.mp3");
    ASSERT_TRUE(mp3);
    ExpectMp3(*mp3, {44100, 1, 32, 0.3});
    EXPECT_EQ(total, 5u);
}

TEST_F(SoundStepsTest, SettingsOutOfRangeGiveEmptyOutputs) {
    settings.musicBitrateIndex = 13;  // past the table, as a command line could ask
    settings.convertVoices = false;
    RunJob();
    EXPECT_TRUE(fs.Bytes("out\\data\\bgm\\BGM01.mp3").empty());
    EXPECT_TRUE(fs.Bytes("out\\data\\se\\se_door.mp3").empty());
    EXPECT_EQ(done, 7u);
}

}  // namespace
}  // namespace vn

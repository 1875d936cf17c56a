#include "converter/audio/WaveFile.h"

#include <gtest/gtest.h>

#include "converter/audio/AudioTestSupport.h"
#include "formats/io/RecordFields.h"

namespace vn {
namespace {

using audiotest::Chunk;
using audiotest::RiffWave;

std::vector<uint8_t> Fmt() { return audiotest::Pcm16Format(22050, 1); }
std::vector<uint8_t> Samples(size_t n) {
    std::vector<uint8_t> s(n);
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<uint8_t>(i * 7 + 1);
    return s;
}

struct Accepted {
    const char* what;
    std::vector<Chunk> chunks;
    size_t dataSize;
};

TEST(ParseWave, FindsFormatAndDataWhereverTheyAre) {
    const Accepted cases[] = {
        {"fmt then data", {{"fmt ", Fmt()}, {"data", Samples(10)}}, 10},
        {"data before fmt", {{"data", Samples(12)}, {"fmt ", Fmt()}}, 12},
        {"odd chunk padded", {{"LIST", Samples(5)}, {"fmt ", Fmt()}, {"data", Samples(4)}}, 4},
        {"odd data itself", {{"fmt ", Fmt()}, {"data", Samples(7)}, {"junk", Samples(3)}}, 7},
        {"empty data skipped", {{"fmt ", Fmt()}, {"data", {}}, {"data", Samples(6)}}, 6},
        {"second fmt ignored", {{"fmt ", Fmt()}, {"fmt ", Samples(2)}, {"data", Samples(2)}}, 2},
    };
    for (const Accepted& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<uint8_t> bytes = RiffWave(c.chunks);
        const auto wave = ParseWave(bytes);
        ASSERT_TRUE(wave);
        EXPECT_EQ(wave->format.formatTag, 1);
        EXPECT_EQ(wave->format.channels, 1);
        EXPECT_EQ(wave->format.sampleRate, 22050u);
        EXPECT_EQ(wave->format.blockAlign, 2);
        EXPECT_EQ(wave->format.bitsPerSample, 16);
        EXPECT_EQ(wave->formatBytes, Fmt());
        EXPECT_EQ(std::vector<uint8_t>(wave->data.begin(), wave->data.end()), Samples(c.dataSize));
    }
}

TEST(ParseWave, KeepsTheFactFrameCount) {
    std::vector<uint8_t> fact(4);
    PutU32(fact.data(), 1234567);
    const auto bytes = RiffWave({{"fmt ", Fmt()}, {"fact", fact}, {"data", Samples(4)}});
    const auto wave = ParseWave(bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->factFrames, 1234567u);
    const auto without = RiffWave({{"fmt ", Fmt()}, {"fact", {1, 2}}, {"data", Samples(4)}});
    ASSERT_TRUE(ParseWave(without));
    EXPECT_FALSE(ParseWave(without)->factFrames);
}

TEST(ParseWave, AcceptsTheFourteenByteFormatRecord) {
    std::vector<uint8_t> fmt = Fmt();
    fmt.resize(14);
    const auto bytes = RiffWave({{"fmt ", fmt}, {"data", Samples(4)}});
    const auto wave = ParseWave(bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.blockAlign, 2);
    EXPECT_EQ(wave->format.bitsPerSample, 0);
}

std::vector<uint8_t> Good() { return RiffWave({{"fmt ", Fmt()}, {"data", Samples(8)}}); }

struct Refused {
    const char* what;
    std::vector<uint8_t> bytes;
};

std::vector<Refused> RefusedCases() {
    std::vector<Refused> cases;
    cases.push_back({"empty", {}});
    auto headerOnly = Good();
    headerOnly.resize(11);
    cases.push_back({"header only", headerOnly});
    auto notRiff = Good();
    notRiff[0] = 'X';
    cases.push_back({"not RIFF", notRiff});
    auto notWave = Good();
    notWave[8] = 'A';
    cases.push_back({"not WAVE", notWave});
    auto longRiff = Good();
    PutU32(longRiff.data() + 4, static_cast<uint32_t>(longRiff.size()));  // 8 bytes too many
    cases.push_back({"RIFF length past the end", longRiff});
    auto hugeRiff = Good();
    PutU32(hugeRiff.data() + 4, 0xFFFFFFFFu);
    cases.push_back({"RIFF length 4 GB", hugeRiff});
    auto shortRiff = Good();
    PutU32(shortRiff.data() + 4, 4 + 8 + 16);  // ends before "data"
    cases.push_back({"data outside the RIFF length", shortRiff});
    auto longChunk = Good();
    PutU32(longChunk.data() + 12 + 24 + 4, 9);  // "data" claims one byte more
    cases.push_back({"chunk length past the end", longChunk});
    auto hugeChunk = Good();
    PutU32(hugeChunk.data() + 16, 0xFFFFFFF0u);
    cases.push_back({"chunk length 4 GB", hugeChunk});
    auto shortFmt = Fmt();
    shortFmt.resize(13);
    cases.push_back({"fmt of 13 bytes", RiffWave({{"fmt ", shortFmt}, {"data", Samples(4)}})});
    cases.push_back({"fmt over 1 KB",
                     RiffWave({{"fmt ", std::vector<uint8_t>(1026, 1)}, {"data", Samples(4)}})});
    cases.push_back({"no data", RiffWave({{"fmt ", Fmt()}})});
    cases.push_back({"only empty data", RiffWave({{"fmt ", Fmt()}, {"data", {}}})});
    cases.push_back({"no fmt", RiffWave({{"data", Samples(4)}})});
    return cases;
}

TEST(ParseWave, RefusesWhatItCannotTrust) {
    for (const Refused& c : RefusedCases()) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ParseWave(c.bytes));
    }
}

}  // namespace
}  // namespace vn

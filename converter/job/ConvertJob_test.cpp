#include "converter/job/ConvertJob.h"
#include "converter/job/JobTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "converter/pac/PacWriter.h"
#include "formats/io/MemoryFileSystem.h"
#include "formats/mlz/MlzArchive.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Remembers which files were read and which folders made.
class RecordingFileSystem : public MemoryFileSystem {
public:
    int64_t ReadAt(const char* path, uint64_t offset, std::span<uint8_t> dest) override {
        read.insert(path);
        return MemoryFileSystem::ReadAt(path, offset, dest);
    }
    bool CreateFolder(const char* path) override {
        folders.insert(path);
        return true;
    }
    std::set<std::string> read;
    std::set<std::string> folders;
};

using jobtest::CollectingLog;
using Item = jobtest::PacItem;

void MakePac(MemoryFileSystem& fs, const char* path, uint32_t method, const std::vector<Item>& items) {
    jobtest::MakePac(fs, path, items, method);
}

JobSettings Settings() {
    JobSettings s;
    s.sourceFolder = "game";
    s.outputFolder = "out\\";
    return s;
}

class ConvertJobTest : public ::testing::Test {
protected:
    void RunJob(const JobSettings& settings) {
        job = std::make_unique<ConvertJob>(settings, fs, log);
        EXPECT_EQ(job->Run(), 0);
        EXPECT_TRUE(job->Progress().Finished());
    }
    std::optional<Bytes> Entry(const char* archive, const char* name) {
        MlzArchive mlz(fs);
        return mlz.ReadEntry(archive, name);
    }
    RecordingFileSystem fs;
    CollectingLog log;
    std::unique_ptr<ConvertJob> job;
};

TEST_F(ConvertJobTest, ScriptTakesTheFirstOverrideAndTableKeepsItsTables) {
    MakePac(fs, "game\\Script.pac", kPacMethodLzss,
            {{"a.scr", Text("script a")}, {"b.scr", Text("script b")}, {"C.scr", Text("script c")}});
    MakePac(fs, "game\\Update.pac", kPacMethodHuffman,
            {{"B.SCR", Text("first b")}, {"b.scr", Text("second b")}, {"z.scr", Text("no counterpart")}});
    MakePac(fs, "game\\Table.pac", kPacMethodStored,
            {{"StandInfo.DAT", Text("stand")}, {"CGInfo.DAT", Text("cg")}, {"VisualInfo.DAT", Text("visual")}});
    RunJob(Settings());

    const char* script = "out\\data\\Script.mlz";
    EXPECT_EQ(Entry(script, "a.scr"), Text("script a"));
    EXPECT_EQ(Entry(script, "b.scr"), Text("first b"));
    EXPECT_EQ(Entry(script, "C.scr"), Text("script c"));
    EXPECT_EQ(Entry(script, "z.scr"), std::nullopt);
    MlzArchive mlz(fs);
    ASSERT_TRUE(mlz.LoadDirectory(script));
    EXPECT_EQ(mlz.EntryCount(), 3u);
    EXPECT_EQ(Entry("out\\data\\Table.mlz", "CGInfo.DAT"), Text("cg"));
    EXPECT_EQ(job->Context().standTable, Text("stand"));
    EXPECT_EQ(job->Context().visualTable, Text("visual"));
    EXPECT_EQ(job->Context().overrides.Size(), 3u);
    // Update.pac counts for nothing; the two repacked archives for six.
    EXPECT_EQ(job->Progress().Total(), 6u);
    EXPECT_EQ(job->Progress().Done(), 6u);
    EXPECT_EQ(fs.folders, (std::set<std::string>{"out\\data", "out\\data\\bgm", "out\\data\\se",
                                                 "out\\data\\sys"}));
    EXPECT_TRUE(log.notes.empty());
}

const char* const kAllSources[] = {"Update.pac", "Script.pac", "Table.pac", "BG.pac", "Stand.pac",
                                   "Visual.pac", "Face.pac", "Thumbnail.pac", "System.pac",
                                   "BGM.pac", "SE.pac", "SystemVoice.pac", "Voice.pac"};

void MakeAllSources(MemoryFileSystem& fs) {
    uint32_t count = 1;
    for (const char* source : kAllSources) {
        std::vector<Item> items;
        for (uint32_t i = 0; i < count; ++i) items.push_back({"e.bmp", Text("x")});
        MakePac(fs, (std::string("game\\") + source).c_str(), kPacMethodStored, items);
        ++count;  // archive n of the table holds n entries
    }
}

TEST_F(ConvertJobTest, CountsEveryEntryFromStepTwoOn) {
    MakeAllSources(fs);
    RunJob(Settings());
    // 2 + 3 + ... + 13 entries; the one of Update.pac is not counted.
    EXPECT_EQ(job->Progress().Total(), 90u);
    EXPECT_EQ(job->Progress().Done(), 90u);
}

TEST_F(ConvertJobTest, OnlyVoicesReadsOnlyUpdateAndVoice) {
    MakeAllSources(fs);
    const auto before = fs.Files().size();
    JobSettings s = Settings();
    s.convertPictures = false;
    s.convertMusic = false;
    RunJob(s);
    EXPECT_EQ(fs.read, (std::set<std::string>{"game\\Update.pac", "game\\Voice.pac"}));
    EXPECT_EQ(fs.folders.size(), 4u);
    // voice.mlz is the one file written: no picture, script or music output.
    EXPECT_EQ(fs.Files().size(), before + 1);
    EXPECT_TRUE(fs.FileExists("out\\data\\voice.mlz"));
    EXPECT_EQ(job->Progress().Total(), 13u);
}

TEST_F(ConvertJobTest, MissingArchivesSkipTheirSteps) {
    MakePac(fs, "game\\Table.pac", kPacMethodLzss, {{"CGInfo.DAT", Text("cg")}});
    fs.Bytes("game\\Script.pac") = Bytes(5, 0);  // too short to be an archive
    RunJob(Settings());
    EXPECT_FALSE(fs.FileExists("out\\data\\Script.mlz"));
    EXPECT_EQ(Entry("out\\data\\Table.mlz", "CGInfo.DAT"), Text("cg"));
    EXPECT_EQ(job->Progress().Total(), 1u);
    ASSERT_EQ(log.notes.size(), 1u);  // only the broken one is reported
    EXPECT_NE(log.notes[0].find("Script.pac"), std::string::npos);
}

TEST_F(ConvertJobTest, AnEntryThatDoesNotDecodeIsLeftOutAndTheJobGoesOn) {
    MakePac(fs, "game\\Script.pac", kPacMethodLzss, {{"a.scr", Text("aaaa")}, {"b.scr", Text("bbbb")}});
    Bytes& pac = fs.Bytes("game\\Script.pac");
    PutU32(pac.data() + 12 + 68, 1000);  // a.scr claims far more than its stream holds
    RunJob(Settings());
    EXPECT_EQ(Entry("out\\data\\Script.mlz", "a.scr"), std::nullopt);
    EXPECT_EQ(Entry("out\\data\\Script.mlz", "b.scr"), Text("bbbb"));
    EXPECT_EQ(job->Progress().Done(), 2u);
    EXPECT_EQ(job->Progress().Skipped(), 1u);
    ASSERT_EQ(log.notes.size(), 1u);
    EXPECT_NE(log.notes[0].find("a.scr"), std::string::npos);
}

TEST(JobSteps, OutputNamesAtBothScreenSizes) {
    const struct {
        int number;
        const char* at50;
        const char* at100;
    } cases[] = {
        {1, "", ""}, {2, "Script.mlz", "Script.mlz"}, {3, "Table.mlz", "Table.mlz"},
        {4, "bg.mlz", "bg_vga.mlz"}, {5, "Stand.mlz", "Stand_vga.mlz"},
        {6, "Visual.mlz", "Visual_vga.mlz"}, {7, "Face.mlz", "Face_vga.mlz"},
        {8, "Thumbnail.mlz", "Thumbnail_vga.mlz"}, {9, "System.mlz", "System_vga.mlz"},
        {10, "bgm", "bgm"}, {11, "se", "se"}, {12, "sys", "sys"}, {13, "voice.mlz", "voice.mlz"},
    };
    const auto steps = JobSteps();
    ASSERT_EQ(steps.size(), std::size(cases));
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].number, cases[i].number);
        EXPECT_STREQ(steps[i].source, kAllSources[i]);
        EXPECT_EQ(StepOutputName(steps[i], 50), cases[i].at50);
        EXPECT_EQ(StepOutputName(steps[i], 100), cases[i].at100);
    }
}

TEST(JobPaths, JoinKeepsOneBackslash) {
    EXPECT_EQ(JoinPath("game", "a.pac"), "game\\a.pac");
    EXPECT_EQ(JoinPath("game\\", "a.pac"), "game\\a.pac");
    EXPECT_EQ(JoinPath("\x83\x5c", "a.pac"), "\x83\x5c\\a.pac");  // ソ ends in 0x5C
    EXPECT_EQ(JoinPath("", "a.pac"), "a.pac");
}

TEST_F(ConvertJobTest, RunsOnItsThreadAndEnds) {
    MakeAllSources(fs);
    job = std::make_unique<ConvertJob>(Settings(), fs, log);
    ASSERT_TRUE(job->Create());
    EXPECT_FALSE(job->Ended());  // created suspended
    job->Resume();
    while (!job->Progress().Finished()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    job->Wait();
    EXPECT_TRUE(job->Ended());
    EXPECT_EQ(job->Result(), 0);
    EXPECT_EQ(job->Progress().Done(), 90u);
}

}  // namespace
}  // namespace vn

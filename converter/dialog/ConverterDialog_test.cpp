#include "converter/dialog/ConverterDialog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <thread>

#include "converter/dialog/DialogLayout.h"
#include "converter/pac/PacWriter.h"
#include "formats/io/MemoryFileSystem.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;

class FakeView : public DialogView {
public:
    void SetText(int id, const std::string& text) override { texts[id] = text; }
    void SetSelection(int id, int index) override { selections[id] = index; }
    void SetCheck(int id, bool on) override { checks[id] = on; }
    bool IsChecked(int id) override { return checks[id]; }
    void Enable(int id, bool on) override { enabled[id] = on; }
    void Redraw() override { ++redraws; }
    void StartTimer(int id, int periodMs) override { timers[id] = periodMs; }
    std::optional<std::string> BrowseFolder(const std::string& title) override {
        browseTitle = title;
        return browseAnswer;
    }
    void Warn(const std::string& text, const std::string& caption) override {
        warnings.push_back(caption + ": " + text);
    }

    std::map<int, std::string> texts;
    std::map<int, int> selections;
    std::map<int, bool> checks;
    std::map<int, bool> enabled;
    std::map<int, int> timers;
    int redraws = 0;
    std::string browseTitle;
    std::optional<std::string> browseAnswer;
    std::vector<std::string> warnings;
};

// Holds every read of one file until opened, so a test sees a job mid-way.
class GateFileSystem : public MemoryFileSystem {
public:
    int64_t ReadAt(const char* path, uint64_t offset, std::span<uint8_t> dest) override {
        while (gated == path && !open.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return MemoryFileSystem::ReadAt(path, offset, dest);
    }
    std::string gated;
    std::atomic<bool> open{false};
};

class NoLog : public JobLog {
public:
    void Note(const std::string&) override {}
};

class ConverterDialogTest : public ::testing::Test {
protected:
    ConverterDialog& Dialog(std::string registryFolder, std::string version = "3.100") {
        DialogServices services{fs, log, [registryFolder] { return registryFolder; },
                                [version] { return version; }, "/work/out"};
        dialog = std::make_unique<ConverterDialog>(view, services);
        dialog->OnInitDialog();
        return *dialog;
    }
    void MakeGame() {
        fs.Bytes("\\games\\LG\\LucentGrove.exe") = {};
        PacWriter script(kPacMethodLzss);
        ASSERT_TRUE(script.Add("a.scr", Bytes(10, 'a')));
        ASSERT_TRUE(script.Add("b.scr", Bytes(10, 'b')));
        ASSERT_TRUE(script.WriteFile(fs, "\\games\\LG\\Script.pac"));
        PacWriter table(kPacMethodStored);
        ASSERT_TRUE(table.Add("StandInfo.DAT", Bytes(4, 1)));
        ASSERT_TRUE(table.WriteFile(fs, "\\games\\LG\\Table.pac"));
    }
    void RunToEnd() {
        for (int i = 0; i < 10000 && dialog->OnTimer(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_EQ(dialog->Job(), nullptr);
    }
    GateFileSystem fs;
    NoLog log;
    FakeView view;
    std::unique_ptr<ConverterDialog> dialog;
};

TEST_F(ConverterDialogTest, OpensWithTheDefaultSettings) {
    Dialog("/games/LG/");
    EXPECT_EQ(view.selections, (std::map<int, int>{{kIdMusicBitrate, 3}, {kIdMusicRate, 0},
                                                   {kIdVoiceBitrate, 3}, {kIdVoiceRate, 0},
                                                   {kIdScreenSize, 0}, {kIdQuality, 0}}));
    EXPECT_EQ(view.checks, (std::map<int, bool>{{kIdStereo, true}, {kIdPictures, true},
                                               {kIdMusic, true}, {kIdVoices, true}}));
    EXPECT_EQ(view.texts[kIdFolder], "/games/LG");
    EXPECT_EQ(view.texts[kIdEncoder], "LAME : 3.100");
    EXPECT_EQ(view.texts[kIdProgress], "");
    EXPECT_EQ(view.timers, (std::map<int, int>{{1, 100}}));
    EXPECT_EQ(dialog->State().gameFolder, "\\games\\LG");
    EXPECT_EQ(dialog->State().outputFolder, "\\work\\out");
    EXPECT_TRUE(dialog->State().encoderAvailable);
}

TEST_F(ConverterDialogTest, RefusalsAndTheEmptyFolder) {
    Dialog("");
    EXPECT_EQ(view.texts[kIdFolder], "");
    EXPECT_EQ(dialog->OnStart(), StartResult::Ignored);
    EXPECT_TRUE(view.warnings.empty());

    Dialog("/games/LG", "");
    EXPECT_EQ(view.texts[kIdEncoder], "LAME : ");
    EXPECT_EQ(dialog->OnStart(), StartResult::EncoderMissing);
    Dialog("/games/LG");
    EXPECT_EQ(dialog->OnStart(), StartResult::NotGameFolder);  // no LucentGrove.exe
    EXPECT_EQ(view.warnings, (std::vector<std::string>{
                                 "ＤＬＬ異常: << LAME >>が見つかりませんでした。",
                                 "フォルダ異常: 『LucentGrove』のフォルダを指定して下さい。"}));
    EXPECT_EQ(dialog->Job(), nullptr);
}

TEST_F(ConverterDialogTest, BrowseStoresThePickedFolder) {
    Dialog("");
    view.browseAnswer = "/picked/ゲーム";
    dialog->OnBrowse();
    EXPECT_EQ(view.browseTitle, "フォルダを選択して下さい。");
    EXPECT_EQ(view.texts[kIdFolder], "/picked/ゲーム");
    view.browseAnswer.reset();
    dialog->OnBrowse();
    EXPECT_EQ(view.texts[kIdFolder], "/picked/ゲーム");
}

TEST_F(ConverterDialogTest, ListsAndStereoStoreTheirState) {
    Dialog("");
    dialog->OnSelectionChange(kIdScreenSize, 1);
    dialog->OnSelectionChange(kIdMusicBitrate, 12);
    dialog->OnSelectionChange(kIdMusicBitrate, 13);  // past the list: ignored
    dialog->OnSelectionChange(kIdQuality, -1);
    dialog->OnStereoToggled();
    EXPECT_EQ(dialog->State().screenSize, 1);
    EXPECT_EQ(dialog->State().musicBitrate, 12);
    EXPECT_EQ(dialog->State().quality, 0);
    EXPECT_FALSE(dialog->State().stereo);
}

TEST_F(ConverterDialogTest, RunsOneJobAtATimeAndShowsItsProgress) {
    MakeGame();
    fs.gated = "\\games\\LG\\Table.pac";
    Dialog("/games/LG");
    dialog->OnSelectionChange(kIdScreenSize, 1);
    view.checks[kIdMusic] = false;  // read from the control at the start
    ASSERT_EQ(dialog->OnStart(), StartResult::Started);
    EXPECT_FALSE(view.enabled[kIdStart]);
    const JobSettings& s = dialog->Job()->Settings();
    EXPECT_EQ(s.scalePercent, 100);
    EXPECT_TRUE(s.convertPictures);
    EXPECT_FALSE(s.convertMusic);
    EXPECT_EQ(s.sourceFolder, "\\games\\LG");
    EXPECT_EQ(s.outputFolder, "\\work\\out");

    // The job waits at Table.pac, after the two script entries.
    while (dialog->Job()->Progress().Done() < 2) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(dialog->OnTimer());
    EXPECT_EQ(view.texts[kIdProgress], "変換データ数：2 / 2 (b.scr)");
    EXPECT_EQ(dialog->OnStart(), StartResult::Ignored);
    EXPECT_FALSE(view.enabled[kIdStart]);

    fs.open = true;
    RunToEnd();
    EXPECT_EQ(view.texts[kIdProgress], "");
    EXPECT_TRUE(view.enabled[kIdStart]);
    EXPECT_EQ(dialog->LastOutcome().done, 3u);
    EXPECT_TRUE(fs.FileExists("\\work\\out\\data\\Table.mlz"));
}

}  // namespace
}  // namespace vn

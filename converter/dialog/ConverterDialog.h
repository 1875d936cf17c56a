#pragma once
// The converter dialog's logic, apart from any window system: its settings,
// the checks before a job, the job's start and the 100 ms progress poll.

#include <functional>
#include <memory>
#include <string>

#include "converter/dialog/DialogView.h"
#include "converter/job/ConvertJob.h"

namespace vn {

struct DialogServices {
    FileSystem& files;
    JobLog& log;
    std::function<std::string()> gameFolderLookup;  // host path from the registry, or empty
    std::function<std::string()> encoderVersion;    // empty when the encoder is missing
    std::string currentFolder;                      // host path
};

struct DialogState {
    std::string gameFolder;    // Shift-JIS, without a trailing backslash
    std::string outputFolder;  // Shift-JIS
    int musicBitrate = 3;      // "64/32kbit"
    int musicRate = 0;         // 22.05 kHz
    int voiceBitrate = 3;      // "32kbit"
    int voiceRate = 0;
    int screenSize = 0;        // "320*240"
    int quality = 0;           // "最高画質"
    bool stereo = true;
    bool encoderAvailable = false;
};

// What the last job did, kept after it is deleted.
struct JobOutcome {
    uint32_t done = 0, total = 0, skipped = 0, writeFailures = 0;
};

enum class StartResult { Ignored, EncoderMissing, NotGameFolder, Started, Failed };

class ConverterDialog {
public:
    ConverterDialog(DialogView& view, DialogServices services);
    ~ConverterDialog();

    void OnInitDialog();
    void OnBrowse();
    StartResult OnStart();
    // Returns whether a job still exists afterwards.
    bool OnTimer();
    void OnSelectionChange(int id, int index);
    void OnStereoToggled();

    // For the command line: the same fields the controls set. False when a
    // folder has no Shift-JIS form or is longer than 1 KB.
    bool SetGameFolder(const std::string& hostPath);
    bool SetOutputFolder(const std::string& hostPath);
    void SetStereo(bool on);

    const DialogState& State() const { return state_; }
    const ConvertJob* Job() const { return job_.get(); }
    const JobOutcome& LastOutcome() const { return outcome_; }

private:
    void ShowSettings();
    JobSettings MakeJobSettings();

    DialogView& view_;
    DialogServices services_;
    DialogState state_;
    std::unique_ptr<ConvertJob> job_;
    JobOutcome outcome_;
};

// "変換データ数：done / total (name)"; the name converted from Shift-JIS.
std::string ProgressLine(const JobProgress& progress);

// A Shift-JIS folder as the user sees it: UTF-8 with slashes.
std::string DisplayPath(const std::string& cp932Path);

}  // namespace vn

#include "converter/dialog/ConverterDialog.h"

#include "converter/dialog/DialogLayout.h"
#include "engine/platform/host/Cp932.h"
#include "engine/platform/host/HostFileSystem.h"

namespace vn {
namespace {

constexpr size_t kFolderLimit = 1023;  // the dialog's 1 KB folder fields

struct ListField {
    int id;
    int DialogState::*field;
};

constexpr ListField kLists[] = {
    {kIdMusicBitrate, &DialogState::musicBitrate}, {kIdMusicRate, &DialogState::musicRate},
    {kIdVoiceBitrate, &DialogState::voiceBitrate}, {kIdVoiceRate, &DialogState::voiceRate},
    {kIdScreenSize, &DialogState::screenSize},     {kIdQuality, &DialogState::quality},
};

std::optional<std::string> ToFolder(const std::string& hostPath) {
    auto path = InternalPath(hostPath);
    if (!path) return std::nullopt;
    while (path->size() > 1 && path->back() == '\\') path->pop_back();
    if (path->size() > kFolderLimit) return std::nullopt;
    return path;
}

}  // namespace

std::string ProgressLine(const JobProgress& progress) {
    return std::string(DialogTexts::kProgress) + std::to_string(progress.Done()) + " / " +
           std::to_string(progress.Total()) + " (" + Cp932ToUtf8Lossy(progress.EntryName()) + ")";
}

std::string DisplayPath(const std::string& cp932Path) {
    std::string shown = Cp932ToUtf8Lossy(cp932Path);
    for (char& c : shown) {
        if (c == '\\') c = '/';
    }
    return shown;
}

ConverterDialog::ConverterDialog(DialogView& view, DialogServices services)
    : view_(view), services_(std::move(services)) {}

ConverterDialog::~ConverterDialog() = default;  // a running job is waited for by its own destructor

void ConverterDialog::ShowSettings() {
    for (const ListField& list : kLists) view_.SetSelection(list.id, state_.*list.field);
    view_.SetCheck(kIdStereo, state_.stereo);
    view_.SetText(kIdProgress, "");
    view_.SetText(kIdFolder, DisplayPath(state_.gameFolder));
}

void ConverterDialog::OnInitDialog() {
    state_ = DialogState{};
    if (auto out = ToFolder(services_.currentFolder)) state_.outputFolder = *out;
    const std::string found = services_.gameFolderLookup ? services_.gameFolderLookup() : "";
    if (!found.empty()) SetGameFolder(found);
    ShowSettings();
    for (int id : {kIdPictures, kIdMusic, kIdVoices}) view_.SetCheck(id, true);
    const std::string version = services_.encoderVersion ? services_.encoderVersion() : "";
    view_.SetText(kIdEncoder, std::string(DialogTexts::kEncoderLabel) + version);
    state_.encoderAvailable = !version.empty();
    view_.StartTimer(kTimerId, kTimerPeriodMs);
}

void ConverterDialog::OnBrowse() {
    if (auto picked = view_.BrowseFolder(std::string(DialogTexts::kBrowseTitle))) SetGameFolder(*picked);
}

bool ConverterDialog::SetGameFolder(const std::string& hostPath) {
    auto folder = ToFolder(hostPath);
    if (!folder) return false;
    state_.gameFolder = *folder;
    view_.SetText(kIdFolder, DisplayPath(state_.gameFolder));
    return true;
}

bool ConverterDialog::SetOutputFolder(const std::string& hostPath) {
    auto folder = ToFolder(hostPath);
    if (!folder) return false;
    state_.outputFolder = *folder;
    return true;
}

void ConverterDialog::SetStereo(bool on) {
    state_.stereo = on;
    view_.SetCheck(kIdStereo, on);
}

void ConverterDialog::OnSelectionChange(int id, int index) {
    const ControlSpec* spec = FindControl(id);
    if (!spec || index < 0 || index >= static_cast<int>(spec->items.size())) return;
    for (const ListField& list : kLists) {
        if (list.id != id) continue;
        state_.*list.field = index;
        view_.SetSelection(id, index);
    }
}

void ConverterDialog::OnStereoToggled() { state_.stereo = !state_.stereo; }

JobSettings ConverterDialog::MakeJobSettings() {
    JobSettings s;
    s.sourceFolder = state_.gameFolder;
    s.outputFolder = state_.outputFolder;
    s.scalePercent = state_.screenSize == 1 ? 100 : 50;
    s.qualityIndex = state_.quality;
    s.musicBitrateIndex = state_.musicBitrate;
    s.musicRateIndex = state_.musicRate;
    s.musicStereo = state_.stereo;
    s.voiceBitrateIndex = state_.voiceBitrate;
    s.voiceRateIndex = state_.voiceRate;
    s.voiceStereo = false;
    s.convertPictures = view_.IsChecked(kIdPictures);
    s.convertMusic = view_.IsChecked(kIdMusic);
    s.convertVoices = view_.IsChecked(kIdVoices);
    return s;
}

StartResult ConverterDialog::OnStart() {
    if (job_ || state_.gameFolder.empty()) return StartResult::Ignored;
    if (!state_.encoderAvailable) {
        view_.Warn(std::string(DialogTexts::kEncoderMissing), std::string(DialogTexts::kEncoderMissingCaption));
        return StartResult::EncoderMissing;
    }
    const std::string exe = JoinPath(state_.gameFolder, "LucentGrove.exe");
    if (!services_.files.FileExists(exe.c_str())) {
        view_.Warn(std::string(DialogTexts::kNotGameFolder), std::string(DialogTexts::kNotGameFolderCaption));
        return StartResult::NotGameFolder;
    }
    job_ = std::make_unique<ConvertJob>(MakeJobSettings(), services_.files, services_.log);
    if (!job_->Start()) {
        job_.reset();
        return StartResult::Failed;
    }
    view_.Enable(kIdStart, false);
    view_.Redraw();
    return StartResult::Started;
}

bool ConverterDialog::OnTimer() {
    if (!job_) return false;
    if (!job_->Progress().Finished()) {
        view_.SetText(kIdProgress, ProgressLine(job_->Progress()));
        return true;
    }
    view_.SetText(kIdProgress, "");
    job_->Wait();
    const JobProgress& p = job_->Progress();
    outcome_ = JobOutcome{p.Done(), p.Total(), p.Skipped(), p.WriteFailures()};
    job_.reset();
    view_.Enable(kIdStart, true);
    view_.Redraw();
    return false;
}

}  // namespace vn

#include "converter/app/CommandLine.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <thread>

#include "converter/dialog/DialogLayout.h"
#include "engine/platform/host/HostFileSystem.h"

namespace vn {
namespace {

struct ListOption {
    const char* name;
    int id;
    std::vector<const char*> values;  // accepted spellings, index = selection
};

const ListOption kListOptions[] = {
    {"--screen", kIdScreenSize, {"320x240", "640x480"}},
    {"--quality", kIdQuality, {"0", "1", "2", "3"}},
    {"--music-bitrate", kIdMusicBitrate, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
    {"--music-rate", kIdMusicRate, {"0", "1"}},
    {"--voice-bitrate", kIdVoiceBitrate, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
    {"--voice-rate", kIdVoiceRate, {"0", "1"}},
};

const std::map<std::string, int> kUntickOptions = {
    {"--no-pictures", kIdPictures}, {"--no-music", kIdMusic}, {"--no-voices", kIdVoices}};

bool TakeValue(const std::vector<std::string>& args, size_t& i, std::string& value, std::string& error) {
    if (i + 1 >= args.size()) {
        error = args[i] + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool ParseList(const ListOption& option, const std::string& value, CommandLineOptions& out,
               std::string& error) {
    for (size_t k = 0; k < option.values.size(); ++k) {
        if (value == option.values[k]) {
            out.selections.emplace_back(option.id, static_cast<int>(k));
            return true;
        }
    }
    error = std::string(option.name) + ": unknown value " + value;
    return false;
}

// Shows what the dialog would show, on a terminal or into a log.
class ConsoleView : public DialogView {
public:
    explicit ConsoleView(bool terminal) : terminal_(terminal) {}
    ~ConsoleView() override {
        if (terminal_ && shown_) std::fputc('\n', stdout);
    }
    void SetText(int id, const std::string& text) override {
        if (id != kIdProgress || text.empty()) return;
        // In place on a terminal (\033[K clears the rest of the line), else one line each.
        std::fprintf(stdout, terminal_ ? "\r%s\033[K" : "%s\n", text.c_str());
        std::fflush(stdout);
        shown_ = true;
    }
    void SetSelection(int, int) override {}
    void SetCheck(int id, bool on) override { checks_[id] = on; }
    bool IsChecked(int id) override { return checks_[id]; }
    void Enable(int, bool) override {}
    void Redraw() override {}
    void StartTimer(int, int) override {}
    std::optional<std::string> BrowseFolder(const std::string&) override { return std::nullopt; }
    void Warn(const std::string& text, const std::string&) override {
        std::fprintf(stderr, "convVarnek: %s\n", text.c_str());
    }

private:
    bool terminal_;
    bool shown_ = false;
    std::map<int, bool> checks_;
};

bool PrepareOutput(FileSystem& files, const std::string& hostPath) {
    const auto path = InternalPath(hostPath);
    return path && files.CreateFolder(path->c_str());
}

}  // namespace

const char* CommandLineUsage() {
    return "usage: convVarnek [--source DIR] [--output DIR] [--screen 320x240|640x480] "
           "[--quality 0-3] [--music-bitrate 0-12] [--music-rate 0|1] [--music-stereo on|off] "
           "[--voice-bitrate 0-12] [--voice-rate 0|1] [--no-pictures] [--no-music] [--no-voices]";
}

std::optional<CommandLineOptions> ParseCommandLine(const std::vector<std::string>& args,
                                                   std::string& error) {
    CommandLineOptions out;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string value;
        if (auto untick = kUntickOptions.find(a); untick != kUntickOptions.end()) {
            out.unticked.push_back(untick->second);
            continue;
        }
        const ListOption* list = nullptr;
        for (const ListOption& option : kListOptions) {
            if (a == option.name) list = &option;
        }
        const bool known = list || a == "--source" || a == "--output" || a == "--music-stereo";
        if (!known) {
            error = "unknown option " + a;
            return std::nullopt;
        }
        if (!TakeValue(args, i, value, error)) return std::nullopt;
        if (list && !ParseList(*list, value, out, error)) return std::nullopt;
        if (a == "--source") out.source = value;
        if (a == "--output") out.output = value;
        if (a == "--music-stereo") {
            if (value != "on" && value != "off") {
                error = "--music-stereo: on or off";
                return std::nullopt;
            }
            out.stereo = value == "on";
        }
    }
    return out;
}

int RunCommandLine(const CommandLineOptions& options, DialogServices services, bool terminal) {
    FileSystem& files = services.files;
    ConsoleView view(terminal);
    ConverterDialog dialog(view, std::move(services));
    dialog.OnInitDialog();
    if (options.source && !dialog.SetGameFolder(*options.source)) {
        std::fprintf(stderr, "convVarnek: %s: folder name has no Shift-JIS form\n", options.source->c_str());
        return 1;
    }
    if (options.output && (!PrepareOutput(files, *options.output) || !dialog.SetOutputFolder(*options.output))) {
        std::fprintf(stderr, "convVarnek: %s: cannot use this output folder\n", options.output->c_str());
        return 1;
    }
    for (const auto& [id, index] : options.selections) dialog.OnSelectionChange(id, index);
    if (options.stereo) dialog.SetStereo(*options.stereo);
    for (int id : options.unticked) view.SetCheck(id, false);
    if (dialog.State().gameFolder.empty()) {
        // The dialog would wait for a folder; a command line cannot.
        view.Warn(std::string(DialogTexts::kNotGameFolder), std::string(DialogTexts::kNotGameFolderCaption));
        return 2;
    }
    switch (dialog.OnStart()) {
        case StartResult::Started: break;
        case StartResult::Failed:
            std::fprintf(stderr, "convVarnek: cannot start the conversion thread\n");
            return 1;
        default: return 2;
    }
    while (dialog.OnTimer()) std::this_thread::sleep_for(std::chrono::milliseconds(kTimerPeriodMs));
    const JobOutcome& outcome = dialog.LastOutcome();
    view.SetText(kIdProgress, std::string(DialogTexts::kProgress) + std::to_string(outcome.done) + " / " +
                                  std::to_string(outcome.total));
    if (outcome.skipped || outcome.writeFailures) {
        std::fprintf(stderr, "convVarnek: %u of %u entries done; %u left out; %u outputs not written\n",
                     outcome.done, outcome.total, outcome.skipped, outcome.writeFailures);
    }
    return outcome.writeFailures ? 1 : 0;
}

}  // namespace vn

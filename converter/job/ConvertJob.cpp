#include "converter/job/ConvertJob.h"

#include "engine/platform/host/Cp932.h"

namespace vn {

ConvertJob::ConvertJob(JobSettings settings, FileSystem& files, JobLog& log)
    : settings_(std::move(settings)), context_(settings_, files, progress_, log) {}

ConvertJob::~ConvertJob() { Wait(); }

int ConvertJob::Run() {
    progress_.Reset();
    CreateFolders();
    for (const JobStep& step : JobSteps()) RunStep(step);
    progress_.SetFinished();
    return 0;
}

void ConvertJob::CreateFolders() {
    for (const char* folder : {"", "bgm", "se", "sys"}) {
        const std::string path = context_.DataPath(folder);
        if (!context_.files.CreateFolder(path.c_str())) {
            context_.WriteFailed(path, "cannot create the folder");
        }
    }
}

void ConvertJob::RunStep(const JobStep& step) {
    if (!StepRuns(step, settings_)) return;
    PacSource source;
    source.path = JoinPath(settings_.sourceFolder, step.source);
    std::string error;
    auto directory = PacOpen(context_.files, source.path.c_str(), &error);
    if (!directory) {
        // A missing archive skips its step quietly; a broken one is noted.
        if (!error.empty()) {
            progress_.AddSkipped();
            context_.Note(Cp932ToUtf8Lossy(source.path) + ": " + error + "; step skipped");
        }
        return;
    }
    source.directory = std::move(*directory);
    if (step.number >= 2) progress_.AddTotal(static_cast<uint32_t>(source.directory.entries.size()));
    const std::string output =
        step.output[0] == '\0' ? std::string() : context_.DataPath(StepOutputName(step, settings_.scalePercent).c_str());
    step.run(context_, source, output);
}

}  // namespace vn

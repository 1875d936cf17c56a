#include "converter/job/steps/PictureStep.h"

#include "converter/picture/PictureArchive.h"
#include "engine/platform/host/Cp932.h"

namespace vn {
namespace {

// The job's counters and log as the picture conversion reports to them.
class JobPictureProgress : public PictureProgress {
  public:
    explicit JobPictureProgress(JobContext& job) : job_(job) {}
    void AddTotal(uint32_t count) override { job_.progress.AddTotal(count); }
    void SetEntryName(const char* name) override { job_.progress.SetEntryName(name); }
    void AddDone() override { job_.progress.AddDone(); }
    void AddSkipped() override { job_.progress.AddSkipped(); }
    void AddWriteFailure() override { job_.progress.AddWriteFailure(); }
    void Note(const std::string& message) override { job_.Note(Cp932ToUtf8Lossy(message)); }

  private:
    JobContext& job_;
};

}  // namespace

void RunPictureStep(JobContext& job, const PacSource& source, const std::string& output,
                    PictureStep step) {
    JobPictureProgress progress(job);
    const PictureArchiveJob pictures{
        job.files,      progress,       job.settings.scalePercent, job.settings.qualityIndex,
        job.standTable, job.visualTable};
    ConvertPictureEntries(step, pictures, source.path.c_str(), source.directory, output.c_str());
}

}  // namespace vn

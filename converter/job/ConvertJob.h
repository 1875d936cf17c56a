#pragma once
// One conversion: the thirteen steps in order, on its own worker thread.
// The front end reads Progress() while it runs and deletes the job after
// the thread has ended.

#include "converter/job/JobContext.h"
#include "converter/job/JobStep.h"
#include "converter/job/JobThread.h"

namespace vn {

class ConvertJob : public JobThread {
public:
    ConvertJob(JobSettings settings, FileSystem& files, JobLog& log);
    ~ConvertJob() override;

    // The whole conversion; returns 0.
    int Run() override;

    const JobSettings& Settings() const { return settings_; }
    const JobProgress& Progress() const { return progress_; }
    // What the steps kept; read after the job has ended.
    const JobContext& Context() const { return context_; }

private:
    void CreateFolders();
    void RunStep(const JobStep& step);

    JobSettings settings_;
    JobProgress progress_;
    JobContext context_;
};

}  // namespace vn

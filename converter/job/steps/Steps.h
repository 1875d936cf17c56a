#pragma once
// One function per conversion step, each in its own file.

#include <string>

#include "converter/job/JobContext.h"

namespace vn {

void RunUpdateStep(JobContext& job, const PacSource& source, const std::string& output);
void RunScriptStep(JobContext& job, const PacSource& source, const std::string& output);
void RunTableStep(JobContext& job, const PacSource& source, const std::string& output);
void RunBgStep(JobContext& job, const PacSource& source, const std::string& output);
void RunStandStep(JobContext& job, const PacSource& source, const std::string& output);
void RunVisualStep(JobContext& job, const PacSource& source, const std::string& output);
void RunFaceStep(JobContext& job, const PacSource& source, const std::string& output);
void RunThumbnailStep(JobContext& job, const PacSource& source, const std::string& output);
void RunSystemStep(JobContext& job, const PacSource& source, const std::string& output);
void RunBgmStep(JobContext& job, const PacSource& source, const std::string& output);
void RunSeStep(JobContext& job, const PacSource& source, const std::string& output);
void RunSystemVoiceStep(JobContext& job, const PacSource& source, const std::string& output);
void RunVoiceStep(JobContext& job, const PacSource& source, const std::string& output);

// Shared by the steps that repack entries as they are: each entry decoded,
// replaced by its override when overrides is true, and added compressed
// under its own name. keep (may be null) sees every decoded entry.
using KeepEntry = void (*)(JobContext& job, const PacEntry& entry, const std::vector<uint8_t>& bytes);
void RepackEntries(JobContext& job, const PacSource& source, const std::string& output,
                   bool overrides, KeepEntry keep);

// Until a step's conversion exists: every entry counts as done, nothing is written.
void CountEntriesWithoutOutput(JobContext& job, const PacSource& source);

}  // namespace vn

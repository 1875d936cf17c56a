#include "converter/job/steps/Steps.h"

namespace vn {

// Step 10, BGM.pac.
void RunBgmStep(JobContext& job, const PacSource& source, const std::string& output) {
    WriteMp3Files(job, source, output, MusicTarget(job.settings));
}

}  // namespace vn

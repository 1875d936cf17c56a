#include "converter/job/steps/Steps.h"

namespace vn {

// Step 12, SystemVoice.pac.
void RunSystemVoiceStep(JobContext& job, const PacSource& source, const std::string& output) {
    WriteMp3Files(job, source, output, MusicTarget(job.settings));
}

}  // namespace vn

#include "converter/job/steps/Steps.h"

namespace vn {

// Step 13, Voice.pac.
void RunVoiceStep(JobContext& job, const PacSource& source, const std::string& output) {
    WriteMp3Archive(job, source, output, VoiceTarget(job.settings));
}

}  // namespace vn

#include "converter/job/steps/Steps.h"

namespace vn {

// Step 13, Voice.pac: until the sound conversion is here, its entries count as
// done and nothing is written.
void RunVoiceStep(JobContext& job, const PacSource& source, const std::string&) {
    CountEntriesWithoutOutput(job, source);
}

}  // namespace vn

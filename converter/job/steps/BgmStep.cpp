#include "converter/job/steps/Steps.h"

namespace vn {

// Step 10, BGM.pac: until the sound conversion is here, its entries count as
// done and nothing is written.
void RunBgmStep(JobContext& job, const PacSource& source, const std::string&) {
    CountEntriesWithoutOutput(job, source);
}

}  // namespace vn

#include "converter/job/steps/Steps.h"

namespace vn {

// Step 4, BG.pac: until the picture conversion is here, its entries count as
// done and nothing is written.
void RunBgStep(JobContext& job, const PacSource& source, const std::string&) {
    CountEntriesWithoutOutput(job, source);
}

}  // namespace vn

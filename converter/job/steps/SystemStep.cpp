#include "converter/job/steps/Steps.h"

namespace vn {

// Step 9, System.pac: until the picture conversion is here, its entries count as
// done and nothing is written.
void RunSystemStep(JobContext& job, const PacSource& source, const std::string&) {
    CountEntriesWithoutOutput(job, source);
}

}  // namespace vn

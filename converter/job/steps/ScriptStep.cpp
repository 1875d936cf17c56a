#include "converter/job/steps/Steps.h"

namespace vn {

void RunScriptStep(JobContext& job, const PacSource& source, const std::string& output) {
    RepackEntries(job, source, output, true, nullptr);
}

}  // namespace vn

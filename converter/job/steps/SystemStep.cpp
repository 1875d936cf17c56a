#include "converter/job/steps/PictureStep.h"
#include "converter/job/steps/Steps.h"

namespace vn {

// Step 9, System.pac.
void RunSystemStep(JobContext& job, const PacSource& source, const std::string& output) {
    RunPictureStep(job, source, output, PictureStep::System);
}

}  // namespace vn

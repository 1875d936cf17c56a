#include "converter/job/steps/PictureStep.h"
#include "converter/job/steps/Steps.h"

namespace vn {

// Step 5, Stand.pac.
void RunStandStep(JobContext& job, const PacSource& source, const std::string& output) {
    RunPictureStep(job, source, output, PictureStep::Stands);
}

}  // namespace vn

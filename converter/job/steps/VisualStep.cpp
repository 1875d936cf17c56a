#include "converter/job/steps/PictureStep.h"
#include "converter/job/steps/Steps.h"

namespace vn {

// Step 6, Visual.pac.
void RunVisualStep(JobContext& job, const PacSource& source, const std::string& output) {
    RunPictureStep(job, source, output, PictureStep::Visuals);
}

}  // namespace vn

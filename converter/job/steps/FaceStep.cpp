#include "converter/job/steps/PictureStep.h"
#include "converter/job/steps/Steps.h"

namespace vn {

// Step 7, Face.pac.
void RunFaceStep(JobContext& job, const PacSource& source, const std::string& output) {
    RunPictureStep(job, source, output, PictureStep::Faces);
}

}  // namespace vn

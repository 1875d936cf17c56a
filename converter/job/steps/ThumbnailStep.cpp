#include "converter/job/steps/PictureStep.h"
#include "converter/job/steps/Steps.h"

namespace vn {

// Step 8, Thumbnail.pac.
void RunThumbnailStep(JobContext& job, const PacSource& source, const std::string& output) {
    RunPictureStep(job, source, output, PictureStep::Thumbnails);
}

}  // namespace vn

#pragma once
// Steps 4 to 9: the picture archives, converted by converter/picture.

#include <string>

#include "converter/job/JobContext.h"
#include "converter/picture/PictureConversions.h"

namespace vn {

void RunPictureStep(JobContext& job, const PacSource& source, const std::string& output,
                    PictureStep step);

}  // namespace vn

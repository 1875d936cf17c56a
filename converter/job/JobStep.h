#pragma once
// The thirteen steps of a conversion as one table: which source archive,
// which output, when the step runs, and the function that does it.

#include <span>
#include <string>

#include "converter/job/JobContext.h"

namespace vn {

enum class StepGroup { Always, PicturesAndScript, Music, Voices };

// output: the Shift-JIS path of the step's archive or folder (empty for step 1).
using StepFunction = void (*)(JobContext& job, const PacSource& source, const std::string& output);

struct JobStep {
    int number;
    const char* source;  // the .pac file in the source folder
    const char* output;  // under data; empty when the step writes nothing
    bool vgaName;        // output gets "_vga" before ".mlz" at 100 percent and more
    StepGroup runsWhen;
    StepFunction run;
};

std::span<const JobStep> JobSteps();

bool StepRuns(const JobStep& step, const JobSettings& settings);

// The output name under data: "bg.mlz" or, for 640*480, "bg_vga.mlz".
std::string StepOutputName(const JobStep& step, int scalePercent);

}  // namespace vn

#include "converter/job/steps/Steps.h"

namespace vn {

// Every entry of Update.pac goes into the override list; nothing is written
// and the counts do not move.
void RunUpdateStep(JobContext& job, const PacSource& source, const std::string&) {
    for (const PacEntry& entry : source.directory.entries) {
        auto bytes = job.ReadEntry(source, entry);
        if (bytes) job.overrides.Append(entry.name, std::move(*bytes));
    }
}

}  // namespace vn

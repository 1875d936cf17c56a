#include "converter/job/steps/Steps.h"

#include "formats/text/ShiftJis.h"

namespace vn {
namespace {

// The picture steps need these two tables.
void KeepTables(JobContext& job, const PacEntry& entry, const std::vector<uint8_t>& bytes) {
    if (NameEquals(entry.name, "StandInfo.DAT")) job.standTable = bytes;
    if (NameEquals(entry.name, "VisualInfo.DAT")) job.visualTable = bytes;
}

}  // namespace

void RunTableStep(JobContext& job, const PacSource& source, const std::string& output) {
    RepackEntries(job, source, output, false, KeepTables);
}

}  // namespace vn

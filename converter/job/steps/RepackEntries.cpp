#include "converter/job/steps/Steps.h"

#include "engine/platform/host/Cp932.h"
#include "formats/mlz/MlzLayout.h"
#include "formats/mlz/MlzWriter.h"

namespace vn {

void RepackEntries(JobContext& job, const PacSource& source, const std::string& output,
                   bool overrides, KeepEntry keep) {
    const auto& entries = source.directory.entries;
    MlzWriter writer(job.files);
    if (!writer.Create(output.c_str(), static_cast<uint32_t>(entries.size()))) {
        job.WriteFailed(output, writer.LastError());
        return;
    }
    bool complete = true;
    for (uint32_t i = 0; i < entries.size(); ++i) {
        const PacEntry& entry = entries[i];
        job.progress.SetEntryName(entry.name);
        auto bytes = job.ReadEntry(source, entry);
        const OverrideEntry* replacement = overrides ? job.overrides.Find(entry.name) : nullptr;
        // An override stands in even for an entry of Script.pac that does not decode.
        if (replacement) bytes = replacement->bytes;
        if (bytes) {
            if (keep) keep(job, entry, *bytes);
            if (!writer.AddEntry(i, entry.name, *bytes, kMlzMethodLzss)) {
                job.WriteFailed(output + ": " + entry.name, writer.LastError());
                complete = false;
            }
        }
        job.progress.AddDone();
    }
    if (!writer.Finish() && complete) job.WriteFailed(output, writer.LastError());
}

}  // namespace vn

#pragma once
// Everything a job step works with: the settings, the files, the progress
// counters, the log, and what earlier steps kept for later ones.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "converter/audio/Mp3Encoder.h"
#include "converter/job/JobLog.h"
#include "converter/job/JobProgress.h"
#include "converter/job/JobSettings.h"
#include "converter/job/OverrideList.h"
#include "converter/pac/PacReader.h"
#include "formats/io/FileSystem.h"

namespace vn {

// One opened source archive: its path and its directory.
struct PacSource {
    std::string path;  // Shift-JIS
    PacDirectory directory;
};

// folder + "\" + name, without doubling a trailing backslash (a kanji's
// second byte 0x5C is not one).
std::string JoinPath(const std::string& folder, const char* name);

class JobContext {
public:
    JobContext(const JobSettings& settings, FileSystem& files, JobProgress& progress, JobLog& log)
        : settings(settings), files(files), progress(progress), log_(log) {}

    const JobSettings& settings;
    FileSystem& files;
    JobProgress& progress;

    OverrideList overrides;               // from Update.pac
    std::vector<uint8_t> standTable;      // StandInfo.DAT, from Table.pac
    std::vector<uint8_t> visualTable;     // VisualInfo.DAT, from Table.pac

    // outputFolder\data\name (name may hold further backslashes).
    std::string DataPath(const char* name) const;

    // The decoded entry; a failure is noted, counted as skipped, and the
    // caller converts the entry as absent.
    std::optional<std::vector<uint8_t>> ReadEntry(const PacSource& source, const PacEntry& entry);

    // The encoder, loaded on first use on the worker thread.
    Mp3Encoder& Encoder();

    // Notes an output that could not be written completely.
    void WriteFailed(const std::string& what, const std::string& why);
    void Note(const std::string& utf8Message) { log_.Note(utf8Message); }

private:
    JobLog& log_;
    std::unique_ptr<Mp3Encoder> encoder_;
};

}  // namespace vn

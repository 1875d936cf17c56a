#pragma once
// Converts one picture archive of the PC game (BG, Stand, Visual, Face,
// Thumbnail or System .pac) into its handheld .mlz archive: every entry in
// source order, converted by its archive's rule, written as RBP (or copied),
// compressed, under the same directory index.

#include <cstdint>
#include <span>
#include <string>

#include "converter/pac/PacReader.h"
#include "converter/picture/PictureConversions.h"
#include "formats/io/FileSystem.h"

namespace vn {

// The job's counters and log as the picture steps use them. Names and
// messages are Shift-JIS.
class PictureProgress {
  public:
    virtual ~PictureProgress() = default;
    virtual void AddTotal(uint32_t count) = 0;
    virtual void SetEntryName(const char* name) = 0;
    virtual void AddDone() = 0;
    virtual void AddSkipped() = 0;       // an entry that is no usable picture
    virtual void AddWriteFailure() = 0;  // an entry or archive not written
    virtual void Note(const std::string& message) = 0;
};

struct PictureArchiveJob {
    FileSystem& files;
    PictureProgress& progress;
    int scalePercent = 50;                 // 50 for 320 × 240, 100 for 640 × 480
    int qualityIndex = 0;                  // 0 to 3
    std::span<const uint8_t> standTable;   // StandInfo.DAT, may be empty
    std::span<const uint8_t> visualTable;  // VisualInfo.DAT, may be empty
};

enum class PictureArchiveResult { Written, SourceMissing, Failed };

// Converts the entries of the opened archive at pacPath into outputPath;
// every entry counts as done. An entry that does not decode keeps an
// all-zero record; one that is no usable picture becomes an empty entry.
// False when the archive could not be written completely.
bool ConvertPictureEntries(PictureStep step, const PictureArchiveJob& job, const char* pacPath,
                           const PacDirectory& directory, const char* outputPath);

// Opens pacPath, adds its entry count to the total and converts it.
PictureArchiveResult ConvertPictureArchive(PictureStep step, const PictureArchiveJob& job,
                                           const char* pacPath, const char* outputPath);

}  // namespace vn

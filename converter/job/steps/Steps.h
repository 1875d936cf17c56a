#pragma once
// One function per conversion step, each in its own file.

#include <string>

#include "converter/audio/WaveToMp3.h"
#include "converter/job/JobContext.h"

namespace vn {

void RunUpdateStep(JobContext& job, const PacSource& source, const std::string& output);
void RunScriptStep(JobContext& job, const PacSource& source, const std::string& output);
void RunTableStep(JobContext& job, const PacSource& source, const std::string& output);
void RunBgStep(JobContext& job, const PacSource& source, const std::string& output);
void RunStandStep(JobContext& job, const PacSource& source, const std::string& output);
void RunVisualStep(JobContext& job, const PacSource& source, const std::string& output);
void RunFaceStep(JobContext& job, const PacSource& source, const std::string& output);
void RunThumbnailStep(JobContext& job, const PacSource& source, const std::string& output);
void RunSystemStep(JobContext& job, const PacSource& source, const std::string& output);
void RunBgmStep(JobContext& job, const PacSource& source, const std::string& output);
void RunSeStep(JobContext& job, const PacSource& source, const std::string& output);
void RunSystemVoiceStep(JobContext& job, const PacSource& source, const std::string& output);
void RunVoiceStep(JobContext& job, const PacSource& source, const std::string& output);

// Shared by the steps that repack entries as they are: each entry decoded,
// replaced by its override when overrides is true, and added compressed
// under its own name. keep (may be null) sees every decoded entry.
using KeepEntry = void (*)(JobContext& job, const PacEntry& entry, const std::vector<uint8_t>& bytes);
void RepackEntries(JobContext& job, const PacSource& source, const std::string& output,
                   bool overrides, KeepEntry keep);

// The sound steps' targets: music, effects and system voices from the music
// settings; voices from the voice settings, always mono.
AudioTarget MusicTarget(const JobSettings& settings);
AudioTarget VoiceTarget(const JobSettings& settings);

// Steps 10 to 12: every entry as folder\<name>.mp3, written empty when it
// gives no MP3; an entry whose name would leave the folder writes nothing.
void WriteMp3Files(JobContext& job, const PacSource& source, const std::string& folder,
                   const AudioTarget& target);
// Step 13: the entries' MP3s stored (method 0) in one archive under their
// .mp3 names; names that are no plain file name, or too long for the
// archive, are left out.
void WriteMp3Archive(JobContext& job, const PacSource& source, const std::string& output,
                     const AudioTarget& target);

}  // namespace vn

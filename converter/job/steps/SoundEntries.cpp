#include "converter/audio/AudioEntryName.h"
#include "converter/job/steps/Steps.h"
#include "engine/platform/host/Cp932.h"
#include "formats/mlz/MlzLayout.h"
#include "formats/mlz/MlzWriter.h"

namespace vn {

namespace {

// The entry's MP3, or empty bytes (noted) when it gives none.
std::vector<uint8_t> EntryMp3(JobContext& job, const PacSource& source, const PacEntry& entry,
                              const AudioTarget& target) {
    const auto wave = job.ReadEntry(source, entry);
    if (!wave) return {};  // already noted and counted as skipped
    std::string error;
    auto mp3 = WaveToMp3(*wave, target, job.Encoder(), &error);
    if (!mp3) {
        job.Note(Cp932ToUtf8Lossy(source.path) + ": " + Cp932ToUtf8Lossy(entry.name) + ": " + error +
                 "; written empty");
        return {};
    }
    return std::move(*mp3);
}

void NoteRefusedName(JobContext& job, const PacSource& source, const PacEntry& entry,
                     const char* why) {
    job.Note(Cp932ToUtf8Lossy(source.path) + ": entry name \"" + Cp932ToUtf8Lossy(entry.name) +
             "\" " + why + "; nothing written");
}

void WriteFile(JobContext& job, const std::string& path, std::span<const uint8_t> bytes) {
    auto file = job.files.Create(path.c_str());
    if (!file) return job.WriteFailed(path, "cannot create the file");
    const bool written = bytes.empty() || file->Write(bytes);
    if (!file->Close() || !written) job.WriteFailed(path, "cannot write the file");
}

}  // namespace

AudioTarget MusicTarget(const JobSettings& s) {
    return {s.musicBitrateIndex, s.musicRateIndex, s.musicStereo};
}

AudioTarget VoiceTarget(const JobSettings& s) { return {s.voiceBitrateIndex, s.voiceRateIndex, false}; }

void WriteMp3Files(JobContext& job, const PacSource& source, const std::string& folder,
                   const AudioTarget& target) {
    for (const PacEntry& entry : source.directory.entries) {
        job.progress.SetEntryName(entry.name);
        // The name comes from the archive: it must not point outside the folder.
        const auto name = Mp3EntryName(entry.name);
        if (!name) {
            NoteRefusedName(job, source, entry, "is not a plain file name");
        } else {
            WriteFile(job, JoinPath(folder, name->c_str()), EntryMp3(job, source, entry, target));
        }
        job.progress.AddDone();
    }
}

void WriteMp3Archive(JobContext& job, const PacSource& source, const std::string& output,
                     const AudioTarget& target) {
    const auto& entries = source.directory.entries;
    std::vector<std::optional<std::string>> names;
    uint32_t kept = 0;
    for (const PacEntry& entry : entries) {
        auto name = Mp3EntryName(entry.name);
        if (name && name->size() >= kMlzNameSize) name.reset();
        kept += name ? 1 : 0;
        names.push_back(std::move(name));
    }
    MlzWriter writer(job.files);
    if (!writer.Create(output.c_str(), kept)) return job.WriteFailed(output, writer.LastError());
    bool complete = true;
    uint32_t index = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const PacEntry& entry = entries[i];
        job.progress.SetEntryName(entry.name);
        if (!names[i]) {
            NoteRefusedName(job, source, entry, "is not a plain file name of at most 63 bytes");
        } else {
            const std::vector<uint8_t> mp3 = EntryMp3(job, source, entry, target);
            if (!writer.AddEntry(index++, names[i]->c_str(), mp3, kMlzMethodStored)) {
                job.WriteFailed(output + ": " + names[i]->c_str(), writer.LastError());
                complete = false;
            }
        }
        job.progress.AddDone();
    }
    if (!writer.Finish() && complete) job.WriteFailed(output, writer.LastError());
}

}  // namespace vn

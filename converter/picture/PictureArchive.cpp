#include "converter/picture/PictureArchive.h"

#include "converter/picture/PictureNames.h"
#include "formats/mlz/MlzLayout.h"
#include "formats/mlz/MlzWriter.h"
#include "formats/rbp/RbpWriter.h"

namespace vn {
namespace {

class PacEntryReader : public EntryReader {
  public:
    PacEntryReader(const PictureArchiveJob& job, const char* path, const PacDirectory& directory)
        : job_(job), path_(path), directory_(directory) {}

    std::optional<std::vector<uint8_t>> ReadNamed(const std::string& name) override {
        const PacEntry* entry = PacFind(directory_, name.c_str());
        if (entry == nullptr) return std::nullopt;
        return Read(*entry);
    }

    std::optional<std::vector<uint8_t>> Read(const PacEntry& entry) {
        std::string error;
        auto bytes = PacReadEntry(job_.files, path_, entry, directory_.header.method, &error);
        if (!bytes) Note(std::string(entry.name) + ": " + error);
        return bytes;
    }

    void Note(const std::string& message) override { job_.progress.Note(message); }

  private:
    const PictureArchiveJob& job_;
    const char* path_;
    const PacDirectory& directory_;
};

// The bytes stored for a converted entry; empty for a failed one.
std::vector<uint8_t> Encode(const PictureArchiveJob& job, const std::string& name,
                            const ConvertedEntry& c) {
    using Kind = ConvertedEntry::Kind;
    if (c.kind == Kind::Mask) return RbpMaskFromPicture(c.picture.Picture());
    if (c.kind != Kind::Picture) return {};
    auto rbp = RbpFromPicture(c.picture.Picture(), job.qualityIndex, c.placementX, c.placementY);
    if (!rbp) {
        job.progress.Note(name + ": the picture could not be encoded");
        return {};
    }
    return std::move(*rbp);
}

bool ConvertEntry(PictureStep step, const PictureArchiveJob& job, PacEntryReader& reader,
                  const PictureSettings& settings, MlzWriter& writer, uint32_t index,
                  const PacEntry& entry) {
    using Kind = ConvertedEntry::Kind;
    const std::string name = entry.name;
    const auto read = reader.Read(entry);
    if (!read) {
        job.progress.AddSkipped();  // noted by the reader; the record stays zero
        return true;
    }
    const std::vector<uint8_t>& bytes = *read;
    const ConvertedEntry c = ConvertPictureEntry(step, name, bytes, settings, reader);
    if (c.kind == Kind::Skip) return true;
    if (c.kind == Kind::Failed) job.progress.AddSkipped();
    const bool added = c.kind == Kind::Copy
                           ? writer.AddEntry(index, name.c_str(), bytes, kMlzMethodLzss)
                           : writer.AddEntry(index, ReplaceExtension(name, ".rbp").c_str(),
                                             Encode(job, name, c), kMlzMethodLzss);
    if (!added) {
        job.progress.Note(name + ": " + writer.LastError());
        job.progress.AddWriteFailure();
    }
    return added;
}

}  // namespace

bool ConvertPictureEntries(PictureStep step, const PictureArchiveJob& job, const char* pacPath,
                           const PacDirectory& directory, const char* outputPath) {
    const auto count = static_cast<uint32_t>(directory.entries.size());
    MlzWriter writer(job.files);
    if (!writer.Create(outputPath, count)) {
        job.progress.Note(std::string(outputPath) + ": " + writer.LastError());
        job.progress.AddWriteFailure();
        return false;
    }
    const PictureSettings settings{job.scalePercent, job.standTable, job.visualTable};
    PacEntryReader reader(job, pacPath, directory);
    bool complete = true;
    for (uint32_t i = 0; i < count; ++i) {
        const PacEntry& entry = directory.entries[i];
        job.progress.SetEntryName(entry.name);
        complete = ConvertEntry(step, job, reader, settings, writer, i, entry) && complete;
        job.progress.AddDone();
    }
    if (!writer.Finish()) {
        job.progress.Note(std::string(outputPath) + ": " + writer.LastError());
        job.progress.AddWriteFailure();
        return false;
    }
    return complete;
}

PictureArchiveResult ConvertPictureArchive(PictureStep step, const PictureArchiveJob& job,
                                           const char* pacPath, const char* outputPath) {
    std::string error;
    const auto directory = PacOpen(job.files, pacPath, &error);
    if (!directory) {
        if (error.empty()) return PictureArchiveResult::SourceMissing;
        job.progress.Note(std::string(pacPath) + ": " + error);
        return PictureArchiveResult::Failed;
    }
    job.progress.AddTotal(static_cast<uint32_t>(directory->entries.size()));
    return ConvertPictureEntries(step, job, pacPath, *directory, outputPath)
               ? PictureArchiveResult::Written
               : PictureArchiveResult::Failed;
}

}  // namespace vn

#include "formats/mlz/MlzArchive.h"

#include "formats/text/ShiftJis.h"

namespace vn {

std::optional<std::vector<uint8_t>> MlzArchive::Fail(std::string message) {
    error_ = std::move(message);
    return std::nullopt;
}

const std::vector<uint8_t>* MlzArchive::LoadDirectory(const char* path) {
    if (hasDirectory_ && NameEquals(path_.c_str(), path)) return &directory_;
    const int64_t size = files_.FileSize(path);
    uint8_t head[kMlzHeaderSize];
    if (size < 0 || files_.ReadAt(path, 0, head) < 0) {
        error_ = "cannot open the archive";
        return nullptr;
    }
    if (size < kMlzHeaderSize) {
        error_ = "not an MLZ archive (file too short)";
        return nullptr;
    }
    const auto header = vn::ReadRecord<MlzHeader>(head);
    if (header.magic[0] != 'R' || header.magic[1] != 'L' || header.magic[2] != 'Z' ||
        (header.magic[3] != '2' && header.magic[3] != '3')) {
        error_ = "not an MLZ archive (wrong magic)";
        return nullptr;
    }
    // The entry count is outside data: the directory must lie in the file.
    const uint64_t directorySize = MlzDataStart(header.entryCount);
    if (directorySize > static_cast<uint64_t>(size)) {
        error_ = "entry count does not fit the file";
        return nullptr;
    }
    std::vector<uint8_t> directory(directorySize);
    if (files_.ReadAt(path, 0, directory) != static_cast<int64_t>(directorySize)) {
        error_ = "cannot read the archive directory";
        return nullptr;
    }
    directory_ = std::move(directory);
    path_ = path;
    fileSize_ = size;
    hasDirectory_ = true;
    return &directory_;
}

uint32_t MlzArchive::EntryCount() const {
    return hasDirectory_ ? GetU32(directory_.data() + 4) : 0;
}

MlzEntry MlzArchive::Entry(uint32_t index) const {
    if (index >= EntryCount()) return {};
    return vn::ReadRecord<MlzEntry>(
        std::span(directory_).subspan(kMlzHeaderSize + index * kMlzEntrySize, kMlzEntrySize));
}

std::optional<std::vector<uint8_t>> MlzArchive::ReadEntry(const char* path, const char* name) {
    if (LoadDirectory(path) == nullptr) return std::nullopt;
    const uint32_t count = EntryCount();
    for (uint32_t i = 0; i < count; ++i) {
        const MlzEntry entry = Entry(i);
        if (entry.name[0] != '\0' && NameEquals(name, entry.name)) return ReadRecord(path, entry);
    }
    return Fail("no such entry");
}

std::optional<std::vector<uint8_t>> MlzArchive::ReadEntryAt(const char* path, uint32_t index) {
    if (LoadDirectory(path) == nullptr) return std::nullopt;
    if (index >= EntryCount()) return Fail("entry index beyond the directory");
    return ReadRecord(path, Entry(index));
}

std::optional<std::vector<uint8_t>> MlzArchive::ReadRecord(const char* path,
                                                           const MlzEntry& entry) {
    const uint64_t start = MlzDataStart(EntryCount()) + entry.dataOffset;
    if (start + entry.storedSize > static_cast<uint64_t>(fileSize_)) {
        return Fail("entry data lies outside the file");
    }
    // Eight matches of 17 bytes per 17 stored bytes is the most a stream can
    // describe; a larger expanded size is a lie and is not allocated.
    if (entry.method == kMlzMethodLzss && entry.expandedSize > uint64_t{entry.storedSize} * 8) {
        return Fail("expanded size cannot come from the stored data");
    }
    std::vector<uint8_t> stored(entry.storedSize);
    if (!stored.empty() && files_.ReadAt(path, start, stored) != static_cast<int64_t>(stored.size())) {
        return Fail("cannot read the entry data");
    }
    if (entry.method != kMlzMethodLzss) return stored;
    std::vector<uint8_t> expanded(entry.expandedSize);
    switch (expander_.Expand(expanded, stored)) {
        case LzssResult::Ok: return expanded;
        case LzssResult::Overrun: return Fail("compressed data exceeds the expanded size");
        case LzssResult::ShortData: return Fail("compressed data ends early");
    }
    return std::nullopt;
}

}  // namespace vn

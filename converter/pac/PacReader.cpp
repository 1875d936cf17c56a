#include "converter/pac/PacReader.h"

#include "converter/pac/PacDecode.h"
#include "formats/text/ShiftJis.h"

namespace vn {
namespace {

template <class T>
std::optional<T> Refuse(std::string* error, std::string why) {
    if (error) *error = std::move(why);
    return std::nullopt;
}

}  // namespace

std::optional<PacDirectory> PacOpen(FileSystem& files, const char* path, std::string* error) {
    if (error) error->clear();
    const int64_t fileSize = files.FileSize(path);
    if (fileSize < 0) return std::nullopt;
    uint8_t head[kPacHeaderSize];
    if (files.ReadAt(path, 0, head) != kPacHeaderSize) {
        return Refuse<PacDirectory>(error, "shorter than a PAC header");
    }
    PacDirectory dir;
    dir.header = ReadRecord<PacHeader>(head);
    // The count is checked against the file before anything is allocated.
    const uint64_t size = PacDirectorySize(dir.header.entryCount);
    if (size > static_cast<uint64_t>(fileSize)) {
        return Refuse<PacDirectory>(error, "directory larger than the file");
    }
    std::vector<uint8_t> bytes(size);
    if (files.ReadAt(path, 0, bytes) != static_cast<int64_t>(size)) {
        return Refuse<PacDirectory>(error, "cannot read the directory");
    }
    dir.entries.reserve(dir.header.entryCount);
    for (uint32_t i = 0; i < dir.header.entryCount; ++i) {
        const uint64_t at = kPacHeaderSize + uint64_t{kPacEntrySize} * i;
        dir.entries.push_back(
            ReadRecord<PacEntry>(std::span(bytes).subspan(at, kPacEntrySize)));
    }
    return dir;
}

std::optional<std::vector<uint8_t>> PacDecode(std::span<const uint8_t> stored,
                                              uint32_t expandedSize, uint32_t method,
                                              std::string* error) {
    if (method == kPacMethodLzss) return PacLzssExpand(stored, expandedSize, error);
    if (method != kPacMethodStored) return PacHuffmanExpand(stored, expandedSize, error);
    if (stored.size() < expandedSize) {
        return Refuse<std::vector<uint8_t>>(error, "stored entry shorter than its expanded size");
    }
    return std::vector<uint8_t>(stored.begin(), stored.begin() + expandedSize);
}

std::optional<std::vector<uint8_t>> PacReadEntry(FileSystem& files, const char* path,
                                                 const PacEntry& entry, uint32_t method,
                                                 std::string* error) {
    const int64_t fileSize = files.FileSize(path);
    if (fileSize < 0) return Refuse<std::vector<uint8_t>>(error, "archive cannot be opened");
    if (uint64_t{entry.offset} + entry.storedSize > static_cast<uint64_t>(fileSize)) {
        return Refuse<std::vector<uint8_t>>(error, "stored bytes lie outside the file");
    }
    std::vector<uint8_t> stored(entry.storedSize);
    if (files.ReadAt(path, entry.offset, stored) != static_cast<int64_t>(stored.size())) {
        return Refuse<std::vector<uint8_t>>(error, "short read of the stored bytes");
    }
    return PacDecode(stored, entry.expandedSize, method, error);
}

const PacEntry* PacFind(const PacDirectory& directory, const char* name) {
    for (const PacEntry& e : directory.entries) {
        if (NameEquals(e.name, name)) return &e;
    }
    return nullptr;
}

}  // namespace vn

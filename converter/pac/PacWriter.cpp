#include "converter/pac/PacWriter.h"

#include <cstring>

#include "converter/pac/PacEncode.h"

namespace vn {

bool PacWriter::Fail(std::string message) {
    error_ = std::move(message);
    return false;
}

bool PacWriter::Add(const char* name, std::span<const uint8_t> bytes) {
    const size_t length = std::strlen(name);
    if (length == 0 || length >= kPacNameSize) return Fail("entry name empty or longer than 63 bytes");
    if (bytes.size() > kPacMaxExpandedSize) return Fail("entry larger than the reader accepts");
    Item item;
    std::memcpy(item.entry.name, name, length);
    item.entry.expandedSize = static_cast<uint32_t>(bytes.size());
    if (method_ == kPacMethodStored) {
        item.stored.assign(bytes.begin(), bytes.end());
    } else if (method_ == kPacMethodLzss) {
        item.stored = PacLzssCompress(bytes);
    } else {
        item.stored = PacHuffmanCompress(bytes);
    }
    item.entry.storedSize = static_cast<uint32_t>(item.stored.size());
    entries_.push_back(std::move(item));
    return true;
}

std::optional<std::vector<uint8_t>> PacWriter::Build() {
    const uint32_t count = static_cast<uint32_t>(entries_.size());
    uint64_t total = PacDirectorySize(count);
    for (const Item& item : entries_) total += item.stored.size();
    if (total > UINT32_MAX) {
        Fail("archive larger than 4 GB");
        return std::nullopt;
    }
    std::vector<uint8_t> out(PacDirectorySize(count), 0);
    PacHeader header;
    header.entryCount = count;
    header.method = method_;
    WriteRecord(std::span(out).first(kPacHeaderSize), header);
    for (uint32_t i = 0; i < count; ++i) {
        PacEntry entry = entries_[i].entry;
        entry.offset = static_cast<uint32_t>(out.size());
        WriteRecord(std::span(out).subspan(kPacHeaderSize + size_t{kPacEntrySize} * i, kPacEntrySize),
                    entry);
        out.insert(out.end(), entries_[i].stored.begin(), entries_[i].stored.end());
    }
    return out;
}

bool PacWriter::WriteFile(FileSystem& files, const char* path) {
    const auto bytes = Build();
    if (!bytes) return false;
    auto file = files.Create(path);
    if (!file) return Fail("cannot create the archive file");
    if (!file->Write(*bytes)) return Fail("cannot write the archive");
    if (!file->Close()) return Fail("cannot close the archive");
    return true;
}

}  // namespace vn

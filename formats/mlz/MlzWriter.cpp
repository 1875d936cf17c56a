#include "formats/mlz/MlzWriter.h"

#include <cstring>

#include "formats/mlz/MlzLayout.h"

namespace vn {

bool MlzWriter::Fail(std::string message) {
    error_ = std::move(message);
    return false;
}

bool MlzWriter::Create(const char* path, uint32_t entryCount) {
    file_ = files_.Create(path);
    if (!file_) return Fail("cannot create the archive file");
    entryCount_ = entryCount;
    dataSize_ = 0;
    directory_.assign(MlzDataStart(entryCount), 0);
    filled_.assign(entryCount, false);
    MlzHeader header;
    header.entryCount = entryCount;
    WriteRecord(std::span(directory_).first(kMlzHeaderSize), header);
    if (!file_->Write(directory_)) return Fail("cannot write the archive directory");
    return true;
}

bool MlzWriter::Add(uint32_t index, const char* name, std::span<const uint8_t> stored,
                    uint32_t expandedSize, uint32_t method) {
    if (!file_) return Fail("the archive is not open");
    if (index >= entryCount_) return Fail("entry index beyond the directory");
    if (filled_[index]) return Fail("directory record written twice");
    if (std::strlen(name) >= kMlzNameSize) return Fail("entry name longer than 63 bytes");
    // Offsets and the total size are 32-bit fields.
    if (MlzDataStart(entryCount_) + dataSize_ + stored.size() > UINT32_MAX) {
        return Fail("archive larger than 4 GB");
    }
    if (!stored.empty() && !file_->Write(stored)) return Fail("cannot write entry data");
    MlzEntry entry;
    std::memcpy(entry.name, name, std::strlen(name));
    entry.storedSize = static_cast<uint32_t>(stored.size());
    entry.expandedSize = expandedSize;
    entry.method = method;
    entry.dataOffset = static_cast<uint32_t>(dataSize_);
    WriteRecord(std::span(directory_).subspan(kMlzHeaderSize + index * kMlzEntrySize, kMlzEntrySize),
                entry);
    filled_[index] = true;
    dataSize_ += stored.size();
    return true;
}

bool MlzWriter::AddEntry(uint32_t index, const char* name, std::span<const uint8_t> bytes,
                         uint32_t method) {
    const auto expanded = static_cast<uint32_t>(bytes.size());
    if (method == kMlzMethodLzss) {
        auto packed = compressor_.Compress(bytes);
        if (!packed) return Add(index, name, {}, 0, kMlzMethodStored);
        return Add(index, name, *packed, expanded, kMlzMethodLzss);
    }
    return Add(index, name, bytes, expanded, method);
}

bool MlzWriter::Finish() {
    if (!file_) return Fail("the archive is not open");
    MlzHeader header;
    header.entryCount = entryCount_;
    header.totalSize = static_cast<uint32_t>(MlzDataStart(entryCount_) + dataSize_);
    WriteRecord(std::span(directory_).first(kMlzHeaderSize), header);
    const bool written = file_->WriteAt(0, directory_);
    const bool closed = file_->Close();
    file_.reset();
    if (!written || !closed) return Fail("cannot write the archive directory");
    return true;
}

}  // namespace vn

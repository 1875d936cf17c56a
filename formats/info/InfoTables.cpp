#include "formats/info/InfoTables.h"

#include "formats/mlz/MlzArchive.h"
#include "formats/text/FormatString.h"
#include "formats/text/ShiftJis.h"

namespace vn {
namespace {

struct TableKind {
    const char* entryName;
    uint32_t recordSize;
};

constexpr TableKind kTables[kInfoTableCount] = {
    {"StandInfo.DAT", 224}, {"VisualInfo.DAT", 228}, {"BgmInfo.DAT", 36},
    {"CGInfo.DAT", 1280},   {"SceneInfo.DAT", 960},
};

}  // namespace

const char* InfoTables::EntryName(InfoTable table) { return kTables[Index(table)].entryName; }
uint32_t InfoTables::RecordSize(InfoTable table) { return kTables[Index(table)].recordSize; }

int InfoTables::Load(MlzArchive& archive, const char* archivePath) {
    int found = 0;
    for (int i = 0; i < kInfoTableCount; ++i) {
        const auto table = static_cast<InfoTable>(i);
        auto bytes = archive.ReadEntry(archivePath, EntryName(table));
        if (bytes) {
            Set(table, std::move(*bytes));
            ++found;
        }
    }
    return found;
}

void InfoTables::Set(InfoTable table, std::vector<uint8_t> bytes) {
    bytes_[Index(table)] = std::move(bytes);
    present_[Index(table)] = true;
}

int InfoTables::Count(InfoTable table) const {
    if (!Has(table)) return 0;
    return static_cast<int>(bytes_[Index(table)].size() / RecordSize(table));
}

std::span<const uint8_t> InfoTables::RecordBytes(InfoTable table, int index) const {
    if (index < 0 || index >= Count(table)) return {};
    const uint32_t size = RecordSize(table);
    return std::span<const uint8_t>(bytes_[Index(table)]).subspan(size_t{size} * index, size);
}

int InfoTables::FindVisualByDifference(const char* name) const {
    if (name[0] == '\0') return -1;  // would match every record without a difference
    for (int i = 0; i < Count(InfoTable::Visual); ++i) {
        if (NameEquals(Visual(i)->differenceName, name)) return i;
    }
    return -1;
}

int InfoTables::FindStandByVariant(const char* name) const {
    if (name[0] == '\0') return -1;
    for (int i = 0; i < Count(InfoTable::Stand); ++i) {
        if (NameEquals(Stand(i)->variantName, name)) return i;
    }
    return -1;
}

const char* VisualPictureName(const VisualRecord& record) {
    return record.differenceName[0] != '\0' ? record.differenceName : record.baseName;
}

std::string ThumbnailName(int index) { return FormatString("Thum_%z3.bmp", {index}); }

std::string ReplaceExtension(const char* name, const char* extension) {
    const char* dot = FindLast(name, '.');
    std::string out = dot != nullptr ? std::string(name, dot) : std::string(name);
    return out + extension;
}

}  // namespace vn

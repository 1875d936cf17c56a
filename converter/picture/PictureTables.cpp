#include "converter/picture/PictureTables.h"

#include "converter/picture/PictureNames.h"
#include "formats/io/RecordFields.h"
#include "formats/text/ShiftJis.h"

namespace vn {

namespace {

template <class Record, class Match>
std::optional<Record> FindFirst(std::span<const uint8_t> table, size_t size, Match match) {
    for (size_t at = 0; at + size <= table.size(); at += size) {
        Record r = ReadRecord<Record>(table.subspan(at, size));
        if (match(r)) return r;
    }
    return std::nullopt;
}

}  // namespace

std::optional<VisualRecord> FindVisualByDifference(std::span<const uint8_t> table,
                                                   const std::string& name) {
    return FindFirst<VisualRecord>(table, kVisualRecordSize, [&](const VisualRecord& r) {
        return NameEquals(r.differenceName, name.c_str());
    });
}

std::optional<StandRecord> FindStandByVariant(std::span<const uint8_t> table,
                                              const std::string& name) {
    return FindFirst<StandRecord>(table, kStandRecordSize, [&](const StandRecord& r) {
        return NameEquals(r.variantName, name.c_str());
    });
}

std::optional<StandRecord> FindStandByBaseBitmap(std::span<const uint8_t> table,
                                                 const std::string& name) {
    return FindFirst<StandRecord>(table, kStandRecordSize, [&](const StandRecord& r) {
        return r.standName[0] != '\0' &&
               NameEquals(ReplaceExtension(r.standName, ".bmp").c_str(), name.c_str());
    });
}

std::optional<StandDescriptor> ReadStandDescriptor(std::span<const uint8_t> bytes) {
    if (bytes.size() < kStandDescriptorSize) return std::nullopt;
    StandDescriptor d;
    // The base name runs from offset 8 up to its terminator, at most to the
    // Y field at 60.
    for (size_t i = 8; i < 60 && bytes[i] != 0; ++i) d.baseName += static_cast<char>(bytes[i]);
    d.y = static_cast<int32_t>(GetU32(&bytes[60]));
    d.x = static_cast<int32_t>(GetU32(&bytes[64]));
    return d;
}

}  // namespace vn

#pragma once
// The converter's look-ups in the standing picture and visual tables and in
// standing picture descriptors. Tables are raw copies of the table entries;
// the record count follows from their size, a partial last record is ignored.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "formats/info/InfoTables.h"

namespace vn {

struct StandDescriptor {
    std::string baseName;
    int32_t x = 0;
    int32_t y = 0;
};

constexpr size_t kStandRecordSize = 224;
constexpr size_t kVisualRecordSize = 228;
constexpr size_t kStandDescriptorSize = 68;

// The first visual record whose difference name equals name.
std::optional<VisualRecord> FindVisualByDifference(std::span<const uint8_t> table,
                                                   const std::string& name);
// The first standing picture record whose variant name equals name.
std::optional<StandRecord> FindStandByVariant(std::span<const uint8_t> table,
                                              const std::string& name);
// The first record whose descriptor name, with the extension ".bmp", equals
// name.
std::optional<StandRecord> FindStandByBaseBitmap(std::span<const uint8_t> table,
                                                 const std::string& name);

// A descriptor entry; nullopt when it is too short to hold its fields.
std::optional<StandDescriptor> ReadStandDescriptor(std::span<const uint8_t> bytes);

}  // namespace vn

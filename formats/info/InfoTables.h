#pragma once
// The five info tables of Table.mlz, kept as loaded. Records are read by
// index with bounds: an index outside a table, or an absent table, gives
// none. Bytes neither program reads stay as they are in the buffers.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/io/RecordFields.h"

namespace vn {

class MlzArchive;

enum class InfoTable { Stand, Visual, Bgm, Gallery, Scene };
constexpr int kInfoTableCount = 5;

struct StandRecord {
    char faceName[33] = {};
    char standName[33] = {};    // descriptor entry of the base picture
    char variantName[33] = {};  // empty: the base picture alone
    int32_t variantX = 0;       // 640 × 480 coordinates
    int32_t variantY = 0;
};

template <class F>
void Describe(F& f, StandRecord& r) {
    f.Text(0, r.faceName, 32);
    f.Text(32, r.standName, 32);
    f.Text(64, r.variantName, 32);
    f.I32(96, r.variantX);
    f.I32(100, r.variantY);
}

struct VisualRecord {
    char baseName[65] = {};
    char differenceName[33] = {};  // empty for a picture without a base
    int32_t x = 0;
    int32_t y = 0;
};

template <class F>
void Describe(F& f, VisualRecord& r) {
    f.Text(4, r.baseName, 64);
    f.Text(68, r.differenceName, 32);
    f.I32(100, r.x);
    f.I32(104, r.y);
}

struct BgmRecord {
    char fileName[37] = {};
};

template <class F>
void Describe(F& f, BgmRecord& r) {
    f.Text(0, r.fileName, 36);
}

// Groups of 20 visual record indices; -1 marks an empty slot.
template <int Groups>
struct IndexBlock {
    std::array<std::array<int32_t, 20>, Groups> slots{};
};
using GalleryBlock = IndexBlock<16>;  // CGInfo.DAT
using SceneBlock = IndexBlock<12>;    // SceneInfo.DAT

template <class F, int Groups>
void Describe(F& f, IndexBlock<Groups>& b) {
    for (int g = 0; g < Groups; ++g)
        for (int i = 0; i < 20; ++i) f.I32((g * 20 + i) * 4, b.slots[g][i]);
}

class InfoTables {
  public:
    static const char* EntryName(InfoTable table);  // "StandInfo.DAT", …
    static uint32_t RecordSize(InfoTable table);    // 224, 228, 36, 1280, 960

    // Reads the five entries from the archive; a missing entry leaves its
    // table absent. Returns how many were found.
    int Load(MlzArchive& archive, const char* archivePath);
    void Set(InfoTable table, std::vector<uint8_t> bytes);

    bool Has(InfoTable table) const { return present_[Index(table)]; }
    // Whole records only; 0 for an absent table.
    int Count(InfoTable table) const;
    // The raw bytes of one record, or empty.
    std::span<const uint8_t> RecordBytes(InfoTable table, int index) const;

    std::optional<StandRecord> Stand(int index) const {
        return Get<StandRecord>(InfoTable::Stand, index);
    }
    std::optional<VisualRecord> Visual(int index) const {
        return Get<VisualRecord>(InfoTable::Visual, index);
    }
    std::optional<BgmRecord> Bgm(int index) const { return Get<BgmRecord>(InfoTable::Bgm, index); }
    std::optional<GalleryBlock> Gallery(int index) const {
        return Get<GalleryBlock>(InfoTable::Gallery, index);
    }
    std::optional<SceneBlock> Scene(int index) const {
        return Get<SceneBlock>(InfoTable::Scene, index);
    }

    // First record whose name field equals name (NameEquals), or -1.
    int FindVisualByDifference(const char* name) const;
    int FindStandByVariant(const char* name) const;

  private:
    static int Index(InfoTable table) { return static_cast<int>(table); }
    template <class Record>
    std::optional<Record> Get(InfoTable table, int index) const {
        const auto bytes = RecordBytes(table, index);
        if (bytes.empty()) return std::nullopt;
        return ReadRecord<Record>(bytes);
    }

    std::array<std::vector<uint8_t>, kInfoTableCount> bytes_;
    std::array<bool, kInfoTableCount> present_{};
};

// The picture a visual record stands for: its difference name when not
// empty, else its base name.
const char* VisualPictureName(const VisualRecord& record);

// "Thum_" + three digits + ".bmp": the thumbnail of visual record index.
std::string ThumbnailName(int index);

// name with its extension (from the last '.') replaced by extension, which
// includes the dot; appended when name has none.
std::string ReplaceExtension(const char* name, const char* extension);

}  // namespace vn

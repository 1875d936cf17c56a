#pragma once
// What each picture archive does with one entry: the alpha rule of its
// archive, composition onto a base picture where a table says so, scaling,
// and the placement values. Pure: other entries come through EntryReader.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "converter/picture/ConvPicture.h"

namespace vn {

enum class PictureStep { Backgrounds, Stands, Visuals, Faces, Thumbnails, System };

// Reads other entries of the same archive by name (descriptors, base
// pictures, masks); nullopt when the archive does not hold one.
class EntryReader {
  public:
    virtual ~EntryReader() = default;
    virtual std::optional<std::vector<uint8_t>> ReadNamed(const std::string& name) = 0;
    // A problem worth telling the user; the conversion goes on.
    virtual void Note(const std::string& message) = 0;
};

struct PictureSettings {
    int scalePercent = 50;
    std::span<const uint8_t> standTable;   // StandInfo.DAT
    std::span<const uint8_t> visualTable;  // VisualInfo.DAT
};

struct ConvertedEntry {
    enum class Kind {
        Picture,  // an RBP picture under the name with ".rbp"
        Mask,     // a type 9 RBP mask under the name with ".rbp"
        Copy,     // the entry's own bytes under its own name
        Skip,     // nothing: the directory record stays all zero
        Failed,   // not a usable picture: an empty entry under the ".rbp" name
    };
    Kind kind = Kind::Failed;
    ConvPicture picture;
    int placementX = 0;
    int placementY = 0;
};

ConvertedEntry ConvertPictureEntry(PictureStep step, const std::string& name,
                                   std::span<const uint8_t> bytes, const PictureSettings& settings,
                                   EntryReader& reader);

}  // namespace vn

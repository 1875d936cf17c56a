#pragma once
// Name rules of the picture archives: output entry names, the masks that lie
// beside standing and face pictures, and how system pictures are treated.
// Names are Shift-JIS; the rules touch only their ASCII endings.

#include <string>

namespace vn {

// The name with its extension (from the last '.') replaced by ext, or ext
// appended when it has none.
std::string ReplaceExtension(const std::string& name, const char* ext);

// True when the name ends in ".bmp" (letters in any case).
bool IsBitmapName(const std::string& name);

// Standing pictures: the "01" goes before the last two digits, keeping one
// or two trailing letters, then "_m.fil". Empty when the name is too short.
std::string StandMaskName(const std::string& sourceName);

// Faces: the two characters before the extension become "01", then
// "_m.fil". Empty when the name is too short.
std::string FaceMaskName(const std::string& name);

enum class SystemPictureKind {
    Filter,         // wipe filter: written as a mask
    MascotPadded,   // frame strip whose frames get an even width
    Mascot,         // frame strip kept at its width
    MessageWindow,  // window and menu pictures: magenta half transparent
    Other,
};

SystemPictureKind SystemPictureKindOf(const std::string& name);

}  // namespace vn

#pragma once
// A contact sheet of a converted data tree: every picture of its picture
// archives, shrunk into labelled cells over a checkerboard (which shows
// through transparent parts), as one PNG.

#include <string>

#include "formats/io/FileSystem.h"
#include "tools/samplegame/TextPainter.h"

namespace vn {

class ContactSheet {
public:
    ContactSheet(FileSystem& files, TextPainter& text) : files_(files), text_(text) {}
    // dataFolder is Shift-JIS with backslashes (the "data" folder); the
    // archives are read with "_vga" names when vga is set. The PNG goes to a
    // host path. Returns the number of pictures drawn, or -1 on failure.
    int Write(const std::string& dataFolder, bool vga, const std::string& pngPath, std::string* error);

private:
    FileSystem& files_;
    TextPainter& text_;
};

}  // namespace vn

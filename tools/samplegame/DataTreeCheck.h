#pragma once
// Checks a converted data tree against the sample game: every picture,
// script, table and sound the game holds (and so everything its scripts and
// tables name) must be there under the name the player asks for.

#include <string>
#include <vector>

#include "formats/io/FileSystem.h"
#include "tools/samplegame/SampleGame.h"

namespace vn {

struct DataTreeOptions {
    bool vga = false;     // "_vga" picture archives
    bool sounds = true;   // music, effects and system voices were converted
    bool voices = true;
};

class DataTreeCheck {
public:
    // dataFolder: Shift-JIS with backslashes. Returns the missing names
    // (empty when the tree is complete); checked counts the names looked at.
    static std::vector<std::string> Missing(FileSystem& files, const SampleInstall& install,
                                            const std::string& dataFolder, const DataTreeOptions& options,
                                            int* checked = nullptr);
};

}  // namespace vn

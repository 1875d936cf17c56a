#pragma once
// The whole sample game as the PC game's install folder holds it: the
// thirteen archives (contents and compression method) in the converter's
// order, and the loose files beside them.

#include <string>
#include <vector>

#include "tools/samplegame/SampleArchive.h"

namespace vn {

struct LooseFile {
    std::string path;  // UTF-8, relative to the install folder, "/" separated
    std::vector<uint8_t> bytes;
};

struct SampleInstall {
    std::vector<SampleArchive> archives;  // Update.pac ... Voice.pac
    std::vector<LooseFile> files;
    std::vector<std::string> errors;      // empty when the game is complete
};

class SampleGame {
public:
    // storyFolder holds the .vns scripts; problems (a script that does not
    // assemble, no font) are listed in the result's errors.
    static SampleInstall Build(const std::string& storyFolder);
    static const SampleArchive* Find(const SampleInstall& install, const std::string& fileName);
};

}  // namespace vn

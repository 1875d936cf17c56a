#pragma once
// What one conversion is asked to do, as the dialog or the command line
// chose it. Folders are Shift-JIS with backslashes.

#include <string>

namespace vn {

struct JobSettings {
    std::string sourceFolder;  // the PC game folder
    std::string outputFolder;  // where the data tree goes; empty = current folder
    int scalePercent = 50;     // 50 for 320*240, 100 for 640*480 (and the _vga names)
    int qualityIndex = 0;      // 0 to 3
    int musicBitrateIndex = 3;
    int musicRateIndex = 0;
    bool musicStereo = true;
    int voiceBitrateIndex = 3;
    int voiceRateIndex = 0;
    bool voiceStereo = false;  // voices are always mono
    bool convertPictures = true;  // pictures and script
    bool convertMusic = true;     // music, sound effects, system voices
    bool convertVoices = true;
};

}  // namespace vn

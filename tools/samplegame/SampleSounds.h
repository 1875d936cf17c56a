#pragma once
// The sample game's sounds as the PC archives hold them: music, effects,
// the mascots' system voices and the story's voices, as WAVE files spread
// over several formats.

#include <set>
#include <string>
#include <vector>

#include "tools/samplegame/SampleArchive.h"

namespace vn {

struct MusicTrack {
    const char* file;   // entry name in BGM.pac
    const char* title;  // shown in the sound room
};

class SampleSounds {
public:
    // BgmInfo order: the sixteen tracks of the sound room.
    static const std::vector<MusicTrack>& Tracks();
    static std::vector<std::string> TrackTitles();

    static SampleArchive Music(uint32_t method);
    static SampleArchive Effects(uint32_t method);
    static SampleArchive SystemVoices(uint32_t method);
    // One file per voice number "NNNN.wav"; number / 100 is the cast member
    // (1-12) whose pitch it takes.
    static SampleArchive Voices(uint32_t method, const std::set<int>& voiceNumbers);
    // The opening movie's sound track, 16-bit stereo PCM at 44.1 kHz.
    static std::vector<int16_t> OpeningTrack(double seconds);
};

}  // namespace vn

#pragma once
// The story's scripts: every "NAME.vns" of the story folder assembled into
// the entry NAME of Script.pac, and the revised scripts of its "update"
// folder into Update.pac.

#include <set>
#include <string>
#include <vector>

#include "tools/samplegame/SampleArchive.h"

namespace vn {

struct SampleScriptSet {
    SampleArchive script, update;
    std::set<int> voiceNumbers;  // every "@Vnnnn" the messages name
    std::vector<std::string> errors;
};

class SampleScripts {
public:
    static SampleScriptSet Build(const std::string& storyFolder, uint32_t scriptMethod,
                                 uint32_t updateMethod);
    static std::set<int> VoiceNumbers(const std::vector<uint8_t>& script);
};

}  // namespace vn

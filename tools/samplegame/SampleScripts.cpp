#include "tools/samplegame/SampleScripts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/vnscript/ScriptAssembler.h"

namespace vn {
namespace {

namespace fs = std::filesystem;

// Assembles the folder's scripts in name order (the order does not depend
// on the file system).
void AssembleFolder(const fs::path& folder, SampleArchive& into, SampleScriptSet& set) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
        if (e.is_regular_file() && e.path().extension() == ".vns") files.push_back(e.path());
    if (ec) set.errors.push_back(folder.string() + ": " + ec.message());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ScriptAssembler assembler;
        const auto bytes = assembler.Assemble(source);
        if (!bytes) {
            for (const std::string& e : assembler.Errors()) set.errors.push_back(file.string() + ": " + e);
            continue;
        }
        const std::set<int> voices = SampleScripts::VoiceNumbers(*bytes);
        set.voiceNumbers.insert(voices.begin(), voices.end());
        into.Add(file.stem().string(), *bytes);
    }
}

}  // namespace

std::set<int> SampleScripts::VoiceNumbers(const std::vector<uint8_t>& script) {
    std::set<int> numbers;
    for (size_t i = 0; i + 6 <= script.size(); ++i) {
        if (script[i] != '@' || (script[i + 1] != 'V' && script[i + 1] != 'v')) continue;
        int n = 0, digits = 0;
        for (size_t k = i + 2; k < script.size() && std::isdigit(static_cast<unsigned char>(script[k])); ++k, ++digits) n = n * 10 + (script[k] - '0');
        if (digits > 0) numbers.insert(n);
    }
    return numbers;
}

SampleScriptSet SampleScripts::Build(const std::string& storyFolder, uint32_t scriptMethod,
                                     uint32_t updateMethod) {
    SampleScriptSet set;
    set.script = {"Script.pac", scriptMethod, {}};
    set.update = {"Update.pac", updateMethod, {}};
    AssembleFolder(storyFolder, set.script, set);
    AssembleFolder(fs::path(storyFolder) / "update", set.update, set);
    // An update entry without a counterpart in Script.pac, which the
    // converter must leave out.
    set.update.Add("readme.txt", {'u', 'p', 'd', 'a', 't', 'e', ' ', '1', '\n'});
    return set;
}

}  // namespace vn

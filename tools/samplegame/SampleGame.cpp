#include "tools/samplegame/SampleGame.h"

#include "tools/samplegame/SampleScripts.h"
#include "tools/samplegame/SampleSounds.h"
#include "tools/samplegame/SampleTables.h"
#include "tools/samplegame/StoryArt.h"
#include "tools/samplegame/SystemArt.h"
#include "tools/samplegame/TextPainter.h"

namespace vn {

// PAC compression methods, spread so that each of the three appears on
// pictures, sounds and scripts.
namespace method {
constexpr uint32_t kStored = 0, kLzss = 1, kHuffman = 2;
}

SampleInstall SampleGame::Build(const std::string& storyFolder) {
    SampleInstall install;
    auto text = TextPainter::OpenDefault();
    if (!text) {
        install.errors.push_back("cannot open the IPA Gothic font (fonts-ipafont-gothic)");
        return install;
    }
    SampleScriptSet scripts = SampleScripts::Build(storyFolder, method::kLzss, method::kStored);
    install.errors = scripts.errors;
    StoryArt story(*text);
    SystemArt system(*text);
    auto& a = install.archives;
    a.push_back(std::move(scripts.update));
    a.push_back(std::move(scripts.script));
    a.push_back(SampleTables::Build(method::kHuffman));
    a.push_back(story.Backgrounds(method::kLzss));
    a.push_back(story.Stands(method::kHuffman));
    a.push_back(story.Visuals(method::kLzss));
    a.push_back(story.Faces(method::kHuffman));
    a.push_back(story.Thumbnails(method::kStored));
    a.push_back(system.Build(method::kLzss, SampleSounds::TrackTitles()));
    a.push_back(SampleSounds::Music(method::kStored));
    a.push_back(SampleSounds::Effects(method::kHuffman));
    a.push_back(SampleSounds::SystemVoices(method::kLzss));
    a.push_back(SampleSounds::Voices(method::kHuffman, scripts.voiceNumbers));
    const std::string exe = "LucentGrove sample game: the converter only checks that this file exists.\n";
    install.files.push_back({"LucentGrove.exe", {exe.begin(), exe.end()}});
    return install;
}

const SampleArchive* SampleGame::Find(const SampleInstall& install, const std::string& fileName) {
    for (const SampleArchive& a : install.archives)
        if (a.fileName == fileName) return &a;
    return nullptr;
}

}  // namespace vn

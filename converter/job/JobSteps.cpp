#include "converter/job/JobStep.h"

#include "converter/job/steps/Steps.h"

namespace vn {
namespace {

// The order matters: the override list (1) before the script (2), the
// tables (3) before the pictures that use them (4 to 6).
constexpr JobStep kSteps[] = {
    {1, "Update.pac", "", false, StepGroup::Always, RunUpdateStep},
    {2, "Script.pac", "Script.mlz", false, StepGroup::PicturesAndScript, RunScriptStep},
    {3, "Table.pac", "Table.mlz", false, StepGroup::PicturesAndScript, RunTableStep},
    {4, "BG.pac", "bg.mlz", true, StepGroup::PicturesAndScript, RunBgStep},
    {5, "Stand.pac", "Stand.mlz", true, StepGroup::PicturesAndScript, RunStandStep},
    {6, "Visual.pac", "Visual.mlz", true, StepGroup::PicturesAndScript, RunVisualStep},
    {7, "Face.pac", "Face.mlz", true, StepGroup::PicturesAndScript, RunFaceStep},
    {8, "Thumbnail.pac", "Thumbnail.mlz", true, StepGroup::PicturesAndScript, RunThumbnailStep},
    {9, "System.pac", "System.mlz", true, StepGroup::PicturesAndScript, RunSystemStep},
    {10, "BGM.pac", "bgm", false, StepGroup::Music, RunBgmStep},
    {11, "SE.pac", "se", false, StepGroup::Music, RunSeStep},
    {12, "SystemVoice.pac", "sys", false, StepGroup::Music, RunSystemVoiceStep},
    {13, "Voice.pac", "voice.mlz", false, StepGroup::Voices, RunVoiceStep},
};

}  // namespace

std::span<const JobStep> JobSteps() { return kSteps; }

bool StepRuns(const JobStep& step, const JobSettings& s) {
    switch (step.runsWhen) {
        case StepGroup::Always: return true;
        case StepGroup::PicturesAndScript: return s.convertPictures;
        case StepGroup::Music: return s.convertMusic;
        case StepGroup::Voices: return s.convertVoices;
    }
    return false;
}

std::string StepOutputName(const JobStep& step, int scalePercent) {
    std::string name = step.output;
    if (step.vgaName && scalePercent >= 100) name.insert(name.size() - 4, "_vga");
    return name;
}

}  // namespace vn

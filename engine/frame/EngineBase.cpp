#include "engine/frame/EngineBase.h"

#include "formats/text/ShiftJis.h"

namespace vn {
namespace {

constexpr const char* kNormalArchives[] = {"bg.mlz", "Face.mlz", "Stand.mlz", "System.mlz",
                                           "Thumbnail.mlz", "Visual.mlz"};
constexpr const char* kVgaArchives[] = {"bg_vga.mlz", "Face_vga.mlz", "Stand_vga.mlz", "System_vga.mlz",
                                        "Thumbnail_vga.mlz", "Visual_vga.mlz"};

}  // namespace

EngineBase::EngineBase(Platform& p)
    : SystemWindow(p),
      profile(p.Profile()),
      tick(p),
      keyMap(p.Profile().defaultKeys),
      config(p.Files()),
      defaultKeys(p.Profile().defaultKeys) {
    screen.Init(profile.logicalWidth, profile.logicalHeight);
    const auto& names = profile.logicalWidth > 639 ? kVgaArchives : kNormalArchives;
    for (size_t i = 0; i < std::size(names); ++i) pictureArchiveNames[i] = names[i];
    programFolder = p.ProgramFolder();
    savePath = programFolder + "data\\save";
    scriptArchive = programFolder + "data\\Script.mlz";
    bgArchive = programFolder + "data\\bg.mlz";
    voiceArchive = programFolder + "data\\voice.mlz";
    musicFolder = programFolder + "data\\bgm\\";
    seFolder = programFolder + "data\\se\\";
    movieFolder = programFolder + "data\\jmv\\";
    systemSoundFolder = programFolder + "data\\sys\\";
    MakeSaveFolder();
    savePath += "\\";
}

void EngineBase::MakeSaveFolder() {
    PlatformFiles& files = platform.Files();
    if (files.FileExists(savePath.c_str())) {
        saveFolderReady = true;
        return;
    }
    // The data folder may be missing too: make each level.
    const std::string data = programFolder + "data";
    if (!files.FileExists(data.c_str())) files.CreateFolder(data.c_str());
    saveFolderReady = files.CreateFolder(savePath.c_str());
}

Point EngineBase::PenToLogical(int32_t lParam) const {
    const int x = PointX(lParam), y = PointY(lParam);
    if (profile.pen == PenKind::HalfPortrait) return {screen.logicalWidth - 1 - 2 * y, 2 * x};
    return {x, y};
}

void EngineBase::OfferMenu() {
    if (settings.Get(Setting::KEY_CEN_CTRL) == 1) {
        if (input.countStart == 1 || input.countB == 1) {
            if (!MenuIsOpen()) OpenMenu();
            input.countStart = 0;
            input.countB = 0;
        }
    } else if (input.countB == 1) {
        OpenMenu();
        input.countB = 0;
    }
}

void EngineBase::OnKeyMessage(const Message& m) {
    keyMap.OnKey(static_cast<uint16_t>(m.wParam), m.id == MsgKeyDown, settings.Get(Setting::KET_CUR_MODE),
                 settings.Get(Setting::KET_DOUBLE_CLICK) != 0, input);
    OfferMenu();
}

int32_t EngineBase::WindowProc(const Message& m) {
    switch (m.id) {
        case MsgKeyDown:
        case MsgKeyUp: OnKeyMessage(m); return 0;
        case MsgPenDown: {
            const Point p = PenToLogical(m.lParam);
            input.PenDown(p.x, p.y);
            return 0;
        }
        case MsgPenMove: {
            const Point p = PenToLogical(m.lParam);
            input.PenMove(p.x, p.y);
            return 0;
        }
        case MsgPenUp: input.PenUp(); return 0;
        case MsgActivate: return 0;
        default: return SystemWindow::WindowProc(m);
    }
}

}  // namespace vn

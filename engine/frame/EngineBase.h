#pragma once
// The engine's machinery between the window and the story: the screen, the
// data paths, input and key map, the settings block and its file, the dirty
// list and the composition state. Later subsystems (sound, pictures,
// sprites, archives, popup menu) join here as members.

#include <array>
#include <string>
#include <vector>

#include "engine/frame/GameTick.h"
#include "engine/frame/InputState.h"
#include "engine/frame/KeyMap.h"
#include "engine/frame/Screen.h"
#include "engine/frame/SystemWindow.h"
#include "engine/persist/ConfigFile.h"
#include "engine/persist/Settings.h"

namespace vn {

class EngineBase : public SystemWindow {
public:
    explicit EngineBase(Platform& platform);
    int32_t WindowProc(const Message& message) override;

    // The popup menu: until it exists it is never open, and the keys that
    // open it are only counted.
    bool MenuIsOpen() const { return false; }
    void OpenMenu() { ++menuOpenRequests; }
    // A playing movie takes over the idle step; none exists yet.
    bool MoviePlaying() const { return false; }

    std::string ConfigPath() const { return programFolder + "varnek.cfg"; }
    // The pen position a pen message carries, in logical coordinates.
    Point PenToLogical(int32_t lParam) const;

    const BuildProfile& profile;
    GameTick tick;
    Screen screen;
    std::string savePath, scriptArchive, bgArchive, voiceArchive;
    std::string musicFolder, seFolder, movieFolder, systemSoundFolder;
    InputState input;
    KeyMap keyMap;
    std::array<std::string, 8> pictureArchiveNames;
    std::vector<Rect> dirtyList;
    Settings settings;
    ConfigFile config;
    int level = 256;
    int fillWithLevel = 0;
    int clearBeforeDraw = 1;
    Point shakeOffset;
    std::array<uint16_t, 8> defaultKeys;
    std::string programFolder;  // Shift-JIS, with its trailing backslash
    bool skipping = false;      // the message window's skip switch
    int menuOpenRequests = 0;
    bool saveFolderReady = false;

private:
    void OnKeyMessage(const Message& m);
    void OfferMenu();
    void MakeSaveFolder();
};

}  // namespace vn

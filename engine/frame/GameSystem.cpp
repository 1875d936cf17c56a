#include "engine/frame/GameSystem.h"

#include "engine/platform/interface/JsonWriter.h"

namespace vn {

GameSystem::GameSystem(Platform& p) : GameBase(p) {
    AddDumpSection([this](JsonWriter& json) {
        json.Int("frame", frame).Int("tick", tick.Tick()).Int("gameMode", gameMode);
        json.Int("titleStep", titleStep).Int("fatalFlags", fatalFlags);
        json.Bool("skipping", skipping).Int("menuOpenRequests", menuOpenRequests);
        json.BeginObject("input");
        input.Dump(json);
        json.Int("keyDownsSeen", keyMap.keyDownsSeen).End();
        json.BeginObject("keys");
        for (int k = 0; k < kLogicalKeyCount; ++k) {
            json.Int(KeyMap::Name(static_cast<LogicalKey>(k)), keyMap.Code(static_cast<LogicalKey>(k)));
        }
        json.End();
    });
    AddDumpSection([this](JsonWriter& json) {
        json.BeginObject("settings");
        settings.ForEachInt([&](const char* key, int value) { json.Int(platform.ToUtf8(key), value); });
        settings.ForEachText([&](const char* key, const std::string& value) {
            json.String(platform.ToUtf8(key), platform.ToUtf8(value));
        });
        json.End();
    });
    AddDumpSection([this](JsonWriter& json) {
        json.BeginObject("platform");
        platform.DumpState(json);
        json.End();
    });
}

void GameSystem::AddDumpSection(std::function<void(JsonWriter&)> section) {
    dumpSections_.push_back(std::move(section));
}

std::string GameSystem::DumpState() const {
    JsonWriter json;
    for (const auto& section : dumpSections_) section(json);
    return json.Finish();
}

int32_t GameSystem::WindowProc(const Message& m) {
    switch (m.id) {
        case MsgDestroy:
            if (onDestroy) onDestroy();
            settings.WriteBack(config, ConfigPath().c_str());
            configWritten = true;
            PostQuit(0);
            return 0;
        case MsgPaint: PresentWhole(platform, screen); return 0;
        case MsgClose: DestroyMainWindow(); return 0;
        case MsgCommand:
            if (runCommand) runCommand(m.wParam & 0xFFFF);
            return 0;
        default: return GameBase::WindowProc(m);
    }
}

void GameSystem::InitGame() {
    clock.Start(tick.Tick(), kFramePeriodMs);
    const std::string path = ConfigPath();
    settings.Read(config, path.c_str());
    for (size_t i = 0; i < Settings::kKeyCount; ++i) {
        keyMap.Configure(Settings::KeyConfigName(i), settings.keyNames[i].c_str());
    }
    gameMode = ModeTitle;
    titleStep = 0;
}

int GameSystem::MessageLoop() {
    Message m;
    for (;;) {
        if (platform.PeekMessage()) {
            if (!platform.GetMessage(m)) continue;
            if (m.id == MsgQuit) return static_cast<int>(m.wParam);
            WindowProc(m);
        } else {
            IdleStep();
        }
    }
}

void GameSystem::IdleStep() {
    if (MenuIsOpen()) {
        input.Latch(true, settings.Get(Setting::LOCK_SKIP) != 0, skipping);
        platform.Sleep(1);
        return;
    }
    if (MoviePlaying()) {
        input.Latch(false, settings.Get(Setting::LOCK_SKIP) != 0, skipping);
        return;
    }
    if (!clock.Due(platform.Tick())) {
        platform.Sleep(1);
        return;
    }
    platform.FrameDue();
    RunFrame();
    if (profile.sleepAfterFrame) platform.Sleep(1);
}

void GameSystem::AdvanceMannerMode() {
    const int mode = settings.Get(Setting::DISP_FREE_MODE);
    if (mode >= 0 && mode <= 2) settings.Set(Setting::DISP_FREE_MODE, (mode + 1) % 3);
    if (onMannerModeChanged) onMannerModeChanged();
    input.countD = 0;
}

void GameSystem::RunFrame() {
    input.Latch(MenuIsOpen(), settings.Get(Setting::LOCK_SKIP) != 0, skipping);
    if (clearDrawLists) clearDrawLists();
    if (input.countD == 1) AdvanceMannerMode();
    RunModeHandler();
    if (fatalFlags != 0) {
        DestroyMainWindow();
    } else {
        if (updateSprites) updateSprites();
        const bool composed = compose ? compose() : true;
        if (composed && !MenuIsOpen()) PresentFrame(platform, screen, dirtyList, shakeOffset);
    }
    dirtyList.clear();
    ++frame;
    if (afterFrame) afterFrame();
}

}  // namespace vn

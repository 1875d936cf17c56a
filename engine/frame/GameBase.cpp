#include "engine/frame/GameBase.h"

namespace vn {

GameBase::GameBase(Platform& p)
    : EngineBase(p),
      modes_{{{ModeTitle, "title", {}},
              {ModeEyeCatch, "eyeCatch", {}},
              {ModeGallery, "gallery", {}},
              {ModeReplay, "replay", {}},
              {ModeSoundRoom, "soundRoom", {}},
              {ModeBacklog, "backlog", {}},
              {ModeScript, "script", {}}}} {}

const GameBase::ModeEntry* GameBase::FindMode(int mode) const {
    for (const ModeEntry& e : modes_) {
        if (e.mode == mode) return &e;
    }
    return nullptr;
}

bool GameBase::SetModeHandler(int mode, ModeHandler handler) {
    for (ModeEntry& e : modes_) {
        if (e.mode == mode) {
            e.handler = std::move(handler);
            return true;
        }
    }
    return false;
}

void GameBase::RunModeHandler() {
    const ModeEntry* entry = FindMode(gameMode);
    if (entry != nullptr && entry->handler) entry->handler();
}

}  // namespace vn

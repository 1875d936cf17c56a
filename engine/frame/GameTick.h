#pragma once
// The engine's millisecond tick. While frozen it returns the last unfrozen
// reading, so that every sprite of one frame sees one time.

#include <cstdint>

#include "engine/platform/interface/Platform.h"

namespace vn {

class GameTick {
public:
    explicit GameTick(Platform& platform) : platform_(platform) {}

    uint32_t Tick() {
        if (!frozen_) last_ = platform_.Tick();
        return last_;
    }
    void FreezeTick(bool on) { frozen_ = on; }
    bool Frozen() const { return frozen_; }

private:
    Platform& platform_;
    uint32_t last_ = 0;
    bool frozen_ = false;
};

}  // namespace vn

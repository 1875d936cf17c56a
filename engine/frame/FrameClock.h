#pragma once
// The frame clock: a frame is due every periodMs on the platform tick; late
// frames are dropped, never queued.

#include <cstdint>

namespace vn {

struct FrameClock {
    uint32_t now = 0;      // the tick read by the last query
    uint32_t nextDue = 0;  // tick at which the next frame is due
    uint32_t periodMs = 0;

    void Start(uint32_t tick, uint32_t period) {
        periodMs = period;
        now = tick;
        nextDue = now + periodMs;
    }

    // At most one frame per query; nextDue moves on in whole periods from
    // its old value until it lies after now. The tick wraps at 32 bits, so
    // ticks are compared by their difference.
    bool Due(uint32_t tick) {
        now = tick;
        if (static_cast<int32_t>(now - nextDue) < 0 || periodMs == 0) return false;
        const uint32_t missed = (now - nextDue) / periodMs + 1;
        nextDue += missed * periodMs;
        return true;
    }
};

}  // namespace vn

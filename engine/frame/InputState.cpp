#include "engine/frame/InputState.h"

#include "engine/platform/interface/JsonWriter.h"

namespace vn {
namespace {

constexpr int32_t InputState::*kCounts[kLogicalKeyCount] = {
    &InputState::countUp, &InputState::countDown, &InputState::countLeft, &InputState::countRight,
    &InputState::countA, &InputState::countB, &InputState::countC, &InputState::countD,
    &InputState::countE, &InputState::countStart,
};

struct Field {
    const char* name;
    int32_t InputState::*field;
};

constexpr Field kDumpFields[] = {
    {"countUp", &InputState::countUp}, {"countDown", &InputState::countDown},
    {"countLeft", &InputState::countLeft}, {"countRight", &InputState::countRight},
    {"countStart", &InputState::countStart}, {"countC", &InputState::countC},
    {"countA", &InputState::countA}, {"countB", &InputState::countB},
    {"countD", &InputState::countD}, {"countE", &InputState::countE},
    {"latchUp", &InputState::latchUp}, {"latchDown", &InputState::latchDown},
    {"latchLeft", &InputState::latchLeft}, {"latchRight", &InputState::latchRight},
    {"latchStart", &InputState::latchStart}, {"penX", &InputState::penX},
    {"penY", &InputState::penY}, {"tapped", &InputState::tapped},
    {"penDownEvent", &InputState::penDownEvent}, {"penHeld", &InputState::penHeld},
    {"released", &InputState::released}, {"penUpEvent", &InputState::penUpEvent},
};

}  // namespace

int32_t& InputState::Count(LogicalKey key) { return this->*kCounts[key]; }

void InputState::ClearDirectionsAndLatches(bool withStart) {
    countUp = countDown = countLeft = countRight = 0;
    if (withStart) countStart = 0;
    latchUp = latchDown = latchLeft = latchRight = latchStart = 0;
}

void InputState::PenDown(int x, int y) {
    penDownEvent = 1;
    penHeld = 1;
    penX = x;
    penY = y;
}

void InputState::PenMove(int x, int y) {
    penX = x;
    penY = y;
}

void InputState::PenUp() {
    penDownEvent = 0;
    penHeld = 0;
    penUpEvent = 1;
}

void InputState::Latch(bool menuOpen, bool lockSkip, bool& skipping) {
    tapped = penDownEvent;
    penDownEvent = 0;
    released = penUpEvent;
    penUpEvent = 0;
    if (tapped) {
        ClearDirectionsAndLatches(true);
        countC = countA = countB = 0;
    }
    if (countC == 1 || countA == 1 || countB == 1) ClearDirectionsAndLatches(true);
    if (menuOpen) return;
    if (lockSkip && countLeft == 1) {
        countLeft = 0;
        skipping = true;
    } else if (skipping && (countC == 1 || tapped || countRight == 1)) {
        skipping = false;
        countC = 0;
        tapped = 0;
        countRight = 0;
    }
}

void InputState::Dump(JsonWriter& json) const {
    for (const Field& f : kDumpFields) json.Int(f.name, this->*f.field);
}

}  // namespace vn

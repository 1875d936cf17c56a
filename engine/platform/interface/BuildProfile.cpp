#include "engine/platform/interface/BuildProfile.h"

namespace vn {

const BuildProfile& Sigmarion3Profile() {
    static const BuildProfile profile{
        "player-sigmarion3", "MYSYSTEM", "Varnek for sigmarion3", 320, 240,
        DisplayKind::Bitmap, PenKind::Client,
        {0x26, 0x28, 0x25, 0x27, 0x5A, 0x58, 0x43, 0x00}, true};
    return profile;
}

const BuildProfile& PocketPcProfile() {
    // The keyboard stands in for the device's buttons; Return is its start
    // button, so KEY_START has a key in this build.
    static const BuildProfile profile{
        "player-pocketpc", "MYSYSTEM", "Varnek", 640, 480,
        DisplayKind::RawPortrait, PenKind::HalfPortrait,
        {0x26, 0x28, 0x25, 0x27, 0x5A, 0x58, 0x43, 0x0D}, false};
    return profile;
}

}  // namespace vn

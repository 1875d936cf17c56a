#pragma once
// The cast of the sample game: the twelve characters in route order (1-12),
// with what their pictures and voices are made from.

#include <array>
#include <cstdint>

#include "tools/samplegame/Picture.h"

namespace vn {

struct CastMember {
    const char* key;   // file name prefix, as the player spells it
    const char* name;  // shown name (UTF-8)
    Rgb hair, dress;
    int voicePitch;    // Hz
    int mascotWidth, mascotHeight;  // one frame of the mascot strip
    bool mascotPadded;              // first frame group: drawn one pixel narrower
    bool masked;                    // stand and faces come with mask files
};

inline constexpr std::array<CastMember, 12> kCast = {{
    {"arlen", "アーレン", {200, 120, 60}, {90, 150, 220}, 260, 86, 117, true, true},
    {"brisa", "ブリサ", {60, 60, 90}, {120, 200, 190}, 300, 78, 123, true, true},
    {"corvin", "コルヴィン", {40, 40, 40}, {80, 90, 120}, 140, 76, 102, true, true},
    {"dalia", "ダリア", {160, 40, 60}, {230, 150, 170}, 280, 74, 109, false, true},
    {"elsin", "エルシン", {230, 210, 120}, {150, 200, 110}, 250, 88, 116, false, true},
    {"fenna", "フェンナ", {220, 120, 40}, {250, 200, 90}, 320, 80, 112, false, true},
    {"galea", "ガレア", {120, 80, 150}, {200, 170, 230}, 270, 80, 110, true, false},
    {"halvie", "ハルヴィ", {230, 90, 60}, {240, 130, 90}, 340, 86, 117, false, false},
    {"isola", "イゾラ", {80, 110, 160}, {170, 190, 230}, 230, 106, 124, false, false},
    {"jorun", "ヨルン", {100, 70, 40}, {110, 150, 90}, 160, 80, 126, true, false},
    {"kestra", "ケストラ", {200, 200, 210}, {70, 60, 100}, 200, 102, 115, false, false},
    {"varnek", "ヴァルネク", {30, 30, 60}, {40, 100, 80}, 120, 104, 136, true, false},
}};

inline constexpr const char* kProtagonist = "湊";

}  // namespace vn

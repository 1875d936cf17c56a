#pragma once
// The event and background pictures of the sample game, in visual record
// order: what the visual table lists and the picture generators draw.

#include <array>

namespace vn {

enum class Scene { Gate, Grove, Deep, Lake, Room, Night, Ending, Dark };

struct VisualRow {
    const char* base;
    const char* diff;  // "" for a picture without a base
    int x, y;          // where the difference goes on the base
    bool background;   // in BG.pac (else Visual.pac)
    int bits;          // of the bitmap of the row's own picture
    Scene scene;
    int who;           // cast index 0-11 drawn in the picture, -1 none
    const char* caption;
};

inline constexpr std::array<VisualRow, 13> kVisuals = {{
    {"bg01_gate.bmp", "", 0, 0, true, 24, Scene::Gate, -1, "学園の門"},
    {"bg02_grove.bmp", "", 0, 0, true, 8, Scene::Grove, -1, "光る森"},
    {"bg03_deep.bmp", "", 0, 0, true, 24, Scene::Deep, -1, "森の奥"},
    {"bg03_deep.bmp", "bg03_deep_n.bmp", 380, 40, true, 24, Scene::Night, -1, "森の奥（夜）"},
    {"bg04_lake.bmp", "", 0, 0, true, 32, Scene::Lake, -1, "湖"},
    {"bg05_room.bmp", "", 0, 0, true, 16, Scene::Room, -1, "湊の部屋"},
    {"arlen_cg07.bmp", "", 0, 0, false, 24, Scene::Deep, 0, "光る木の下で"},
    {"brisa_cg07a.bmp", "", 0, 0, false, 8, Scene::Lake, 1, "湖のほとり"},
    {"brisa_cg07a.bmp", "brisa_cg07b.bmp", 248, 210, false, 24, Scene::Lake, 1, "湖のほとり"},
    {"varnek_cg05.bmp", "", 0, 0, false, 16, Scene::Night, 11, "森の番人"},
    {"kestra_cg13.bmp", "", 0, 0, false, 32, Scene::Gate, 10, "春の写真"},
    {"end_cg01.bmp", "", 0, 0, false, 24, Scene::Ending, 0, "また明日"},
    {"badend_cg01.bmp", "", 0, 0, false, 8, Scene::Dark, -1, "届かない声"},
}};

// Where the event pictures put their character and its changing face.
inline constexpr int kEventFigureX = 320, kEventFigureTop = 60, kEventFigureScale = 1500;

}  // namespace vn

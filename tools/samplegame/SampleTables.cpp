#include "tools/samplegame/SampleTables.h"

#include <cstring>
#include <string>

#include "formats/io/RecordFields.h"
#include "tools/samplegame/SampleCast.h"
#include "tools/samplegame/SampleSounds.h"
#include "tools/samplegame/SampleVisuals.h"
#include "tools/samplegame/StoryArt.h"

namespace vn {
namespace {

void Name(std::vector<uint8_t>& t, size_t at, const std::string& s, size_t field) {
    std::memcpy(&t[at], s.data(), std::min(s.size(), field - 1));
}

// Index blocks: groups of 20 visual numbers, -1 for an empty slot.
std::vector<uint8_t> Blocks(size_t blocks, size_t groups,
                            const std::vector<std::vector<std::vector<int>>>& content) {
    std::vector<uint8_t> t(blocks * groups * 20 * 4);
    for (size_t i = 0; i < t.size(); i += 4) PutU32(&t[i], 0xFFFFFFFF);
    for (size_t b = 0; b < content.size(); ++b)
        for (size_t g = 0; g < content[b].size(); ++g)
            for (size_t k = 0; k < content[b][g].size(); ++k)
                PutU32(&t[((b * groups + g) * 20 + k) * 4], static_cast<uint32_t>(content[b][g][k]));
    return t;
}

// The event pictures of one cast member (0-11), by visual number.
std::vector<int> EventsOf(int who) {
    std::vector<int> v;
    for (size_t i = 0; i < kVisuals.size(); ++i)
        if (!kVisuals[i].background && kVisuals[i].who == who) v.push_back(static_cast<int>(i));
    return v;
}

}  // namespace

std::vector<uint8_t> SampleTables::StandInfo() {
    std::vector<uint8_t> t(kCast.size() * 3 * kStandRecord);
    const char* variant[] = {"", "b", "c"};
    for (size_t c = 0; c < kCast.size(); ++c) {
        const std::string key = kCast[c].key;
        for (int e = 0; e < 3; ++e) {
            const size_t at = (c * 3 + e) * kStandRecord;
            Name(t, at, key + "_f0" + std::to_string(e + 1) + ".bmp", 32);
            Name(t, at + 32, key + "_st01.sti", 32);
            if (e > 0) {
                Name(t, at + 64, key + "_st01" + variant[e] + ".bmp", 32);
                PutU32(&t[at + 96], static_cast<uint32_t>(StoryArt::VariantScreenX()));
                PutU32(&t[at + 100], static_cast<uint32_t>(StoryArt::VariantScreenY()));
            }
        }
    }
    return t;
}

std::vector<uint8_t> SampleTables::VisualInfo() {
    std::vector<uint8_t> t(kVisuals.size() * kVisualRecord);
    for (size_t i = 0; i < kVisuals.size(); ++i) {
        const size_t at = i * kVisualRecord;
        Name(t, at + 4, kVisuals[i].base, 64);
        Name(t, at + 68, kVisuals[i].diff, 32);
        PutU32(&t[at + 100], static_cast<uint32_t>(kVisuals[i].x));
        PutU32(&t[at + 104], static_cast<uint32_t>(kVisuals[i].y));
    }
    return t;
}

std::vector<uint8_t> SampleTables::BgmInfo() {
    const auto& tracks = SampleSounds::Tracks();
    std::vector<uint8_t> t(tracks.size() * kBgmRecord);
    for (size_t i = 0; i < tracks.size(); ++i) Name(t, i * kBgmRecord, tracks[i].file, kBgmRecord);
    return t;
}

std::vector<uint8_t> SampleTables::CgInfo() {
    // Page 0 holds every event picture, one group each (a base and its
    // difference share a group); pages 1-12 hold each character's own.
    std::vector<std::vector<std::vector<int>>> pages(13);
    pages[0] = {{6}, {7, 8}, {9}, {10}, {11}, {12}};
    for (int c = 0; c < 12; ++c) {
        const std::vector<int> own = EventsOf(c);
        if (!own.empty()) pages[c + 1].push_back(own);
    }
    return Blocks(13, 16, pages);
}

std::vector<uint8_t> SampleTables::SceneInfo() {
    // Replay scene k shows the picture its script opens with.
    const int opening[12] = {6, 8, 1, 2, 3, 4, 0, 5, 2, 1, 10, 9};
    std::vector<std::vector<int>> scenes;
    for (int k = 0; k < 12; ++k) scenes.push_back({opening[k]});
    return Blocks(1, 12, {scenes});
}

SampleArchive SampleTables::Build(uint32_t method) {
    SampleArchive a{"Table.pac", method, {}};
    a.Add("StandInfo.DAT", StandInfo());
    a.Add("VisualInfo.DAT", VisualInfo());
    a.Add("BgmInfo.DAT", BgmInfo());
    a.Add("CGInfo.DAT", CgInfo());
    a.Add("SceneInfo.DAT", SceneInfo());
    return a;
}

}  // namespace vn

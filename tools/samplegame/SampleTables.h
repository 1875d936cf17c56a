#pragma once
// The five info tables of the sample game, consistent with its pictures,
// music and scripts.

#include "tools/samplegame/SampleArchive.h"

namespace vn {

class SampleTables {
public:
    static constexpr size_t kStandRecord = 224, kVisualRecord = 228, kBgmRecord = 36;
    static constexpr size_t kCgBlock = 1280, kSceneBlock = 960;

    static std::vector<uint8_t> StandInfo();
    static std::vector<uint8_t> VisualInfo();
    static std::vector<uint8_t> BgmInfo();
    static std::vector<uint8_t> CgInfo();
    static std::vector<uint8_t> SceneInfo();
    static SampleArchive Build(uint32_t method);
};

}  // namespace vn

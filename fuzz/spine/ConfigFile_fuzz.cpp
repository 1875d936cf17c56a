// Any bytes as "varnek.cfg": reading every setting, writing them back and
// reading the result again must stay in bounds and agree.
#include <cstdint>
#include <cstdlib>

#include "engine/persist/Settings.h"
#include "engine/platform/interface/MemoryPlatformFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr const char* kPath = "\\varnek.cfg";
    vn::MemoryPlatformFiles files;
    files.memory.Bytes(kPath).assign(data, data + size);
    vn::ConfigFile config(files);
    vn::Settings first;
    first.Read(config, kPath);
    first.WriteBack(config, kPath);
    if (!config.Flush()) return 0;
    vn::Settings second;
    second.Read(config, kPath);
    // Written-back integers must read back as written (volumes were already clamped).
    if (second.Get(vn::Setting::PCM) != first.Get(vn::Setting::PCM)) std::abort();
    if (second.Get(vn::Setting::MASTER_VOL) != first.Get(vn::Setting::MASTER_VOL)) std::abort();
    return 0;
}

#include "converter/audio/Mp3Encoder.h"

#include <dlfcn.h>

namespace vn {

Mp3Encoder::Mp3Encoder() {
    library_ = dlopen("libmp3lame.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library_) return;
    using VersionFn = const char* (*)();
    auto version = reinterpret_cast<VersionFn>(dlsym(library_, "get_lame_version"));
    if (version && version()) version_ = version();
}

Mp3Encoder::~Mp3Encoder() {
    if (library_) dlclose(library_);
}

bool Mp3Encoder::Available() const { return !version_.empty(); }

std::string Mp3Encoder::Version() const { return version_; }

// Encoding arrives with the sound conversion; until then nothing is encoded.
std::optional<std::vector<uint8_t>> Mp3Encoder::Encode(std::span<const int16_t>,
                                                       const Mp3Settings&) {
    return std::nullopt;
}

}  // namespace vn

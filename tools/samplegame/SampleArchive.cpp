#include "tools/samplegame/SampleArchive.h"

#include "engine/platform/host/Cp932.h"

namespace vn {

void SampleArchive::Add(const std::string& utf8Name, std::vector<uint8_t> bytes) {
    // The names are the generator's own, all of them with a Shift-JIS form.
    entries.push_back({Utf8ToCp932(utf8Name).value_or(utf8Name), std::move(bytes)});
}

const SampleEntry* SampleArchive::Find(const std::string& utf8Name) const {
    const std::string name = Utf8ToCp932(utf8Name).value_or(utf8Name);
    for (const SampleEntry& e : entries)
        if (e.name == name) return &e;
    return nullptr;
}

}  // namespace vn

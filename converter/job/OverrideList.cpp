#include "converter/job/OverrideList.h"

#include "formats/text/ShiftJis.h"

namespace vn {

void OverrideList::Append(std::string name, std::vector<uint8_t> bytes) {
    entries_.push_back(OverrideEntry{std::move(name), std::move(bytes)});
}

const OverrideEntry* OverrideList::Find(const char* name) const {
    for (const OverrideEntry& e : entries_) {
        if (NameEquals(e.name.c_str(), name)) return &e;
    }
    return nullptr;
}

}  // namespace vn

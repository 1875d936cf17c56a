#pragma once
// The entries of Update.pac, kept in archive order to replace script
// entries of the same name.

#include <string>
#include <vector>

namespace vn {

struct OverrideEntry {
    std::string name;  // Shift-JIS
    std::vector<uint8_t> bytes;
};

class OverrideList {
public:
    void Append(std::string name, std::vector<uint8_t> bytes);
    // The first entry whose name equals name as NameEquals compares, or null.
    const OverrideEntry* Find(const char* name) const;
    size_t Size() const { return entries_.size(); }
    void Clear() { entries_.clear(); }

private:
    std::vector<OverrideEntry> entries_;
};

}  // namespace vn

#include "converter/job/JobProgress.h"

namespace vn {

void JobProgress::Reset() {
    done_.store(0, std::memory_order_relaxed);
    total_.store(0, std::memory_order_relaxed);
    skipped_.store(0, std::memory_order_relaxed);
    writeFailures_.store(0, std::memory_order_relaxed);
    SetEntryName("");
    finished_.store(false, std::memory_order_release);
}

void JobProgress::SetEntryName(const char* name) {
    size_t i = 0;
    for (; i < kNameSize && name[i] != '\0'; ++i) name_[i].store(name[i], std::memory_order_relaxed);
    name_[i].store('\0', std::memory_order_relaxed);
}

std::string JobProgress::EntryName() const {
    std::string name;
    for (size_t i = 0; i < kNameSize; ++i) {
        const char c = name_[i].load(std::memory_order_relaxed);
        if (c == '\0') break;
        name.push_back(c);
    }
    return name;
}

}  // namespace vn

#pragma once
// Shared by the job's tests: a log that keeps its notes and source .pac
// archives made in memory.

#include <cstdint>
#include <string>
#include <vector>

#include "converter/job/JobLog.h"
#include "converter/pac/PacWriter.h"
#include "formats/io/MemoryFileSystem.h"

namespace vn::jobtest {

class CollectingLog : public JobLog {
public:
    void Note(const std::string& message) override { notes.push_back(message); }
    std::vector<std::string> notes;
};

struct PacItem {
    const char* name;
    std::vector<uint8_t> bytes;
};

// Writes a .pac of the items at path; a failure fails the calling test.
void MakePac(MemoryFileSystem& fs, const char* path, const std::vector<PacItem>& items,
             uint32_t method = kPacMethodLzss);

}  // namespace vn::jobtest

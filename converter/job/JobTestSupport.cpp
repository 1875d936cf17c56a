#include "converter/job/JobTestSupport.h"

#include <gtest/gtest.h>

namespace vn::jobtest {

void MakePac(MemoryFileSystem& fs, const char* path, const std::vector<PacItem>& items,
             uint32_t method) {
    PacWriter writer(method);
    for (const PacItem& item : items) ASSERT_TRUE(writer.Add(item.name, item.bytes));
    ASSERT_TRUE(writer.WriteFile(fs, path));
}

}  // namespace vn::jobtest

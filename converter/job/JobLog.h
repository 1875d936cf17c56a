#pragma once
// Where a job reports what it could not do (an entry that does not decode,
// an archive that cannot be written). Called on the worker thread only.

#include <string>

namespace vn {

class JobLog {
public:
    virtual ~JobLog() = default;
    virtual void Note(const std::string& utf8Message) = 0;
};

}  // namespace vn

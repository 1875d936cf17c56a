#pragma once
// The player's file operations: the shared FileSystem plus what keeping the
// user's files safe needs (a finished new file replaces the old one in one
// step, so a full disk or a kill halfway leaves the old file intact).

#include "formats/io/FileSystem.h"

namespace vn {

class PlatformFiles : public FileSystem {
public:
    // Makes the file at from (fully written and closed) the file at to,
    // replacing it atomically; false when that is impossible.
    virtual bool Replace(const char* from, const char* to) = 0;
};

}  // namespace vn

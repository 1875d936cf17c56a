#pragma once
// Entry names come from the PC game's archives and are outside data: before
// one becomes a file name in the output folder it must name a plain file.

#include <optional>
#include <string>

namespace vn {

// False for an empty name, "." or "..", and for a name holding a slash, a
// backslash or a colon (a drive) outside a two-byte Shift-JIS character, a
// control character, or a lead byte with no second byte.
bool IsPlainFileName(const char* name);

// The name with its extension (from the last '.') replaced by ".mp3", or
// ".mp3" appended when it has none; none when the name or the result is not
// a plain file name.
std::optional<std::string> Mp3EntryName(const char* name);

}  // namespace vn

#pragma once
// Shift-JIS (code page 932) <-> UTF-8 at the boundary between the programs,
// which keep text in Shift-JIS, and the Linux world, which speaks UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace vn {

// nullopt when the bytes are not valid in the source encoding or have no
// counterpart in the target.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// For messages: undecodable bytes shown as \xNN instead of failing.
std::string Cp932ToUtf8Lossy(std::string_view cp932);

}  // namespace vn

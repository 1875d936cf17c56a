#pragma once
// The Windows registry of a Wine prefix, as far as the converter needs it:
// string values read from user.reg (the keys of HKEY_CURRENT_USER), and
// Windows paths mapped into the prefix.

#include <optional>
#include <string>
#include <string_view>

#include "formats/io/FileSystem.h"

namespace vn {

// The string value (REG_SZ or REG_EXPAND_SZ) named value under key, both
// compared without regard to ASCII case, in user.reg text; UTF-8.
std::optional<std::string> FindRegistryString(std::string_view regText, std::string_view key,
                                              std::string_view value);

// A path up to its last backslash: "C:\G\LucentGrove.exe" and "C:\G\" both give
// "C:\G". A value without a backslash stays whole.
std::string CutAtLastBackslash(const std::string& windowsPath);

// "C:\G\x" as a host path inside the prefix: prefix/dosdevices/c:/G/x when
// that drive link exists, prefix/drive_c/G/x for drive C otherwise; nullopt
// for other drives and for paths without a drive letter.
std::optional<std::string> MapIntoPrefix(FileSystem& files, const std::string& prefix,
                                         const std::string& windowsPath);

// The game folder of DIRECTORY under Software\TERN\LucentGrove as a host
// path (UTF-8), or empty when the prefix, its user.reg or the value is missing.
std::string GameFolderFromRegistry(FileSystem& files, const std::string& prefix);

// $WINEPREFIX, else ~/.wine.
std::string DefaultWinePrefix();

}  // namespace vn

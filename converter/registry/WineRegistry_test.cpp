#include "converter/registry/WineRegistry.h"

#include <gtest/gtest.h>

#include "engine/platform/host/HostFileSystem.h"
#include "formats/io/MemoryFileSystem.h"

namespace vn {
namespace {

// As Wine writes it: escaped backslashes, \x escapes for non-ASCII, other
// keys and value kinds around the one wanted.
const char kUserReg[] =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\TERN\\\\Other] 1700000000\n"
    "\"DIRECTORY\"=\"D:\\\\wrong\\\\\"\n"
    "\n"
    "[Software\\\\TERN\\\\LucentGrove] 1700000001\n"
    "#time=1d9f0c2a3b4c5d6\n"
    "\"Count\"=dword:00000003\n"
    "\"Data\"=hex:01,02,\\\n"
    "  03,04\n"
    "\"Directory\"=\"C:\\\\Program Files\\\\TERN\\\\\\x30eb\\x30fc\\\\LucentGrove.exe\"\r\n"
    "\"Quoted\"=str(2):\"say \\\"hi\\\"\"\n";

TEST(WineRegistry, FindsStringValuesInUserRegSyntax) {
    EXPECT_EQ(FindRegistryString(kUserReg, "software\\tern\\lucentgrove", "DIRECTORY"),
              "C:\\Program Files\\TERN\\ルー\\LucentGrove.exe");
    EXPECT_EQ(FindRegistryString(kUserReg, "Software\\TERN\\LucentGrove", "Quoted"), "say \"hi\"");
    EXPECT_EQ(FindRegistryString(kUserReg, "Software\\TERN\\LucentGrove", "Count"), std::nullopt);
    EXPECT_EQ(FindRegistryString(kUserReg, "Software\\TERN\\LucentGrove", "Missing"), std::nullopt);
    EXPECT_EQ(FindRegistryString(kUserReg, "Software\\TERN", "DIRECTORY"), std::nullopt);
    EXPECT_EQ(FindRegistryString("[A] 1\n\"V\"=\"unterminated", "A", "V"), std::nullopt);
}

TEST(WineRegistry, BothCutFormsGiveTheFolder) {
    const struct {
        const char* value;
        const char* folder;
    } cases[] = {
        {"C:\\Games\\LucentGrove\\LucentGrove.exe", "C:\\Games\\LucentGrove"},
        {"C:\\Games\\LucentGrove\\", "C:\\Games\\LucentGrove"},
        {"C:\\", "C:"},
        {"LucentGrove", "LucentGrove"},
    };
    for (const auto& c : cases) EXPECT_EQ(CutAtLastBackslash(c.value), c.folder) << c.value;
}

TEST(WineRegistry, MapsDrivesIntoThePrefix) {
    MemoryFileSystem fs;
    fs.Bytes(*InternalPath("/p/dosdevices/d:")) = {};  // a drive link that exists
    EXPECT_EQ(MapIntoPrefix(fs, "/p", "D:\\Games\\LG"), "/p/dosdevices/d:/Games/LG");
    EXPECT_EQ(MapIntoPrefix(fs, "/p", "c:\\Games\\LG"), "/p/drive_c/Games/LG");
    EXPECT_EQ(MapIntoPrefix(fs, "/p", "C:"), "/p/drive_c");
    EXPECT_EQ(MapIntoPrefix(fs, "/p", "E:\\x"), std::nullopt);
    EXPECT_EQ(MapIntoPrefix(fs, "/p", "\\\\server\\share"), std::nullopt);
}

TEST(WineRegistry, GameFolderFromUserReg) {
    MemoryFileSystem fs;
    EXPECT_EQ(GameFolderFromRegistry(fs, "/p"), "");  // no prefix at all
    const std::string reg = kUserReg;
    fs.Bytes(*InternalPath("/p/user.reg")) = std::vector<uint8_t>(reg.begin(), reg.end());
    EXPECT_EQ(GameFolderFromRegistry(fs, "/p"), "/p/drive_c/Program Files/TERN/ルー");
    const std::string other = "WINE REGISTRY Version 2\n[Software\\\\Else] 1\n";
    fs.Bytes(*InternalPath("/p/user.reg")) = std::vector<uint8_t>(other.begin(), other.end());
    EXPECT_EQ(GameFolderFromRegistry(fs, "/p"), "");
}

}  // namespace
}  // namespace vn

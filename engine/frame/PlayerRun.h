#pragma once
// Test helpers: run a player executable and read what it wrote.

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

namespace vn::test {

inline std::string ReadText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The exit status of a shell command line.
inline int RunCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The integer after "key": in a dump, or INT32_MIN when absent.
inline long DumpInt(const std::string& json, const std::string& key) {
    const std::string needle = "\"" + key + "\": ";
    const size_t at = json.find(needle);
    if (at == std::string::npos) return INT32_MIN;
    return std::strtol(json.c_str() + at + needle.size(), nullptr, 10);
}

// A fresh folder per test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        path = std::filesystem::temp_directory_path() /
               ("vn_player_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    std::filesystem::path path;
};

}  // namespace vn::test

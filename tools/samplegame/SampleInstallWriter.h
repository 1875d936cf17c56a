#pragma once
// Writes the sample game as an install folder: the thirteen .pac archives,
// the program placeholder and the "jmv" folder with the opening's sound.

#include <optional>
#include <string>
#include <vector>

#include "formats/io/FileSystem.h"
#include "tools/samplegame/SampleGame.h"

namespace vn {

class SampleInstallWriter {
public:
    explicit SampleInstallWriter(FileSystem& files) : files_(files) {}
    // folder: Shift-JIS with backslashes, created when missing.
    bool Write(const SampleInstall& install, const std::string& folder);
    const std::string& LastError() const { return error_; }

    // The opening movie's sound track as MP3; nullopt when the encoder
    // library is missing.
    static std::optional<std::vector<uint8_t>> OpeningMp3(std::string* error);

private:
    bool Fail(std::string message);
    bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

    FileSystem& files_;
    std::string error_;
};

}  // namespace vn

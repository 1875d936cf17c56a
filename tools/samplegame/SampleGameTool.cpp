// samplegame: writes the sample game, generated from code and the story's
// script sources, in the PC game's form.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/platform/host/Cp932.h"
#include "tools/samplegame/SampleGame.h"

namespace vn {
namespace {

namespace fs = std::filesystem;

int Fail(const std::string& message) {
    std::fprintf(stderr, "samplegame: %s\n", message.c_str());
    return 1;
}

bool Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

void Summary(const SampleInstall& install) {
    size_t total = 0;
    for (const SampleArchive& a : install.archives) {
        size_t bytes = 0;
        for (const SampleEntry& e : a.entries) bytes += e.bytes.size();
        total += bytes;
        std::printf("%-16s method %u  %4zu entries  %9zu bytes\n", a.fileName.c_str(), a.method,
                    a.entries.size(), bytes);
    }
    std::printf("%zu archives, %zu bytes of entries\n", install.archives.size(), total);
}

// Every archive as a folder of its entries (named like the archive without
// ".pac"), for looking at what the game holds.
int WriteLoose(const SampleInstall& install, const fs::path& out) {
    for (const SampleArchive& a : install.archives) {
        const fs::path folder = out / fs::path(a.fileName).stem();
        for (const SampleEntry& e : a.entries)
            if (!Write(folder / Cp932ToUtf8Lossy(e.name), e.bytes)) return Fail("cannot write in " + folder.string());
    }
    for (const LooseFile& f : install.files)
        if (!Write(out / f.path, f.bytes)) return Fail("cannot write " + f.path);
    return 0;
}

}  // namespace
}  // namespace vn

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string story = VN_SAMPLE_STORY_DIR;
    if (args.size() >= 2 && args[0] == "--story") {
        story = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    const bool loose = args.size() == 2 && args[0] == "--loose";
    const bool summary = args.size() == 1 && args[0] == "--summary";
    if (!loose && !summary) {
        std::fprintf(stderr,
                     "usage: samplegame [--story DIR] --loose OUTDIR   (every archive as a folder)\n"
                     "       samplegame [--story DIR] --summary\n");
        return 2;
    }
    const vn::SampleInstall install = vn::SampleGame::Build(story);
    for (const std::string& e : install.errors) std::fprintf(stderr, "samplegame: %s\n", e.c_str());
    if (!install.errors.empty()) return 1;
    vn::Summary(install);
    return loose ? vn::WriteLoose(install, args[1]) : 0;
}

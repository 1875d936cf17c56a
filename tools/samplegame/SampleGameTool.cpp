// samplegame: writes the sample game, generated from code and the story's
// script sources, in the PC game's form.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/platform/host/Cp932.h"
#include "engine/platform/host/HostFileSystem.h"
#include "tools/samplegame/ContactSheet.h"
#include "tools/samplegame/DataTreeCheck.h"
#include "tools/samplegame/SampleGame.h"
#include "tools/samplegame/SampleInstallWriter.h"

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

// Every name of the game present in a converted data tree.
int Check(const std::string& story, const std::vector<std::string>& args) {
    DataTreeOptions options;
    for (size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--vga") options.vga = true;
        else if (args[i] == "--no-sounds") options.sounds = false;
        else if (args[i] == "--no-voices") options.voices = false;
        else return Fail("unknown option " + args[i]);
    }
    const auto data = InternalPath(args[1]);
    if (!data) return Fail(args[1] + ": no Shift-JIS form for this path");
    const SampleInstall install = SampleGame::Build(story);
    if (!install.errors.empty()) return Fail(install.errors[0]);
    HostFileSystem files;
    int checked = 0;
    const auto missing = DataTreeCheck::Missing(files, install, *data, options, &checked);
    for (const std::string& m : missing) std::fprintf(stderr, "missing: %s\n", m.c_str());
    std::printf("%s: %d names checked, %zu missing\n", args[1].c_str(), checked, missing.size());
    return missing.empty() ? 0 : 1;
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
    if (args.size() == 3 && (args[0] == "--contact-sheet" || args[0] == "--contact-sheet-vga")) {
        const auto data = vn::InternalPath(args[1]);
        auto text = vn::TextPainter::OpenDefault();
        if (!data || !text) return vn::Fail("bad data folder or no font");
        vn::HostFileSystem files;
        std::string error;
        const int n = vn::ContactSheet(files, *text).Write(*data, args[0] == "--contact-sheet-vga", args[2], &error);
        if (n < 0) return vn::Fail(error);
        std::printf("%s: %d pictures\n", args[2].c_str(), n);
        return 0;
    }
    if (args.size() >= 2 && args[0] == "--check") return vn::Check(story, args);
    const bool loose = args.size() == 2 && args[0] == "--loose";
    const bool summary = args.size() == 1 && args[0] == "--summary";
    const bool pac = args.size() == 1 && !summary && args[0].rfind("--", 0) != 0;
    if (!loose && !summary && !pac) {
        std::fprintf(stderr,
                     "usage: samplegame [--story DIR] OUTDIR           (the PC install folder)\n"
                     "       samplegame [--story DIR] --loose OUTDIR   (every archive as a folder)\n"
                     "       samplegame [--story DIR] --summary\n"
                     "       samplegame --contact-sheet[-vga] DATA_DIR OUT.png\n"
                     "       samplegame [--story DIR] --check DATA_DIR [--vga] [--no-sounds] [--no-voices]\n");
        return 2;
    }
    const vn::SampleInstall install = vn::SampleGame::Build(story);
    for (const std::string& e : install.errors) std::fprintf(stderr, "samplegame: %s\n", e.c_str());
    if (!install.errors.empty()) return 1;
    vn::Summary(install);
    if (loose) return vn::WriteLoose(install, args[1]);
    if (summary) return 0;
    const auto folder = vn::InternalPath(args[0]);
    if (!folder) return vn::Fail(args[0] + ": no Shift-JIS form for this path");
    vn::HostFileSystem files;
    vn::SampleInstallWriter writer(files);
    if (!writer.Write(install, *folder)) return vn::Fail(writer.LastError());
    return 0;
}

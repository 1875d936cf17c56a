// convVarnek: the dialog without arguments, the command line with them.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "converter/app/CommandLine.h"
#include "converter/audio/Mp3Encoder.h"
#include "converter/gtk/GtkDialogView.h"
#include "converter/registry/WineRegistry.h"
#include "engine/platform/host/HostFileSystem.h"

namespace {

class StderrLog : public vn::JobLog {
public:
    void Note(const std::string& message) override { std::fprintf(stderr, "\nconvVarnek: %s\n", message.c_str()); }
};

}  // namespace

int main(int argc, char** argv) {
    vn::HostFileSystem files;
    StderrLog log;
    std::error_code ec;
    vn::DialogServices services{files, log,
                                [&files] { return vn::GameFolderFromRegistry(files, vn::DefaultWinePrefix()); },
                                [] { return vn::Mp3Encoder().Version(); },
                                std::filesystem::current_path(ec).string()};
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return vn::RunGtkDialog(std::move(services), nullptr);
    // A test aid: the dialog drawn once into a PNG.
    if (args.size() == 2 && args[0] == "--dialog-snapshot") return vn::RunGtkDialog(std::move(services), args[1].c_str());
    if (args[0] == "--help" || args[0] == "-h") {
        std::printf("%s\n", vn::CommandLineUsage());
        return 0;
    }
    std::string error;
    const auto options = vn::ParseCommandLine(args, error);
    if (!options) {
        std::fprintf(stderr, "convVarnek: %s\n%s\n", error.c_str(), vn::CommandLineUsage());
        return 1;
    }
    return vn::RunCommandLine(*options, std::move(services), isatty(STDOUT_FILENO) != 0);
}

#pragma once
// convVarnek's command line: the dialog's settings as options, run through
// the same dialog logic without a window.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "converter/dialog/ConverterDialog.h"

namespace vn {

struct CommandLineOptions {
    std::optional<std::string> source;  // host paths
    std::optional<std::string> output;
    std::vector<std::pair<int, int>> selections;  // list id, index
    std::optional<bool> stereo;
    std::vector<int> unticked;  // check boxes turned off
};

// nullopt with a one-line reason when the arguments are not understood.
std::optional<CommandLineOptions> ParseCommandLine(const std::vector<std::string>& args,
                                                   std::string& error);

// Exit status: 0 when the job has run and written everything, 1 when an
// output could not be written, 2 when the dialog's checks refuse.
int RunCommandLine(const CommandLineOptions& options, DialogServices services, bool terminal);

const char* CommandLineUsage();

}  // namespace vn

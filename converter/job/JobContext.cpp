#include "converter/job/JobContext.h"

#include "engine/platform/host/Cp932.h"
#include "formats/text/ShiftJis.h"

namespace vn {

std::string JoinPath(const std::string& folder, const char* name) {
    if (folder.empty()) return name;
    const char* last = FindLast(folder.c_str(), '\\');
    const bool trailing = last != nullptr && last[1] == '\0';
    return folder + (trailing ? "" : "\\") + name;
}

std::string JobContext::DataPath(const char* name) const {
    const std::string data = JoinPath(settings.outputFolder, "data");
    return name[0] == '\0' ? data : JoinPath(data, name);
}

std::optional<std::vector<uint8_t>> JobContext::ReadEntry(const PacSource& source,
                                                          const PacEntry& entry) {
    std::string error;
    auto bytes = PacReadEntry(files, source.path.c_str(), entry, source.directory.header.method, &error);
    if (!bytes) {
        progress.AddSkipped();
        Note(Cp932ToUtf8Lossy(source.path) + ": " + Cp932ToUtf8Lossy(entry.name) + ": " + error +
             "; left out");
    }
    return bytes;
}

Mp3Encoder& JobContext::Encoder() {
    if (!encoder_) encoder_ = std::make_unique<Mp3Encoder>();
    return *encoder_;
}

void JobContext::WriteFailed(const std::string& what, const std::string& why) {
    progress.AddWriteFailure();
    Note(Cp932ToUtf8Lossy(what) + ": " + why);
}

}  // namespace vn

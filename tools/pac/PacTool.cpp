// pac: list, unpack and make the PC game's .pac archives.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "converter/pac/PacReader.h"
#include "converter/pac/PacWriter.h"
#include "engine/platform/host/Cp932.h"
#include "engine/platform/host/HostFileSystem.h"
#include "formats/text/ShiftJis.h"

namespace vn {
namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "pac: %s\n", message.c_str());
    return 1;
}

int Usage() {
    return Fail("usage: pac list ARCHIVE | pac extract ARCHIVE DIR | pac pack OUT.pac --method 0|1|2 FILE...");
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// No folder separators outside two-byte characters (whose second byte may be 0x5C).
bool PlainName(const char* name) {
    if (name[0] == '\0' || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) return false;
    for (const char* p = name; *p != '\0'; ++p) {
        if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') {
            ++p;
        } else if (*p == '\\' || *p == '/' || *p == ':') {
            return false;
        }
    }
    return true;
}

int List(HostFileSystem& fs, const std::string& archive) {
    const auto path = InternalPath(archive);
    std::string error;
    const auto dir = path ? PacOpen(fs, path->c_str(), &error) : std::nullopt;
    if (!dir) return Fail(archive + ": " + (error.empty() ? "cannot open" : error));
    std::printf("method %u, %zu entries\n", dir->header.method, dir->entries.size());
    for (const PacEntry& e : dir->entries) {
        std::printf("%10u %10u %10u  %s\n", e.offset, e.storedSize, e.expandedSize,
                    Cp932ToUtf8Lossy(e.name).c_str());
    }
    return 0;
}

int Extract(HostFileSystem& fs, const std::string& archive, const std::string& folder) {
    const auto path = InternalPath(archive);
    const auto out = InternalPath(folder);
    if (!path || !out) return Fail("path has no Shift-JIS form");
    std::string error;
    const auto dir = PacOpen(fs, path->c_str(), &error);
    if (!dir) return Fail(archive + ": " + (error.empty() ? "cannot open" : error));
    fs.CreateFolder(out->c_str());
    for (const PacEntry& e : dir->entries) {
        const auto bytes = PacReadEntry(fs, path->c_str(), e, dir->header.method, &error);
        const std::string shown = Cp932ToUtf8Lossy(e.name);
        if (!bytes) return Fail(shown + ": " + error);
        if (!PlainName(e.name)) {
            return Fail(shown + ": entry name is not a plain file name");
        }
        const std::string target = *out + "\\" + e.name;
        auto file = fs.Create(target.c_str());
        if (!file || !file->Write(*bytes) || !file->Close()) return Fail(shown + ": cannot write");
    }
    return 0;
}

int Pack(HostFileSystem& fs, int argc, char** argv) {
    if (argc < 5 || std::strcmp(argv[3], "--method") != 0) return Usage();
    const std::string m = argv[4];
    if (m != "0" && m != "1" && m != "2") return Fail("method must be 0, 1 or 2");
    PacWriter writer(static_cast<uint32_t>(m[0] - '0'));
    for (int i = 5; i < argc; ++i) {
        const auto source = InternalPath(argv[i]);
        const auto name = Utf8ToCp932(BaseName(argv[i]));
        std::vector<uint8_t> bytes;
        if (!source || !name) return Fail(std::string(argv[i]) + ": name has no Shift-JIS form");
        if (!fs.ReadWholeFile(source->c_str(), bytes)) return Fail(std::string(argv[i]) + ": cannot read");
        if (!writer.Add(name->c_str(), bytes)) return Fail(std::string(argv[i]) + ": " + writer.LastError());
    }
    const auto out = InternalPath(argv[2]);
    if (!out || !writer.WriteFile(fs, out->c_str())) return Fail(std::string(argv[2]) + ": " + writer.LastError());
    return 0;
}

}  // namespace
}  // namespace vn

int main(int argc, char** argv) {
    vn::HostFileSystem fs;
    if (argc < 3) return vn::Usage();
    const std::string command = argv[1];
    if (command == "list" && argc == 3) return vn::List(fs, argv[2]);
    if (command == "extract" && argc == 4) return vn::Extract(fs, argv[2], argv[3]);
    if (command == "pack") return vn::Pack(fs, argc, argv);
    return vn::Usage();
}

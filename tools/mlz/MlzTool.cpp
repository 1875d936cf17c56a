// mlz: list, extract, print and make .mlz archives from the shell.
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/platform/host/Cp932.h"
#include "engine/platform/host/HostFileSystem.h"
#include "formats/mlz/MlzArchive.h"
#include "formats/mlz/MlzWriter.h"
#include "formats/text/ShiftJis.h"

namespace vn {
namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "mlz: %s\n", message.c_str());
    return 1;
}

std::string Internal(const std::string& utf8) {
    auto path = InternalPath(utf8);
    return path ? *path : std::string();
}

// An entry name that could reach outside the target folder when used as a
// file name: a separator outside a two-byte character, a drive, or "..".
bool IsPlainName(const char* name) {
    if (name[0] == '\0' || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) {
        return false;
    }
    for (const char* p = name; *p != '\0'; ++p) {
        if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') {
            ++p;
        } else if (*p == '\\' || *p == '/' || *p == ':') {
            return false;
        }
    }
    return true;
}

// Terminal columns of a UTF-8 name: Japanese characters take two, half-width
// katakana one, so the table's columns stay aligned.
size_t DisplayWidth(const std::string& utf8) {
    size_t width = 0;
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        uint32_t cp = n == 1 ? b : b & (0x3F >> (n - 1));
        for (size_t k = 1; k < n && i + k < utf8.size(); ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
        width += (cp >= 0x1100 && !(cp >= 0xFF61 && cp <= 0xFF9F)) ? 2 : 1;
        i += n;
    }
    return width;
}

struct Opened {
    HostFileSystem files;
    MlzArchive archive{files};
    std::string path;
};

bool Open(Opened& o, const std::string& utf8Path) {
    o.path = Internal(utf8Path);
    return !o.path.empty() && o.archive.LoadDirectory(o.path.c_str()) != nullptr;
}

int List(const std::vector<std::string>& args) {
    const bool tsv = !args.empty() && args[0] == "--tsv";
    if (args.size() != (tsv ? 2u : 1u)) return Fail("usage: mlz list [--tsv] ARCHIVE");
    Opened o;
    if (!Open(o, args.back())) return Fail(args.back() + ": " + o.archive.LastError());
    const uint32_t count = o.archive.EntryCount();
    if (!tsv) std::printf("%5s  %-40s %6s %10s %10s %10s\n", "index", "name", "method", "stored",
                          "expanded", "offset");
    for (uint32_t i = 0; i < count; ++i) {
        const MlzEntry e = o.archive.Entry(i);
        std::string name = Cp932ToUtf8Lossy(e.name);
        if (tsv) {
            std::printf("%u\t%s\t%u\t%u\t%u\t%u\n", i, name.c_str(), e.method, e.storedSize,
                        e.expandedSize, e.dataOffset);
            continue;
        }
        const size_t width = DisplayWidth(name);
        if (width < 40) name.append(40 - width, ' ');
        std::printf("%5u  %s %6u %10u %10u %10u\n", i, name.c_str(), e.method, e.storedSize,
                    e.expandedSize, e.dataOffset);
    }
    if (!tsv) std::printf("%u entries\n", count);
    return 0;
}

int Extract(const std::vector<std::string>& args) {
    if (args.size() != 2) return Fail("usage: mlz extract ARCHIVE DIR");
    Opened o;
    if (!Open(o, args[0])) return Fail(args[0] + ": " + o.archive.LastError());
    const std::string dir = Internal(args[1]);
    if (dir.empty() || !o.files.CreateFolder(dir.c_str())) return Fail("cannot create " + args[1]);
    int status = 0;
    for (uint32_t i = 0; i < o.archive.EntryCount(); ++i) {
        const MlzEntry e = o.archive.Entry(i);
        if (e.name[0] == '\0') continue;
        const std::string shown = Cp932ToUtf8Lossy(e.name);
        if (!IsPlainName(e.name)) {
            status = Fail(shown + ": name would leave the folder; not extracted");
            continue;
        }
        auto bytes = o.archive.ReadEntryAt(o.path.c_str(), i);
        if (!bytes) {
            status = Fail(shown + ": " + o.archive.LastError());
            continue;
        }
        const std::string target = dir + "\\" + e.name;
        auto out = o.files.Create(target.c_str());
        if (!out || !out->Write(*bytes) || !out->Close()) {
            status = Fail(shown + ": cannot write");
        }
    }
    return status;
}

int Cat(const std::vector<std::string>& args) {
    if (args.size() != 2) return Fail("usage: mlz cat ARCHIVE NAME");
    Opened o;
    if (!Open(o, args[0])) return Fail(args[0] + ": " + o.archive.LastError());
    auto name = Utf8ToCp932(args[1]);
    if (!name) return Fail(args[1] + ": name has no Shift-JIS form");
    auto bytes = o.archive.ReadEntry(o.path.c_str(), name->c_str());
    if (!bytes) return Fail(args[1] + ": " + o.archive.LastError());
    if (!bytes->empty() && std::fwrite(bytes->data(), 1, bytes->size(), stdout) != bytes->size()) {
        return Fail("cannot write to standard output");
    }
    return 0;
}

int Pack(const std::vector<std::string>& args) {
    std::vector<std::string> inputs;
    uint32_t method = kMlzMethodLzss;
    std::string archivePath;
    for (const auto& a : args) {
        if (a == "--store") {
            method = kMlzMethodStored;
        } else if (archivePath.empty()) {
            archivePath = a;
        } else {
            inputs.push_back(a);
        }
    }
    if (archivePath.empty()) return Fail("usage: mlz pack ARCHIVE [--store] FILE...");
    HostFileSystem files;
    // Check every name and read every file before the archive is touched.
    std::vector<std::pair<std::string, std::vector<uint8_t>>> entries;
    for (const auto& input : inputs) {
        const size_t slash = input.find_last_of('/');
        const std::string base = slash == std::string::npos ? input : input.substr(slash + 1);
        auto name = Utf8ToCp932(base);
        if (!name) return Fail(base + ": name has no Shift-JIS form");
        if (name->size() > kMlzNameSize - 1) return Fail(base + ": name longer than 63 bytes");
        std::vector<uint8_t> bytes;
        const std::string path = Internal(input);
        if (path.empty() || !files.ReadWholeFile(path.c_str(), bytes)) {
            return Fail(input + ": cannot read");
        }
        entries.emplace_back(*name, std::move(bytes));
    }
    MlzWriter writer(files);
    const std::string out = Internal(archivePath);
    if (out.empty() || !writer.Create(out.c_str(), static_cast<uint32_t>(entries.size()))) {
        return Fail(archivePath + ": " + writer.LastError());
    }
    for (uint32_t i = 0; i < entries.size(); ++i) {
        if (!writer.AddEntry(i, entries[i].first.c_str(), entries[i].second, method)) {
            return Fail(inputs[i] + ": " + writer.LastError());
        }
    }
    if (!writer.Finish()) return Fail(archivePath + ": " + writer.LastError());
    return 0;
}

}  // namespace
}  // namespace vn

int main(int argc, char** argv) {
    using Command = std::function<int(const std::vector<std::string>&)>;
    const std::map<std::string, Command> commands = {
        {"list", vn::List}, {"extract", vn::Extract}, {"cat", vn::Cat}, {"pack", vn::Pack}};
    if (argc < 2 || commands.count(argv[1]) == 0) {
        return vn::Fail("usage: mlz list|extract|cat|pack ...");
    }
    return commands.at(argv[1])(std::vector<std::string>(argv + 2, argv + argc));
}

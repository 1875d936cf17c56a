#include "engine/platform/host/HostFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "engine/platform/host/Cp932.h"
#include "formats/text/ShiftJis.h"

namespace vn {

namespace {

bool Exists(const std::string& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0;
}

bool EqualsFoldingAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto fa = static_cast<unsigned char>(a[i]), fb = static_cast<unsigned char>(b[i]);
        if (fa >= 'a' && fa <= 'z') fa -= 32;
        if (fb >= 'a' && fb <= 'z') fb -= 32;
        if (fa != fb) return false;
    }
    return true;
}

// The entry of folder whose name equals name up to ASCII case, else name.
std::string MatchComponent(const std::string& folder, const std::string& name) {
    if (name == "." || name == ".." || Exists(folder + name)) return name;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return name;
    std::string found = name;
    while (dirent* e = ::readdir(dir)) {
        if (EqualsFoldingAscii(e->d_name, name)) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::string ResolveCase(const std::string& path) {
    if (path.empty() || Exists(path)) return path;
    std::string out;
    size_t i = 0;
    if (path[0] == '/') {
        out = "/";
        i = 1;
    }
    while (i <= path.size()) {
        size_t j = path.find('/', i);
        if (j == std::string::npos) j = path.size();
        const std::string part = path.substr(i, j - i);
        if (!part.empty()) out += MatchComponent(out, part);
        if (j < path.size()) out += '/';
        i = j + 1;
    }
    return out;
}

class HostOutputFile : public OutputFile {
public:
    explicit HostOutputFile(int fd) : fd_(fd) {}
    ~HostOutputFile() override { Close(); }
    bool Write(std::span<const uint8_t> bytes) override {
        return fd_ >= 0 && WriteAll(bytes, [&](const uint8_t* p, size_t n) { return ::write(fd_, p, n); });
    }
    bool WriteAt(uint64_t offset, std::span<const uint8_t> bytes) override {
        if (fd_ < 0) return false;
        uint64_t at = offset;
        return WriteAll(bytes, [&](const uint8_t* p, size_t n) {
            const ssize_t w = ::pwrite(fd_, p, n, static_cast<off_t>(at));
            if (w > 0) at += static_cast<uint64_t>(w);
            return w;
        });
    }
    bool Close() override {
        if (fd_ < 0) return closedOk_;
        closedOk_ = ::close(fd_) == 0;
        fd_ = -1;
        return closedOk_;
    }

private:
    template <class Fn>
    static bool WriteAll(std::span<const uint8_t> bytes, Fn write) {
        const uint8_t* p = bytes.data();
        size_t left = bytes.size();
        while (left > 0) {
            const ssize_t w = write(p, left);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return false;
            p += w;
            left -= static_cast<size_t>(w);
        }
        return true;
    }
    int fd_;
    bool closedOk_ = false;
};

}  // namespace

std::optional<std::string> HostFileSystem::HostPath(const char* path) {
    // Only a backslash that is a character of its own is a separator; the
    // second byte of a two-byte character may be 0x5C too.
    std::string slashed;
    for (const char* p = path; *p != '\0'; ++p) {
        if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') {
            slashed += *p++;
            slashed += *p;
        } else {
            slashed += (*p == '\\') ? '/' : *p;
        }
    }
    auto utf8 = Cp932ToUtf8(slashed);
    if (!utf8) return std::nullopt;
    return ResolveCase(*utf8);
}

int64_t HostFileSystem::FileSize(const char* path) {
    auto host = HostPath(path);
    struct stat st;
    if (!host || ::stat(host->c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return static_cast<int64_t>(st.st_size);
}

int64_t HostFileSystem::ReadAt(const char* path, uint64_t offset, std::span<uint8_t> dest) {
    auto host = HostPath(path);
    if (!host) return -1;
    const int fd = ::open(host->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    size_t done = 0;
    while (done < dest.size()) {
        const ssize_t r = ::pread(fd, dest.data() + done, dest.size() - done,
                                  static_cast<off_t>(offset + done));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        done += static_cast<size_t>(r);
    }
    ::close(fd);
    return static_cast<int64_t>(done);
}

std::unique_ptr<OutputFile> HostFileSystem::Create(const char* path) {
    auto host = HostPath(path);
    if (!host) return nullptr;
    const int fd = ::open(host->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    return std::make_unique<HostOutputFile>(fd);
}

bool HostFileSystem::CreateFolder(const char* path) {
    auto host = HostPath(path);
    if (!host) return false;
    struct stat st;
    if (::stat(host->c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    return ::mkdir(host->c_str(), 0755) == 0;
}

bool HostFileSystem::FileExists(const char* path) {
    auto host = HostPath(path);
    return host && Exists(*host);
}

std::optional<std::string> InternalPath(const std::string& utf8Path) {
    auto cp932 = Utf8ToCp932(utf8Path);
    if (!cp932) return std::nullopt;
    std::string out;
    for (size_t i = 0; i < cp932->size(); ++i) {
        const char c = (*cp932)[i];
        if (IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < cp932->size()) {
            out += c;
            out += (*cp932)[++i];
        } else {
            out += (c == '/') ? '\\' : c;
        }
    }
    return out;
}

}  // namespace vn

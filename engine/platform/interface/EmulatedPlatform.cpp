#include "engine/platform/interface/EmulatedPlatform.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>

#include <sys/statvfs.h>

#include "engine/platform/host/Cp932.h"
#include "engine/platform/host/Png.h"

namespace vn {

EmulatedPlatform::EmulatedPlatform(const BuildProfile& profile, std::string programFolder)
    : profile_(profile), display_(profile), programFolder_(std::move(programFolder)) {}

std::optional<std::string> EmulatedPlatform::FindProgramFolder(const std::optional<std::string>& root,
                                                               std::string& error) {
    std::error_code ec;
    std::filesystem::path folder;
    if (root) {
        folder = std::filesystem::absolute(*root, ec);
    } else {
        folder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    }
    if (ec || !std::filesystem::is_directory(folder, ec)) {
        error = "no such folder: " + (root ? *root : folder.string());
        return std::nullopt;
    }
    auto internal = InternalPath(folder.lexically_normal().string());
    if (!internal) {
        error = "the folder's name has no Shift-JIS form: " + folder.string();
        return std::nullopt;
    }
    if (internal->empty() || internal->back() != '\\') *internal += '\\';
    return internal;
}

bool EmulatedPlatform::SaveScreenshot(const std::string& hostPath) const {
    RgbaImage image;
    display_.ToLandscape(image);
    return display_.IsOpen() && WritePngFile(hostPath, image);
}

std::string EmulatedPlatform::ToUtf8(std::string_view shiftJis) const { return Cp932ToUtf8Lossy(shiftJis); }

bool EmulatedPlatform::WriteHostFile(const std::string& hostPath, std::string_view bytes) const {
    std::ofstream out(hostPath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

DeviceStatus EmulatedPlatform::GetDeviceStatus() {
    DeviceStatus s;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    s.year = local.tm_year + 1900;
    s.month = local.tm_mon + 1;
    s.day = local.tm_mday;
    s.hour = local.tm_hour;
    s.minute = local.tm_min;
    s.second = local.tm_sec;
    long long total = 0, available = 0;
    if (std::FILE* f = std::fopen("/proc/meminfo", "r")) {
        char line[128];
        while (std::fgets(line, sizeof line, f) != nullptr) {
            std::sscanf(line, "MemTotal: %lld", &total);
            std::sscanf(line, "MemAvailable: %lld", &available);
        }
        std::fclose(f);
    }
    if (total > 0) s.memoryLoadPercent = static_cast<int>((total - available) * 100 / total);
    if (auto host = HostFileSystem::HostPath(programFolder_.c_str())) {
        struct statvfs fs {};
        if (::statvfs(host->c_str(), &fs) == 0) s.freeStorageBytes = static_cast<int64_t>(fs.f_bavail) * fs.f_frsize;
    }
    return s;
}

}  // namespace vn

namespace vn {

bool EmulatedPlatform::DrawGlyph(std::string_view face, int pixelHeight, std::string_view character, uint8_t* cell,
                                 int cellWidth, int cellHeight) {
    if (!glyphs_) glyphs_ = std::make_unique<GlyphRenderer>();
    return glyphs_->Draw(ToUtf8(face), pixelHeight, ToUtf8(character), cell, cellWidth, cellHeight);
}

}  // namespace vn

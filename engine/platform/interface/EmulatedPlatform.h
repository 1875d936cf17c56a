#pragma once
// What the SDL and headless drivers share: the emulated frame buffer, the
// program folder and its files, text conversion, screenshots, host output
// and the device status. The drivers add the window, events and time.

#include <memory>
#include <optional>
#include <string>

#include "engine/platform/font/GlyphRenderer.h"
#include "engine/platform/host/HostPlatformFiles.h"
#include "engine/platform/interface/EmulatedDisplay.h"
#include "engine/platform/interface/Platform.h"
#include "engine/platform/interface/PlayerOptions.h"

namespace vn {

class EmulatedPlatform : public Platform {
public:
    EmulatedPlatform(const BuildProfile& profile, std::string programFolder);

    // The folder that stands for the program's folder: --root DIR, else the
    // executable's own; Shift-JIS with a trailing backslash, or nullopt
    // with a reason.
    static std::optional<std::string> FindProgramFolder(const std::optional<std::string>& root,
                                                        std::string& error);

    const BuildProfile& Profile() const override { return profile_; }
    DisplayProperties GetDisplayProperties() const override { return display_.Properties(); }
    void CloseDisplay() override { display_.Close(); }
    bool SaveScreenshot(const std::string& hostPath) const override;
    PlatformFiles& Files() override { return files_; }
    std::string ProgramFolder() const override { return programFolder_; }
    std::string ToUtf8(std::string_view shiftJis) const override;
    bool WriteHostFile(const std::string& hostPath, std::string_view bytes) const override;
    DeviceStatus GetDeviceStatus() override;
    bool DrawGlyph(std::string_view face, int pixelHeight, std::string_view character, uint8_t* cell,
                   int cellWidth, int cellHeight) override;

    const EmulatedDisplay& Display() const { return display_; }

protected:
    const BuildProfile& profile_;
    EmulatedDisplay display_;
    HostPlatformFiles files_;
    std::string programFolder_;
    std::unique_ptr<GlyphRenderer> glyphs_;  // opened at the first glyph
};

}  // namespace vn

#pragma once
// The operations the engine needs from the system it runs on: a window with
// its message queue, a frame buffer described by DisplayProperties, keys and
// pen, a millisecond tick, files and text conversion. Two drivers implement
// it: SDL (a real window) and headless (virtual clock, event file).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/platform/interface/BuildProfile.h"
#include "engine/platform/interface/PlatformFiles.h"

namespace vn {

class JsonWriter;

struct DisplayProperties {
    int32_t width = 0;   // pixels along the frame buffer's x axis
    int32_t height = 0;  // pixels along its y axis
    int32_t xPitch = 0;  // signed bytes between neighbours along x
    int32_t yPitch = 0;  // signed bytes between neighbours along y
    int32_t bitsPerPixel = 0;
    int32_t formatFlags = 0;  // 0x80: direct 5-6-5
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool operator==(const Rect&) const = default;
};

// Window messages, numbered as the handheld's system numbers them.
enum MessageId : uint32_t {
    MsgDestroy = 0x0002,
    MsgMove = 0x0003,
    MsgSize = 0x0005,
    MsgActivate = 0x0006,
    MsgPaint = 0x000F,
    MsgClose = 0x0010,
    MsgQuit = 0x0012,
    MsgEraseBackground = 0x0014,
    MsgKeyDown = 0x0100,
    MsgKeyUp = 0x0101,
    MsgCommand = 0x0111,
    MsgTimer = 0x0113,
    MsgPenMove = 0x0200,
    MsgPenDown = 0x0201,
    MsgPenUp = 0x0202,
};

struct Message {
    uint32_t id = 0;
    uint32_t wParam = 0;  // key code, command id, quit code
    int32_t lParam = 0;   // pen position: x in the low 16 bits, y in the high 16, both signed
};

constexpr int32_t PackPoint(int x, int y) {
    return static_cast<int32_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF));
}
constexpr int PointX(int32_t lParam) { return static_cast<int16_t>(lParam & 0xFFFF); }
constexpr int PointY(int32_t lParam) { return static_cast<int16_t>((static_cast<uint32_t>(lParam) >> 16) & 0xFFFF); }

// What the menu's status line shows.
struct DeviceStatus {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int batteryPercent = -1;  // -1 unknown (no battery)
    int memoryLoadPercent = -1;
    int64_t freeStorageBytes = -1;
};

class Platform {
public:
    virtual ~Platform() = default;

    // The build this driver was made for (sizes, titles, default keys).
    virtual const BuildProfile& Profile() const = 0;

    // Single instance: true when another player of the same class and title
    // runs (it has then been asked to raise its window).
    virtual bool RaiseRunningInstance() = 0;

    // Window.
    virtual bool CreateMainWindow() = 0;
    virtual void SetTitle(const char* title) = 0;  // Shift-JIS
    virtual void ShowWindow() = 0;
    virtual void DestroyWindow() = 0;
    virtual void PostMessage(const Message& message) = 0;
    // Looks at the queue without removing; the driver gathers its input here.
    virtual bool PeekMessage() = 0;
    virtual bool GetMessage(Message& message) = 0;
    virtual void MessageBox(const char* text, const char* caption) = 0;  // Shift-JIS, OK only

    // Display.
    virtual bool OpenDisplay() = 0;
    virtual DisplayProperties GetDisplayProperties() const = 0;
    virtual uint8_t* BeginDraw() = 0;
    virtual void PresentRect(const Rect& logical) = 0;
    virtual void EndDraw() = 0;
    virtual void CloseDisplay() = 0;
    // What a user sees (landscape, logical size) as a PNG file at a host
    // (UTF-8) path.
    virtual bool SaveScreenshot(const std::string& hostPath) const = 0;

    // Input.
    virtual bool OpenInput() = 0;
    virtual void CloseInput() = 0;

    // Called once per due frame before it runs (keeps the session awake;
    // the headless driver counts frames here).
    virtual void FrameDue() = 0;

    // Time.
    virtual uint32_t Tick() = 0;
    virtual void Sleep(uint32_t ms) = 0;

    // Files and text.
    virtual PlatformFiles& Files() = 0;
    // The folder standing for the program's folder, Shift-JIS, with its
    // trailing backslash.
    virtual std::string ProgramFolder() const = 0;
    virtual std::string ToUtf8(std::string_view shiftJis) const = 0;
    // Test and tool output (state dumps) at a host (UTF-8) path.
    virtual bool WriteHostFile(const std::string& hostPath, std::string_view bytes) const = 0;

    virtual DeviceStatus GetDeviceStatus() = 0;

    // Text output: one Shift-JIS character of the face (Shift-JIS) at the
    // pixel height, white on black at (0, 0) of a top-down 24-bit cell,
    // without anti-aliasing. False when no font is available.
    virtual bool DrawGlyph(std::string_view face, int pixelHeight, std::string_view character, uint8_t* cell,
                           int cellWidth, int cellHeight) = 0;

    // The driver's own fields for the state dump.
    virtual void DumpState(JsonWriter& json) const = 0;
};

}  // namespace vn

#include "engine/platform/sdl/SdlPlatform.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/platform/host/Png.h"
#include "engine/platform/interface/JsonWriter.h"
#include "engine/platform/interface/VirtualKeys.h"

namespace vn {
namespace {

struct KeyRow {
    SDL_Keycode sdl;
    uint16_t vk;
};

constexpr KeyRow kKeys[] = {
    {SDLK_UP, VkUp}, {SDLK_DOWN, VkDown}, {SDLK_LEFT, VkLeft}, {SDLK_RIGHT, VkRight},
    {SDLK_RETURN, VkReturn}, {SDLK_KP_ENTER, VkReturn}, {SDLK_ESCAPE, VkEscape}, {SDLK_SPACE, VkSpace},
    {SDLK_BACKSPACE, VkBack}, {SDLK_TAB, VkTab}, {SDLK_LSHIFT, VkShift}, {SDLK_RSHIFT, VkShift},
    {SDLK_LCTRL, VkControl}, {SDLK_RCTRL, VkControl}, {SDLK_LALT, VkMenu}, {SDLK_RALT, VkMenu},
    {SDLK_PAGEUP, VkPrior}, {SDLK_PAGEDOWN, VkNext}, {SDLK_HOME, VkHome}, {SDLK_END, VkEnd},
    {SDLK_INSERT, VkInsert}, {SDLK_DELETE, VkDelete},
};

// Keyboard key to virtual-key code, 0 for keys the handheld never had.
uint16_t ToVirtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<uint16_t>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<uint16_t>('0' + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<uint16_t>(VkF1 + (key - SDLK_F1));
    for (const KeyRow& row : kKeys) {
        if (row.sdl == key) return row.vk;
    }
    return 0;
}

// Controller buttons onto the platform's default key list (index into it).
struct ButtonRow {
    SDL_GameControllerButton button;
    int defaultKey;  // up, down, left, right, A, B, C, start
};
constexpr ButtonRow kButtons[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, 0}, {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 2}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 3},
    {SDL_CONTROLLER_BUTTON_A, 4}, {SDL_CONTROLLER_BUTTON_B, 5}, {SDL_CONTROLLER_BUTTON_X, 6},
    {SDL_CONTROLLER_BUTTON_START, 7},
};

}  // namespace

SdlPlatform::SdlPlatform(const BuildProfile& profile, std::string programFolder, const PlayerOptions& options)
    : EmulatedPlatform(profile, std::move(programFolder)),
      options_(options),
      instance_(profile.className, profile.title) {}

SdlPlatform::~SdlPlatform() {
    DestroyWindow();
    SDL_Quit();
}

int SdlPlatform::ViewWidth() const {
    return options_.portrait && profile_.display == DisplayKind::RawPortrait ? EmulatedDisplay::kPortraitWidth
                                                                             : profile_.logicalWidth;
}

int SdlPlatform::ViewHeight() const {
    return options_.portrait && profile_.display == DisplayKind::RawPortrait ? EmulatedDisplay::kPortraitHeight
                                                                             : profile_.logicalHeight;
}

bool SdlPlatform::CreateMainWindow() {
    const int w = ViewWidth(), h = ViewHeight();
    scale_ = options_.scale;
    if (scale_ == 0) {
        SDL_Rect usable{0, 0, w, h};
        SDL_GetDisplayUsableBounds(0, &usable);
        // Room for the window's frame and title bar.
        scale_ = std::max(1, std::min((usable.w - 16) / w, (usable.h - 48) / h));
    }
    window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w * scale_,
                               h * scale_, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (window_ == nullptr) return false;
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) return false;
    SDL_RenderSetLogicalSize(renderer_, w, h);  // mouse positions arrive in view pixels too
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STREAMING, w, h);
    return texture_ != nullptr;
}

void SdlPlatform::SetTitle(const char* title) {
    title_ = ToUtf8(title);
    if (window_ != nullptr) SDL_SetWindowTitle(window_, title_.c_str());
}

void SdlPlatform::ShowWindow() {
    if (window_ == nullptr) return;
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    if (options_.fullscreen) ToggleFullscreen();
    PostMessage({MsgPaint, 0, 0});
}

void SdlPlatform::DestroyWindow() {
    if (window_ != nullptr) SDL_GetWindowSize(window_, &lastWidth_, &lastHeight_);  // for the exit dump
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

void SdlPlatform::ToggleFullscreen() {
    fullscreen_ = !fullscreen_;
    SDL_SetWindowFullscreen(window_, fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

int32_t SdlPlatform::PenPosition(int viewX, int viewY) const {
    const int x = std::clamp(viewX, 0, ViewWidth() - 1), y = std::clamp(viewY, 0, ViewHeight() - 1);
    if (ViewWidth() == profile_.logicalWidth) return display_.LogicalToPen(x, y);
    // The portrait view shows the frame buffer itself: the pen is at half its resolution.
    return PackPoint(x / 2, y / 2);
}

void SdlPlatform::OnKey(const SDL_Event& e) {
    const SDL_Keycode key = e.key.keysym.sym;
    const bool down = e.type == SDL_KEYDOWN;
    const bool alt = (e.key.keysym.mod & KMOD_ALT) != 0;
    if (key == SDLK_F11 || (alt && (key == SDLK_RETURN || key == SDLK_KP_ENTER))) {
        if (down && e.key.repeat == 0) ToggleFullscreen();
        return;  // the window's own keys never reach the game
    }
    const uint16_t vk = ToVirtualKey(key);
    if (vk != 0) PostMessage({down ? uint32_t{MsgKeyDown} : uint32_t{MsgKeyUp}, vk, 0});
}

void SdlPlatform::OnControllerButton(const SDL_Event& e) {
    for (const ButtonRow& row : kButtons) {
        const uint16_t vk = profile_.defaultKeys[row.defaultKey];
        if (row.button == e.cbutton.button && vk != 0) {
            PostMessage({e.type == SDL_CONTROLLERBUTTONDOWN ? uint32_t{MsgKeyDown} : uint32_t{MsgKeyUp}, vk, 0});
        }
    }
}

void SdlPlatform::Translate(const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT: PostMessage({MsgClose, 0, 0}); break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) PostMessage({MsgClose, 0, 0});
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                PostMessage({MsgSize, 0, 0});
            }
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) PostMessage({MsgActivate, 1, 0});
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: OnKey(e); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (e.button.button != SDL_BUTTON_LEFT) break;
            penDown_ = e.type == SDL_MOUSEBUTTONDOWN;
            PostMessage({penDown_ ? uint32_t{MsgPenDown} : uint32_t{MsgPenUp}, 0, PenPosition(e.button.x, e.button.y)});
            break;
        case SDL_MOUSEMOTION:
            if (penDown_) PostMessage({MsgPenMove, 0, PenPosition(e.motion.x, e.motion.y)});
            break;
        case SDL_CONTROLLERDEVICEADDED: SDL_GameControllerOpen(e.cdevice.which); break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: OnControllerButton(e); break;
        default: break;
    }
}

bool SdlPlatform::PeekMessage() {
    if (const int raised = instance_.TakeRaiseRequests(); raised > 0) {
        raiseRequests_ += raised;
        if (window_ != nullptr) {
            SDL_RestoreWindow(window_);
            SDL_RaiseWindow(window_);
        }
    }
    SDL_Event e;
    while (queue_.empty() && SDL_PollEvent(&e)) Translate(e);
    return !queue_.empty();
}

bool SdlPlatform::GetMessage(Message& message) {
    if (queue_.empty()) return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

void SdlPlatform::MessageBox(const char* text, const char* caption) {
    const std::string t = ToUtf8(text), c = ToUtf8(caption);
    std::fprintf(stderr, "%s: %s: %s\n", profile_.executable, c.c_str(), t.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, c.c_str(), t.c_str(), nullptr);
}

bool SdlPlatform::OpenDisplay() {
    display_.Open(profile_.logicalWidth, profile_.logicalHeight);
    return true;
}

void SdlPlatform::Render(bool present) {
    if (renderer_ == nullptr || !display_.IsOpen()) return;
    RgbaImage image;
    if (ViewWidth() == profile_.logicalWidth) display_.ToLandscape(image);
    else display_.ToNative(image);
    SDL_UpdateTexture(texture_, nullptr, image.rgba.data(), image.width * 4);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    if (present) SDL_RenderPresent(renderer_);
}

void SdlPlatform::EndDraw() {
    // The texture is refreshed whole either way; partial updates only save
    // the conversion on the device itself.
    partial_ = false;
    Render(true);
    ++presents_;
}

bool SdlPlatform::SaveWindowShot(const std::string& path) {
    if (renderer_ == nullptr) return false;
    Render(false);
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    RgbaImage image;
    image.width = w;
    image.height = h;
    image.rgba.resize(static_cast<size_t>(w) * h * 4);
    // Reading the whole output needs the logical size out of the way.
    SDL_RenderSetLogicalSize(renderer_, 0, 0);
    const bool read = SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGBA32, image.rgba.data(), w * 4) == 0;
    SDL_RenderSetLogicalSize(renderer_, ViewWidth(), ViewHeight());
    return read && WritePngFile(path, image);
}

void SdlPlatform::FrameDue() {
    for (const FrameFile& shot : options_.windowShots) {
        if (shot.frame == framesStarted_ && !SaveWindowShot(shot.path)) {
            std::fprintf(stderr, "%s: cannot write %s\n", profile_.executable, shot.path.c_str());
        }
    }
    ++framesStarted_;
}

uint32_t SdlPlatform::Tick() { return SDL_GetTicks(); }
void SdlPlatform::Sleep(uint32_t ms) { SDL_Delay(ms); }

DeviceStatus SdlPlatform::GetDeviceStatus() {
    DeviceStatus s = EmulatedPlatform::GetDeviceStatus();
    int percent = -1;
    const SDL_PowerState state = SDL_GetPowerInfo(nullptr, &percent);
    s.batteryPercent = (state == SDL_POWERSTATE_ON_BATTERY || state == SDL_POWERSTATE_CHARGING) ? percent : -1;
    return s;
}

void SdlPlatform::DumpState(JsonWriter& json) const {
    int w = lastWidth_, h = lastHeight_;
    if (window_ != nullptr) SDL_GetWindowSize(window_, &w, &h);
    json.String("driver", "sdl").String("videoDriver", SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "");
    json.String("title", window_ != nullptr ? SDL_GetWindowTitle(window_) : title_.c_str());
    json.Int("windowWidth", w).Int("windowHeight", h).Int("scale", scale_);
    json.Int("viewWidth", ViewWidth()).Int("viewHeight", ViewHeight()).Bool("fullscreen", fullscreen_);
    json.Int("framesStarted", framesStarted_).Int("presents", presents_).Int("raiseRequests", raiseRequests_);
}

std::unique_ptr<Platform> CreateSdlPlatform(const BuildProfile& profile, const PlayerOptions& options,
                                            std::string& error) {
    auto folder = EmulatedPlatform::FindProgramFolder(options.root, error);
    if (!folder) return nullptr;
    const char* noDisplay = "no display available; use --headless to run without one";
    // Without a display SDL would fall back to its invisible drivers; only
    // an explicit SDL_VIDEODRIVER may choose those.
    const bool chosen = std::getenv("SDL_VIDEODRIVER") != nullptr;
    if (!chosen && std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        error = noDisplay;
        return nullptr;
    }
    if (!chosen && std::getenv("DISPLAY") != nullptr) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS) != 0) {
        error = std::string(noDisplay) + " (" + SDL_GetError() + ")";
        return nullptr;
    }
    const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if (!chosen && (driver == "offscreen" || driver == "dummy" || driver == "evdev")) {
        SDL_Quit();
        error = noDisplay;
        return nullptr;
    }
    return std::make_unique<SdlPlatform>(profile, std::move(*folder), options);
}

}  // namespace vn

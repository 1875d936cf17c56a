#include "engine/frame/SystemWindow.h"

namespace vn {

SystemWindow::SystemWindow(Platform& p)
    : platform(p), title("Ostrel\x94\xc4\x97\x70\x83\x56\x83\x58\x83\x65\x83\x80") {}  // "Ostrel汎用システム"

void SystemWindow::DestroyMainWindow() {
    if (!windowAlive) return;
    windowAlive = false;
    platform.DestroyWindow();
    WindowProc({MsgDestroy, 0, 0});
}

int32_t SystemWindow::WindowProc(const Message& m) {
    switch (m.id) {
        case MsgDestroy: PostQuit(0); return 0;
        case MsgClose: DestroyMainWindow(); return 0;
        case MsgSize: platform.PostMessage({MsgPaint, 0, 0}); return 0;  // invalidate it all
        default: return 0;
    }
}

}  // namespace vn

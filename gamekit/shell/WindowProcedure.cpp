#include "gamekit/shell/ShellState.h"
#include "platform/Gx.h"

namespace gamekit::shell {

namespace {

// Window positions are the low and high 16 bits of lParam, not sign-extended.
void pointOf(LPARAM lParam, int32_t* x, int32_t* y) {
    *x = LOWORD(static_cast<uintptr_t>(lParam));
    *y = HIWORD(static_cast<uintptr_t>(lParam));
}

void deactivate(State& s, HWND window) {
    taskbar(true);
    if (!s.gxClosed) {
        GXCloseInput();
        GXCloseDisplay();
        s.gxClosed = true;
    }
    ShowWindow(window, SW_HIDE);
    InvalidateRect(window, nullptr, TRUE);
    Sleep(10);
}

void activate(State& s, HWND window) {
    taskbar(false);
    ShowWindow(window, SW_SHOW);
    if (s.gxClosed && s.suspended) {
        GXOpenDisplay(window, GX_FULLSCREEN);
        GXOpenInput();
        s.gxClosed = false;
    }
    Sleep(100);
    pumpMessages(true);
}

void gainFocus(State& s, HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), 0);
    while (!SetForegroundWindow(window)) Sleep(100);
    SHFullScreen(window, SHFS_HIDETASKBAR);
    SHFullScreen(window, SHFS_HIDESTARTICON);
    SHFullScreen(window, SHFS_HIDESIPBUTTON);
    GXResume();
    if (s.gxClosed && s.suspended) s.gxClosed = false;
    s.suspended = false;
    pumpMessages(true);
}

void loseFocus(State& s) {
    GXSuspend();
    s.suspended = true;
    s.gxClosed = true;
    Sleep(10);
}

void keyDown(State& s, WPARAM wParam) {
    int32_t code = static_cast<int16_t>(wParam & 0xFFFF);
    if (code == s.keys.left) s.input.leftPressed = 1;
    if (code == s.keys.right) s.input.rightPressed = 1;
    if (code == s.keys.up) s.input.upPressed = 1;
    if (code == s.keys.down) s.input.downPressed = 1;
}

}  // namespace

LRESULT windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    State& s = state();
    switch (message) {
        case WM_CREATE:
        case WM_SETTINGCHANGE: taskbar(false); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) deactivate(s, window);
            else if (LOWORD(wParam) == WA_ACTIVE) activate(s, window);
            return 0;
        case WM_SETFOCUS: gainFocus(s, window); return 0;
        case WM_KILLFOCUS: loseFocus(s); return 0;
        case WM_ENABLE: return 0;
        // The desktop window being closed is the Exit command: settings
        // saved, orderly shutdown, rather than a process left without a
        // window.
        case WM_CLOSE: commandExit();
        case WM_KEYDOWN: keyDown(s, wParam); return 0;
        case WM_KEYUP: return 0;
        case WM_MOUSEMOVE: pointOf(lParam, &s.input.moveX, &s.input.moveY); return 0;
        case WM_LBUTTONDOWN:
            pointOf(lParam, &s.input.downX, &s.input.downY);
            s.input.pressX = s.input.downX;
            s.input.pressY = s.input.downY;
            s.input.tapPending = true;
            s.input.penDown = true;
            return 0;
        case WM_LBUTTONUP:
            pointOf(lParam, &s.input.downX, &s.input.downY);
            s.input.penDown = false;
            return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace gamekit::shell

#include <cstdlib>
#include <cstring>

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
    s.handedBack = false;
    if (s.undimmed != nullptr) {
        // Back from Suspend: the screen the game last drew, not its dimmed copy.
        std::memcpy(s.backBuffer, s.undimmed, sizeof(uint16_t) * kScreenWidth * kScreenHeight);
        s.frames.forget();
        std::free(s.undimmed);
        s.undimmed = nullptr;
    }
    // Back in front: the whole screen is shown again.
    rowsWritten(0, kScreenHeight);
    pumpMessages(true);
}

void loseFocus(State& s) {
    GXSuspend();
    s.suspended = true;
    s.gxClosed = true;
    Sleep(10);
}

void penPressed(State& s, LPARAM lParam) {
    InputState& in = s.input;
    if (s.handedBack) return;
    if (in.tapPending) {
        // One press already waits for the game: this one is dropped.
        in.dropping = true;
        return;
    }
    pointOf(lParam, &in.downX, &in.downY);
    in.pressX = in.downX;
    in.pressY = in.downY;
    in.tapPending = true;
    in.pendingReleased = false;
    in.penDown = true;
}

// The release point is the last move point, where the pen was seen last.
void penLifted(State& s, LPARAM lParam) {
    InputState& in = s.input;
    if (s.handedBack) return;
    if (in.dropping) {
        in.dropping = false;
        return;
    }
    pointOf(lParam, &in.downX, &in.downY);
    in.penDown = false;
    if (in.tapPending) {
        in.pendingReleased = true;
        in.pendingUpX = in.moveX;
        in.pendingUpY = in.moveY;
    } else {
        in.trackedReleased = true;
        in.trackedUpX = in.moveX;
        in.trackedUpY = in.moveY;
    }
}

void keyDown(State& s, WPARAM wParam) {
    int32_t code = static_cast<int16_t>(wParam & 0xFFFF);
    if (code == s.keys.left) s.input.leftPressed = 1;
    if (code == s.keys.right) s.input.rightPressed = 1;
    if (code == s.keys.up) s.input.upPressed = 1;
    if (code == s.keys.down) s.input.downPressed = 1;
}

}  // namespace

void dropPendingInput(State& s) {
    InputState& in = s.input;
    in.tapPending = false;
    in.dropping = false;
    if (in.penDown) {
        // The release of a pen held now goes to another window: the game
        // sees it come up where it was.
        in.penDown = false;
        in.trackedReleased = true;
        in.trackedUpX = in.moveX;
        in.trackedUpY = in.moveY;
    }
    in.upPressed = in.downPressed = in.leftPressed = in.rightPressed = 0;
}

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
        // After Game > Suspend the device belongs to the other programs:
        // nothing reaches the game until it is back in front.
        case WM_KEYDOWN:
            if (!s.handedBack) keyDown(s, wParam);
            return 0;
        case WM_KEYUP: return 0;
        case WM_MOUSEMOVE:
            if (!s.handedBack && !s.input.dropping) pointOf(lParam, &s.input.moveX, &s.input.moveY);
            return 0;
        case WM_LBUTTONDOWN: penPressed(s, lParam); return 0;
        case WM_LBUTTONUP: penLifted(s, lParam); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace gamekit::shell

#include "gamekit/shell/Shell.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/shell/ShellState.h"
#include "platform/Gx.h"
#include "platform/Platform.h"

namespace gamekit {
namespace shell {

State& state() {
    static State s;
    return s;
}

void taskbar(bool show) {
    State& s = state();
    HWND bar = FindWindowW(L"HHTaskbar", nullptr);
    RECT r{0, 0, 0, 0};
    bool haveWindow = s.window != nullptr && GetWindowRect(s.window, &r);
    if (show) {
        SHFullScreen(s.window, SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON | SHFS_SHOWSTARTICON);
        ShowWindow(bar, SW_SHOW);
        // The window moves down by the bar's 26 pixels and shrinks by 52,
        // leaving room for the bar above and the menu bar below.
        if (haveWindow) MoveWindow(s.window, r.left, r.top + 26, r.right, r.bottom - 52, TRUE);
    } else {
        SHFullScreen(s.window, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON);
        ShowWindow(bar, SW_HIDE);
        if (haveWindow) MoveWindow(s.window, r.left, r.top - 26, r.right, r.bottom + 26, TRUE);
    }
}

}  // namespace shell

using shell::state;

uint16_t* backBuffer() {
    shell::State& s = state();
    s.frames.paint();
    s.frames.forget();
    shell::rowsWritten(0, kScreenHeight);
    return s.backBuffer;
}

shell::RowSpan shell::unpresentedRows() {
    const shell::State& s = state();
    if (!s.onlyFrameDrawn) return {0, kScreenHeight};
    return {s.unpresentedTop, s.unpresentedBottom};
}

void shell::frameDrawn() {
    state().onlyFrameDrawn = true;
}

void shell::rowsWritten(int top, int bottom) {
    shell::State& s = state();
    if (top >= bottom) return;
    if (s.unpresentedTop >= s.unpresentedBottom) {
        s.unpresentedTop = top;
        s.unpresentedBottom = bottom;
        return;
    }
    s.unpresentedTop = std::min(s.unpresentedTop, top);
    s.unpresentedBottom = std::max(s.unpresentedBottom, bottom);
}

void shell::rowsPresented() {
    shell::State& s = state();
    s.unpresentedTop = s.unpresentedBottom = 0;
    s.onlyFrameDrawn = false;
}

const uint16_t* screenImage() {
    return state().backBuffer;
}
const DisplayInfo& displayInfo() { return state().display; }
uint32_t frameStartTick() { return state().frameStartTick; }

bool takeTap() {
    bool tap = state().input.tapPending;
    state().input.tapPending = false;
    return tap;
}

namespace {
bool takeLatch(int32_t& latch) {
    bool pressed = latch != 0;
    latch = 0;
    return pressed;
}
}  // namespace

bool takeUp() { return takeLatch(state().input.upPressed); }
bool takeDown() { return takeLatch(state().input.downPressed); }
bool takeLeft() { return takeLatch(state().input.leftPressed); }
bool takeRight() { return takeLatch(state().input.rightPressed); }

void pumpMessages(bool present) {
    if (present && !state().suspended) presentFrame();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) == TRUE) {
        GetMessageW(&msg, nullptr, 0, 0);
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (state().suspended) Sleep(1);
}

void waitForMessages(uint32_t milliseconds) {
    pumpMessages(false);
    if (milliseconds > 0) {
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void shutdownApp(int exitCode) {
    shell::State& s = state();
    shell::taskbar(true);
    GXCloseInput();
    GXCloseDisplay();
    s.gxClosed = true;
    std::free(s.backBuffer);
    s.backBuffer = nullptr;
    platform::exitProcess(exitCode);
}

bool shell::saveForEnd() {
    if (GameApp* app = state().app) app->saveSettings();
    return !lastSettingsSaveFailed();
}

void commandExit() {
    platform::claimEnd(0);
    shutdownApp(shell::saveForEnd() ? 0 : 1);
}

void showMessageBox(const char* text, const char* caption) {
    const std::wstring wideText(text, text + std::strlen(text));
    const std::wstring wideCaption(caption, caption + std::strlen(caption));
    MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), MB_OK);
}

void commandSuspend() { state().suspendRequested = true; }

}  // namespace gamekit

#include "WindowSystem.h"

#include <algorithm>
#include <cwctype>
#include <memory>
#include <vector>

#include "Instance.h"
#include "platform/Backend.h"
#include "platform/Errors.h"
#include "platform/ScreenSize.h"

namespace platform::windows {
namespace {

struct WindowClass {
    std::wstring name;
    WNDPROC procedure;
};

struct State {
    std::vector<WindowClass> classes;
    std::vector<std::unique_ptr<WindowObject>> windows;
    std::deque<MSG> queue;
    HWND main = nullptr;
    HWND taskbar = nullptr;
    // Whether the main window holds the focus, as the focus messages posted
    // so far say.
    bool mainFocused = true;
};

State& state() {
    static State s;
    return s;
}

bool sameName(const std::wstring& a, const wchar_t* b) {
    if (b == nullptr) return false;
    size_t n = std::wcslen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    }
    return true;
}

}  // namespace

HWND taskbarWindow() {
    State& s = state();
    if (s.taskbar == nullptr) {
        auto window = std::make_unique<WindowObject>();
        window->className = L"HHTaskbar";
        window->rect = {0, 0, platform::kScreenWidth, 26};
        window->visible = true;
        s.taskbar = window.get();
        s.windows.push_back(std::move(window));
    }
    return s.taskbar;
}

HWND mainWindow() { return state().main; }

bool isLocalWindow(HWND window) {
    if (window == nullptr) return false;
    for (auto& w : state().windows) {
        if (w.get() == window) return !w->remote;
    }
    return false;
}

void post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = backend().tickCount();
    state().queue.push_back(msg);
}

bool queueEmpty() { return state().queue.empty(); }

}  // namespace platform::windows

using namespace platform::windows;

namespace platform {
const std::string& startProblem() { return instance::problem(); }
}  // namespace platform

WORD RegisterClassW(const WNDCLASSW* windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr) return 0;
    auto& classes = state().classes;
    for (auto& c : classes) {
        if (sameName(c.name, windowClass->lpszClassName)) return 0;
    }
    // The class is what FindWindowW finds from other processes of the same
    // device root; a class another live process holds cannot be registered.
    switch (platform::instance::claim(windowClass->lpszClassName)) {
        case platform::instance::Claim::Taken: break;
        case platform::instance::Claim::HeldElsewhere:
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        case platform::instance::Claim::Failed:
            SetLastError(ERROR_ACCESS_DENIED);
            return 0;
    }
    classes.push_back({windowClass->lpszClassName, windowClass->lpfnWndProc});
    return static_cast<WORD>(classes.size());
}

HWND CreateWindowExW(DWORD, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND, HMENU, HINSTANCE, void*) {
    State& s = state();
    auto found = std::find_if(s.classes.begin(), s.classes.end(),
                              [&](const WindowClass& c) { return sameName(c.name, className); });
    if (found == s.classes.end()) return nullptr;
    auto window = std::make_unique<WindowObject>();
    window->className = found->name;
    window->title = windowName ? windowName : L"";
    window->procedure = found->procedure;
    window->rect = {x, y, x + width, y + height};
    window->visible = (style & WS_VISIBLE) != 0;
    HWND handle = window.get();
    s.windows.push_back(std::move(window));
    if (s.main == nullptr) s.main = handle;
    // As on the device, WM_CREATE reaches the procedure before the caller
    // has the handle.
    if (handle->procedure) handle->procedure(handle, WM_CREATE, 0, 0);
    return handle;
}

BOOL DestroyWindow(HWND window) {
    if (!isLocalWindow(window) || window->destroyed) return FALSE;
    window->destroyed = true;
    window->visible = false;
    if (window->procedure) window->procedure(window, WM_DESTROY, 0, 0);
    return TRUE;
}

BOOL ShowWindow(HWND window, int command) {
    if (!isLocalWindow(window)) return FALSE;
    State& s = state();
    bool wasVisible = window->visible;
    window->visible = command != SW_HIDE;
    if (window == taskbarWindow() && wasVisible != window->visible) {
        platform::backend().taskbarChanged(window->visible);
        platform::logEvent(std::string("taskbar\t") + (window->visible ? "shown" : "hidden"));
    }
    // As on the device, the program's window that hides itself loses the
    // focus to the shell, and one shown again takes it back. A hide that
    // answers a focus lost elsewhere changes nothing more.
    if (window == s.main && window->visible != s.mainFocused) {
        s.mainFocused = window->visible;
        platform::logEvent(std::string("window\t") + (window->visible ? "shown" : "hidden"));
        post(window, window->visible ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0);
        platform::backend().mainWindowShown(window->visible);
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) { return isLocalWindow(window) && window->visible; }

BOOL UpdateWindow(HWND window) { return isLocalWindow(window) ? TRUE : FALSE; }

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL) {
    if (!isLocalWindow(window)) return FALSE;
    window->rect = {x, y, x + width, y + height};
    return TRUE;
}

BOOL SetWindowPos(HWND window, HWND, int x, int y, int cx, int cy, UINT) {
    return MoveWindow(window, x, y, cx, cy, TRUE);
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    if (!isLocalWindow(window) || rect == nullptr) return FALSE;
    *rect = window->rect;
    return TRUE;
}

BOOL SetForegroundWindow(HWND window) { return isLocalWindow(window) ? TRUE : FALSE; }

BOOL InvalidateRect(HWND window, const RECT*, BOOL) { return isLocalWindow(window) ? TRUE : FALSE; }

int GetSystemMetrics(int index) {
    if (index == SM_CXSCREEN) return platform::kScreenWidth;
    if (index == SM_CYSCREEN) return platform::kScreenHeight;
    return 0;
}

HWND FindWindowW(LPCWSTR className, LPCWSTR) {
    State& s = state();
    if (sameName(L"HHTaskbar", className)) return taskbarWindow();
    for (auto& w : s.windows) {
        if (!w->destroyed && !w->remote && sameName(w->className, className)) return w.get();
    }
    if (className == nullptr || !platform::instance::heldElsewhere(className)) return nullptr;
    auto remote = std::make_unique<WindowObject>();
    remote->className = className;
    remote->remote = true;
    HWND handle = remote.get();
    s.windows.push_back(std::move(remote));
    return handle;
}

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == nullptr) return 0;
    if (window->remote) {
        platform::instance::send(window->className, message, wParam);
        return 0;
    }
    if (!isLocalWindow(window) || window->procedure == nullptr) return 0;
    return window->procedure(window, message, wParam, lParam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    post(window, message, wParam, lParam);
    return TRUE;
}

void PostQuitMessage(int exitCode) { post(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0); }

namespace {
void gatherEvents(DWORD waitMs) {
    // A termination signal closes the window: the Exit command.
    if (platform::takeEndRequest() != 0) post(mainWindow(), WM_CLOSE, 0, 0);
    platform::instance::poll();
    platform::backend().pumpEvents(waitMs);
}
}  // namespace

BOOL PeekMessageW(MSG* msg, HWND, UINT, UINT, UINT removeFlags) {
    State& s = state();
    if (s.queue.empty()) gatherEvents(0);
    if (s.queue.empty()) return FALSE;
    if (msg) *msg = s.queue.front();
    if (removeFlags & PM_REMOVE) s.queue.pop_front();
    return TRUE;
}

BOOL GetMessageW(MSG* msg, HWND, UINT, UINT) {
    State& s = state();
    while (s.queue.empty()) gatherEvents(1000);
    MSG m = s.queue.front();
    s.queue.pop_front();
    if (msg) *msg = m;
    return m.message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG*) { return FALSE; }

LRESULT DispatchMessageW(const MSG* msg) {
    if (msg == nullptr || !isLocalWindow(msg->hwnd) || msg->hwnd->procedure == nullptr) return 0;
    return msg->hwnd->procedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) DestroyWindow(window);
    return 0;
}

DWORD MsgWaitForMultipleObjectsEx(DWORD, const HANDLE*, DWORD milliseconds, DWORD, DWORD) {
    State& s = state();
    if (s.queue.empty()) gatherEvents(milliseconds);
    return s.queue.empty() ? WAIT_TIMEOUT : 0;
}

HICON LoadIconW(HINSTANCE, LPCWSTR) { return nullptr; }
HGDIOBJ GetStockObject(int) { return nullptr; }

namespace platform::input {

namespace {
LPARAM clampedPoint(int x, int y) {
    x = std::clamp(x, 0, 239);
    y = std::clamp(y, 0, 319);
    return MAKELPARAM(x, y);
}
}  // namespace

void stylusDown(int x, int y) {
    // As on the device, a press is preceded by a move to its point, so the
    // release is reported where the pen was.
    post(mainWindow(), WM_MOUSEMOVE, 1, clampedPoint(x, y));
    post(mainWindow(), WM_LBUTTONDOWN, 1, clampedPoint(x, y));
}

void stylusMove(int x, int y) { post(mainWindow(), WM_MOUSEMOVE, 1, clampedPoint(x, y)); }

void stylusUp(int x, int y) { post(mainWindow(), WM_LBUTTONUP, 0, clampedPoint(x, y)); }

void key(int virtualKey, bool down) {
    post(mainWindow(), down ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(virtualKey), 0);
}

void focus(bool gained) {
    state().mainFocused = gained;
    if (gained) {
        post(mainWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
        post(mainWindow(), WM_SETFOCUS, 0, 0);
    } else {
        post(mainWindow(), WM_ACTIVATE, WA_INACTIVE, 0);
        post(mainWindow(), WM_KILLFOCUS, 0, 0);
    }
}

void closeRequested() { post(mainWindow(), WM_CLOSE, 0, 0); }

bool messagesPending() { return !queueEmpty(); }

}  // namespace platform::input

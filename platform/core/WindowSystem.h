#pragma once

// Internal to platform/core: the emulated window objects and the process's
// one message queue.

#include <deque>
#include <string>

#include "platform/Windows.h"

struct WindowObject {
    std::wstring className;
    std::wstring title;
    WNDPROC procedure = nullptr;
    RECT rect{0, 0, 0, 0};
    bool visible = false;
    bool destroyed = false;
    bool remote = false;  // a window of another process, reached through its socket
};

namespace platform::windows {

// The window the stylus and keys are delivered to: the first window the
// program created.
HWND mainWindow();
HWND taskbarWindow();
bool isLocalWindow(HWND window);
void post(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
bool queueEmpty();

}  // namespace platform::windows

#pragma once

// Internal to platform/core: one window class per program may be registered
// by one process of a device root at a time. The holder keeps an exclusive
// lock on <root>/run/<class>.lock and listens on a local socket beside it, so
// another process can find it and send it a message. The kernel drops the
// lock of a process that dies, so a stale lock file is simply taken over.

#include <string>

#include "platform/Windows.h"

namespace platform::instance {

bool claim(const std::wstring& className);
bool heldElsewhere(const std::wstring& className);
void send(const std::wstring& className, UINT message, WPARAM wParam);
// Delivers messages other processes sent to this one's main window.
void poll();

}  // namespace platform::instance

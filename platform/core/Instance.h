#pragma once

// Internal to platform/core: one window class per program may be registered
// by one process of a device root at a time. The holder keeps an exclusive
// lock on <root>/run/<class>.lock and listens on a local socket beside it, so
// another process can find it and send it a message. The kernel drops the
// lock of a process that dies, so a stale lock file is simply taken over.

#include <string>

#include "platform/Windows.h"

namespace platform::instance {

enum class Claim { Taken, HeldElsewhere, Failed };
// Failed: the lock could not be made or taken for a reason of the host;
// problem() names the file and the error.
Claim claim(const std::wstring& className);
const std::string& problem();
bool heldElsewhere(const std::wstring& className);
// Waits a little for a holder that has the lock but does not listen yet.
void send(const std::wstring& className, UINT message, WPARAM wParam);
// Delivers messages other processes sent to this one's main window.
void poll();

}  // namespace platform::instance

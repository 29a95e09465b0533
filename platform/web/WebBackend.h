#pragma once

// The page's backend: the canvas, the pointer and the keys, the in-page
// dialog, Web Audio and the clock (see WebBackend.cpp).

#include <memory>
#include <optional>
#include <string>

#include "platform/Backend.h"

namespace platform {

// With `virtualStart` the clock is a test's: it starts there and moves only
// when the program waits, up to the time the page's driver allows
// (page.runUntil), so a scripted run repeats a headless run exactly.
std::unique_ptr<Backend> createWebBackend(const std::wstring& title,
                                          std::optional<DWORD> virtualStart);

}  // namespace platform

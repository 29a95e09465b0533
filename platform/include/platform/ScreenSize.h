#pragma once

// The handheld's screen, portrait: the one statement of its size. Every
// frame buffer, surface and table layout takes it from here.

namespace platform {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

}  // namespace platform

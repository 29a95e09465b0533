#pragma once

// Where the device's screen lies inside the desktop window, and the
// way back from a window point to a device pixel. Free of SDL so that the
// arithmetic can be checked on its own.

#include "platform/ScreenSize.h"

namespace platform::sdl {

constexpr int kDeviceWidth = platform::kScreenWidth;
constexpr int kDeviceHeight = platform::kScreenHeight;

struct ViewRect {
    int x = 0;
    int y = 0;
    int w = kDeviceWidth;
    int h = kDeviceHeight;
};

// The picture inside a drawable of `width` x `height` pixels: the largest
// whole scale that fits, centred, so every device pixel is the same square of
// window pixels. A drawable smaller than the device itself gets the picture
// shrunk to fit, the aspect ratio kept.
ViewRect letterbox(int width, int height);

// The device pixel under the drawable pixel (`px`, `py`). Points on the bars
// beside the picture are clamped to its nearest edge, as a touch screen
// reports a pen that slides off it.
void toDevice(const ViewRect& view, int px, int py, int* x, int* y);

// The largest scale, at most `wanted`, at which the window fits an area of
// `width` x `height`; at least 1. A window taller than the desktop would hide
// the bottom of the screen, where the games keep their menu bar.
int fittingScale(int wanted, int width, int height);

}  // namespace platform::sdl

#include "Viewport.h"

#include <algorithm>

namespace platform::sdl {

namespace {
// Division rounding towards minus infinity, for points left of or above the
// picture.
int floorDiv(long a, long b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}
}  // namespace

ViewRect letterbox(int width, int height) {
    ViewRect view;
    if (width <= 0 || height <= 0) {
        view.w = 0;
        view.h = 0;
        return view;
    }
    int scale = std::min(width / kDeviceWidth, height / kDeviceHeight);
    if (scale >= 1) {
        view.w = kDeviceWidth * scale;
        view.h = kDeviceHeight * scale;
    } else if (static_cast<long>(width) * kDeviceHeight <=
               static_cast<long>(height) * kDeviceWidth) {
        view.w = width;
        view.h = std::max(1, width * kDeviceHeight / kDeviceWidth);
    } else {
        view.h = height;
        view.w = std::max(1, height * kDeviceWidth / kDeviceHeight);
    }
    view.x = (width - view.w) / 2;
    view.y = (height - view.h) / 2;
    return view;
}

void toDevice(const ViewRect& view, int px, int py, int* x, int* y) {
    if (view.w <= 0 || view.h <= 0) {
        *x = 0;
        *y = 0;
        return;
    }
    int dx = floorDiv(static_cast<long>(px - view.x) * kDeviceWidth, view.w);
    int dy = floorDiv(static_cast<long>(py - view.y) * kDeviceHeight, view.h);
    *x = std::clamp(dx, 0, kDeviceWidth - 1);
    *y = std::clamp(dy, 0, kDeviceHeight - 1);
}

int fittingScale(int wanted, int width, int height) {
    int fits = std::min(width / kDeviceWidth, height / kDeviceHeight);
    return std::max(1, std::min(wanted, fits));
}

}  // namespace platform::sdl

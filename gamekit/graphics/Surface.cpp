#include "gamekit/graphics/Surface.h"

#include <algorithm>
#include <new>

namespace gamekit {

Surface::Surface(uint16_t* pixels, int width, int height)
    : pixels_(pixels), width_(pixels ? std::max(width, 0) : 0), height_(pixels ? std::max(height, 0) : 0) {}

Surface::Surface(int width, int height) {
    if (width <= 0 || height <= 0) return;
    pixels_ = new (std::nothrow) uint16_t[static_cast<size_t>(width) * height]();
    if (pixels_ == nullptr) return;
    width_ = width;
    height_ = height;
    ownsPixels_ = true;
}

Surface::~Surface() {
    if (ownsPixels_) delete[] pixels_;
}

void Surface::fill(Colour colour) {
    std::fill_n(pixels_, static_cast<size_t>(width_) * height_, colour);
}

}  // namespace gamekit

#include "gamekit/graphics/Surface.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <new>

#include "gamekit/graphics/DrawingRecord.h"
#include "gamekit/graphics/PixelSpans.h"

namespace gamekit {

Surface::Surface(uint16_t* pixels, int width, int height)
    : pixels_(pixels),
      width_(pixels ? std::max(width, 0) : 0),
      height_(pixels ? std::max(height, 0) : 0),
      stride_(width_) {}

Surface::Surface(int width, int height) {
    if (width <= 0 || height <= 0) return;
    pixels_ = new (std::nothrow) uint16_t[static_cast<size_t>(width) * height]();
    if (pixels_ == nullptr) return;
    width_ = width;
    height_ = height;
    stride_ = width;
    ownsPixels_ = true;
}

Surface::Surface(Surface& parent, int x, int y, int width, int height) {
    const long left = std::max(0L, long{x}), top = std::max(0L, long{y});
    const long right = std::min(long{parent.width_}, long{x} + std::max(width, 0));
    const long bottom = std::min(long{parent.height_}, long{y} + std::max(height, 0));
    if (parent.pixels_ == nullptr || left >= right || top >= bottom) return;
    pixels_ = parent.pixels_ + top * parent.stride_ + left;
    width_ = static_cast<int>(right - left);
    height_ = static_cast<int>(bottom - top);
    stride_ = parent.stride_;
    record_ = parent.record_;
    originX_ = parent.originX_ + static_cast<int>(left);
    originY_ = parent.originY_ + static_cast<int>(top);
}

Surface::~Surface() {
    if (ownsPixels_) delete[] pixels_;
}

void Surface::paintRecord() const {
    record_->paint();
}

namespace {

void paintPixel(Surface& target, const DrawCommand& c, int dx, int dy, const uint8_t*) {
    target.putPixel(c.value[0] + dx, c.value[1] + dy, static_cast<Colour>(c.value[2]));
}

void paintFill(Surface& target, const DrawCommand& c, int, int, const uint8_t*) {
    target.fill(static_cast<Colour>(c.value[0]));
}

}  // namespace

void Surface::putPixel(int x, int y, Colour colour) {
    if (!contains(x, y)) return;
    if (record_ != nullptr) {
        const DrawCommand c = DrawCommand::make(&paintPixel, true, {x, y, colour});
        if (record_->note(*this, c, x, y, x + 1, y + 1)) return;
    }
    pixels_[static_cast<long>(y) * stride_ + x] = colour;
}

// The C library's memset and wmemset use the widest stores the machine has,
// chosen when the program runs; a loop compiled for the baseline instruction
// set stores 16 bytes at a time, a third of the speed on a wide machine. A
// colour whose two bytes differ is written as pairs of pixels, wmemset's
// 4-byte units where the library has them (a pixel either side when the
// pairs do not line up).
void Surface::fill(Colour colour) {
    if (record_ != nullptr) {
        const DrawCommand c = DrawCommand::make(&paintFill, true, {colour});
        if (record_->note(*this, c, 0, 0, width_, height_)) return;
    }
    if (stride_ != width_) {
        for (int y = 0; y < height_; ++y)
            spans::fillRun(row(y), static_cast<size_t>(width_), colour);
        return;
    }
    const size_t count = static_cast<size_t>(width_) * height_;
    if (count == 0) return;
    if ((colour >> 8) == (colour & 0xFF)) {
        std::memset(pixels_, colour & 0xFF, count * sizeof(uint16_t));
        return;
    }
    if constexpr (sizeof(wchar_t) == 2 * sizeof(uint16_t)) {
        uint16_t* p = pixels_;
        size_t left = count;
        if (reinterpret_cast<uintptr_t>(p) % sizeof(wchar_t) != 0) {
            *p++ = colour;
            --left;
        }
        const uint32_t pair = (uint32_t{colour} << 16) | colour;
        std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(pair), left / 2);
        if (left % 2 != 0) p[left - 1] = colour;
        return;
    }
    constexpr size_t kFirstStretch = 256;
    size_t done = std::min(count, kFirstStretch);
    std::fill_n(pixels_, done, colour);
    while (done < count) {
        const size_t step = std::min(done, count - done);
        std::memcpy(pixels_ + done, pixels_, step * sizeof(uint16_t));
        done += step;
    }
}

}  // namespace gamekit

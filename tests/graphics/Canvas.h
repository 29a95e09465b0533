#pragma once

// Helpers for the drawing tests: a surface inside a guarded buffer, and a
// text picture of a region (one character a pixel, one line a row) so that
// expected shapes can be written out by hand.

#include <string>
#include <vector>

#include "gamekit/graphics/Surface.h"

namespace graphics_test {

using gamekit::Colour;
using gamekit::Surface;

constexpr Colour kBackground = 0x1111;
constexpr Colour kEdge = 0xF800;
constexpr Colour kFill = 0x07E0;

// '.' background, '#' edge, 'o' fill, '?' anything else.
inline char symbolOf(Colour c) {
    switch (c) {
        case kBackground:
            return '.';
        case kEdge:
            return '#';
        case kFill:
            return 'o';
        default:
            return '?';
    }
}

// Rows y0..y1 of columns x0..x1, each row ending in '\n'.
inline std::string art(const Surface& s, int x0, int y0, int x1, int y1) {
    std::string out;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) out += symbolOf(s.pixel(x, y));
        out += '\n';
    }
    return out;
}

inline std::string art(const Surface& s) {
    return art(s, 0, 0, s.width() - 1, s.height() - 1);
}

// A width x height surface whose pixels sit between two runs of canary
// pixels, so that a write just outside the image is seen.
class GuardedCanvas {
  public:
    static constexpr int kGuard = 4096;
    static constexpr Colour kCanary = 0xA5C3;

    GuardedCanvas(int width, int height, Colour background = kBackground)
        : buffer_(static_cast<size_t>(width) * height + 2 * kGuard, kCanary),
          surface_(buffer_.data() + kGuard, width, height) {
        surface_.fill(background);
    }
    Surface& surface() { return surface_; }

    bool canariesIntact() const {
        const size_t end = buffer_.size() - kGuard;
        for (size_t i = 0; i < kGuard; ++i)
            if (buffer_[i] != kCanary || buffer_[end + i] != kCanary) return false;
        return true;
    }

  private:
    std::vector<uint16_t> buffer_;
    Surface surface_;
};

inline bool samePixels(const Surface& a, const Surface& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

}  // namespace graphics_test

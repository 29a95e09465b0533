#pragma once

// Clipped row writers shared by the drawing code. Coordinates are 64-bit so
// that shape arithmetic on extreme int coordinates cannot overflow before it
// is clipped; every writer drops whatever lies outside the surface, which is
// what keeps all drawing inside the pixel array.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gamekit/graphics/Surface.h"

namespace gamekit::spans {

using Coord = long long;

inline bool rowInside(const Surface& s, Coord y) {
    return y >= 0 && y < s.height();
}

// Pixels x0..x1 (inclusive) of row y.
inline void fill(Surface& s, Coord y, Coord x0, Coord x1, Colour colour) {
    if (!rowInside(s, y)) return;
    x0 = std::max<Coord>(x0, 0);
    x1 = std::min<Coord>(x1, s.width() - 1);
    if (x0 > x1) return;
    std::fill_n(s.row(static_cast<int>(y)) + x0, x1 - x0 + 1, colour);
}

inline bool inside(const Surface& s, Coord x, Coord y) {
    return x >= 0 && y >= 0 && x < s.width() && y < s.height();
}

inline void put(Surface& s, Coord x, Coord y, Colour colour) {
    if (inside(s, x, y)) s.row(static_cast<int>(y))[x] = colour;
}

// Copies pixels x0..x1 of row `from` onto row `to`; both rows must be inside.
inline void copy(Surface& s, Coord from, Coord to, Coord x0, Coord x1) {
    if (from == to || !rowInside(s, from) || !rowInside(s, to)) return;
    x0 = std::max<Coord>(x0, 0);
    x1 = std::min<Coord>(x1, s.width() - 1);
    if (x0 > x1) return;
    std::memcpy(s.row(static_cast<int>(to)) + x0, s.row(static_cast<int>(from)) + x0,
                static_cast<size_t>(x1 - x0 + 1) * sizeof(uint16_t));
}

// Truncation towards zero that saturates instead of overflowing; shape
// arithmetic on absurd coordinates must stay defined behaviour.
inline Coord truncate(float value) {
    constexpr float kLimit = 1099511627776.0f;  // 2^40, far beyond any surface
    if (std::isnan(value)) return 0;
    if (value >= kLimit) return static_cast<Coord>(kLimit);
    if (value <= -kLimit) return -static_cast<Coord>(kLimit);
    return static_cast<Coord>(value);
}

// The shapes round by adding one half and truncating.
inline Coord roundHalfUp(float value) {
    return truncate(value + 0.5f);
}

}  // namespace gamekit::spans

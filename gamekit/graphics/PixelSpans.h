#pragma once

// Clipped row writers shared by the drawing code. Coordinates are 64-bit so
// that shape arithmetic on extreme int coordinates cannot overflow before it
// is clipped; every writer drops whatever lies outside the surface, which is
// what keeps all drawing inside the pixel array.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "gamekit/graphics/Surface.h"

namespace gamekit::spans {

using Coord = long long;

inline bool rowInside(const Surface& s, Coord y) {
    return y >= 0 && y < s.height();
}

// Eight pixels in one vector register (SSE2, NEON) through the compiler's
// vector extension.
using Pixels8 = uint16_t __attribute__((vector_size(16)));

// `count` pixels from `p` in `colour`, for the short runs of card-sized
// shapes: eight at a time and a last eight that overlaps the one before,
// where a library fill or a compiled loop spends longer on its set-up and
// alignment than on the pixels.
inline void fillRun(uint16_t* p, size_t count, Colour colour) {
    if (count < 8) {
        for (size_t i = 0; i < count; ++i) p[i] = colour;
        return;
    }
    const Pixels8 eight = {colour, colour, colour, colour, colour, colour, colour, colour};
    size_t i = 0;
    for (; i + 8 < count; i += 8) std::memcpy(p + i, &eight, sizeof eight);
    std::memcpy(p + count - 8, &eight, sizeof eight);
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

#include "gamekit/graphics/Primitives.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

#include "gamekit/graphics/PixelSpans.h"

namespace gamekit {

using spans::Coord;

namespace {

// True when both points lie beyond the same side of the surface, so nothing
// of the segment (or rectangle) between them can show.
bool bothBeyondOneSide(const Surface& s, Coord x1, Coord y1, Coord x2, Coord y2) {
    return (x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= s.width() && x2 >= s.width()) ||
           (y1 >= s.height() && y2 >= s.height());
}

int saturate(Coord v) {
    return static_cast<int>(std::clamp<Coord>(v, INT_MIN, INT_MAX));
}

// |dy| <= |dx|: one pixel per column. The row is a float that is rounded
// afresh after every step, so the line bends exactly where the rounding says.
void stepAlongX(Surface& s, Coord x1, Coord y1, Coord x2, Coord y2, Colour colour) {
    const Coord dx = x2 - x1;
    const Coord dy = y2 - y1;
    if (dy == 0) {
        // A run on one row; after clipping the ends may lie outside when the
        // line passed beyond a corner, and only what is inside shows.
        spans::fill(s, y1, x1, x2, colour);
        return;
    }
    const float step = static_cast<float>(dy) / static_cast<float>(dx);
    float y = static_cast<float>(y1);
    if (spans::inside(s, x1, y1) && spans::inside(s, x2, y2)) {
        // Both ends inside, the usual case: the row stays between the ends'
        // rows (the clamp only guards against float surprises).
        const int top = static_cast<int>(std::min(y1, y2)),
                  bottom = static_cast<int>(std::max(y1, y2));
        uint16_t* pixels = s.pixels();
        const long width = s.width();
        int row = static_cast<int>(y1);
        for (int x = static_cast<int>(x1); x <= x2; ++x) {
            pixels[row * width + x] = colour;
            y += step;
            row = std::clamp(static_cast<int>(y + 0.5f), top, bottom);
        }
        return;
    }
    Coord row = y1;
    for (Coord x = x1; x <= x2 && x < s.width(); ++x) {
        spans::put(s, x, row, colour);
        y += step;
        row = spans::roundHalfUp(y);
    }
}

// |dy| > |dx|: one pixel per row, moving right whenever the column rounds
// to a larger value.
void stepAlongY(Surface& s, Coord x1, Coord y1, Coord x2, Coord y2, Colour colour) {
    const Coord dx = x2 - x1;
    const Coord dy = y2 - y1;
    const float step = std::abs(static_cast<float>(dx) / static_cast<float>(dy));
    const Coord rowStep = dy > 0 ? 1 : -1;
    float x = static_cast<float>(x1);
    if (spans::inside(s, x1, y1) && spans::inside(s, x2, y2) && x1 <= x2) {
        // Both ends inside: the column only grows and never passes x2.
        uint16_t* p = s.row(static_cast<int>(y1)) + x1;
        const long rowStride = rowStep * s.width();
        Coord column = x1;
        for (Coord i = 0; i <= std::abs(dy); ++i) {
            *p = colour;
            p += rowStride;
            x += step;
            if (static_cast<int>(x + 0.5f) > column && column < x2) {
                ++column;
                ++p;
            }
        }
        return;
    }
    Coord column = x1;
    Coord y = y1;
    for (Coord i = 0; i <= std::abs(dy); ++i) {
        spans::put(s, column, y, colour);
        y += rowStep;
        x += step;
        if (spans::roundHalfUp(x) > column) ++column;
    }
}

}  // namespace

void drawLine(Surface& surface, int x1i, int y1i, int x2i, int y2i, const Colour& colour) {
    const int width = surface.width();
    const int height = surface.height();
    if (width <= 0 || height <= 0) return;
    Coord x1 = x1i, y1 = y1i, x2 = x2i, y2 = y2i;
    if (bothBeyondOneSide(surface, x1, y1, x2, y2)) return;
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    if (y1 == y2) {
        spans::fill(surface, y1, x1, x2, colour);
        return;
    }
    if (x1 == x2) {
        if (y1 > y2) std::swap(y1, y2);
        y1 = std::max<Coord>(y1, 0);
        y2 = std::min<Coord>(y2, height - 1);
        uint16_t* p = surface.row(static_cast<int>(y1)) + x1;
        for (Coord y = y1; y <= y2; ++y, p += width) *p = colour;
        return;
    }

    // Each clipped end slides along the line by the distance it moved times
    // the slope of the whole line, truncated; the slope is taken once from
    // the ends as given, not from the partly clipped segment.
    const float slope = static_cast<float>(y2 - y1) / static_cast<float>(x2 - x1);
    const float inverse = static_cast<float>(x2 - x1) / static_cast<float>(y2 - y1);
    if (x1 < 0) {
        y1 += spans::truncate(static_cast<float>(0 - x1) * slope);
        x1 = 0;
    }
    if (x2 >= width) {
        y2 += spans::truncate(static_cast<float>(width - 1 - x2) * slope);
        x2 = width - 1;
    }
    auto clipRow = [&](Coord& x, Coord& y) {
        if (y < 0) {
            x += spans::truncate(static_cast<float>(0 - y) * inverse);
            y = 0;
        } else if (y >= height) {
            x += spans::truncate(static_cast<float>(height - 1 - y) * inverse);
            y = height - 1;
        }
    };
    clipRow(x1, y1);
    clipRow(x2, y2);

    // A line that passes outside a corner can still have an end outside the
    // surface here; the stepping below drops every pixel that is.
    if (std::abs(y2 - y1) <= std::abs(x2 - x1))
        stepAlongX(surface, x1, y1, x2, y2, colour);
    else
        stepAlongY(surface, x1, y1, x2, y2, colour);
}

void drawRect(Surface& surface, int x1i, int y1i, int x2i, int y2i, int mode, Colour edge,
              Colour fill) {
    const int width = surface.width();
    const int height = surface.height();
    if (width <= 0 || height <= 0) return;
    if (bothBeyondOneSide(surface, x1i, y1i, x2i, y2i)) return;
    int x1 = std::clamp(x1i, 0, width - 1), x2 = std::clamp(x2i, 0, width - 1);
    int y1 = std::clamp(y1i, 0, height - 1), y2 = std::clamp(y2i, 0, height - 1);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (mode == kShapeFilled) edge = fill;
    const size_t count = static_cast<size_t>(x2 - x1 + 1);

    uint16_t* top = surface.row(y1) + x1;
    std::fill_n(top, count, edge);
    if (y2 > y1 + 1) {
        uint16_t* second = surface.row(y1 + 1) + x1;
        second[0] = edge;
        second[count - 1] = edge;
        if (mode != kShapeOutline && count > 2) std::fill_n(second + 1, count - 2, fill);
        for (int y = y1 + 2; y < y2; ++y) {
            uint16_t* row = surface.row(y) + x1;
            if (mode == kShapeOutline) {
                row[0] = edge;
                row[count - 1] = edge;
            } else {
                std::memcpy(row, second, count * sizeof(uint16_t));
            }
        }
    }
    if (y2 > y1) std::memcpy(surface.row(y2) + x1, top, count * sizeof(uint16_t));
}

namespace {

void drawBevelledBox(Surface& s, int x1, int y1, int x2, int y2, Colour face, Colour topLeft,
                     Colour bottomRight, int depth) {
    drawRect(s, x1, y1, x2, y2, kShapeFilled, face, face);
    if (depth <= 0 || s.width() <= 0 || s.height() <= 0) return;
    const Coord w = s.width(), h = s.height();
    // Step i draws rows y1 + i and y2 - i and columns x1 + i and x2 - i. A
    // step whose rows and columns all lie outside draws nothing, so only the
    // steps where one of them is inside are walked, still in increasing
    // order: a huge depth or far-away box costs no more than a small one.
    struct Range {
        Coord first, last;
    };
    Range ranges[4] = {{-Coord{y1}, h - 1 - y1},
                       {-Coord{x1}, w - 1 - x1},
                       {Coord{y2} - (h - 1), Coord{y2}},
                       {Coord{x2} - (w - 1), Coord{x2}}};
    std::sort(std::begin(ranges), std::end(ranges),
              [](const Range& a, const Range& b) { return a.first < b.first; });
    Coord next = 0;
    for (const Range& range : ranges) {
        const Coord last = std::min<Coord>(range.last, depth - 1);
        for (Coord i = std::max(range.first, next); i <= last; ++i) {
            drawLine(s, x1, saturate(y1 + i), saturate(x2 - i), saturate(y1 + i), topLeft);
            drawLine(s, saturate(x1 + i), y1, saturate(x1 + i), saturate(y2 - i), topLeft);
            drawLine(s, saturate(x1 + i + 1), saturate(y2 - i), x2, saturate(y2 - i), bottomRight);
            drawLine(s, saturate(x2 - i), saturate(y1 + i + 1), saturate(x2 - i), y2, bottomRight);
        }
        next = std::max(next, last + 1);
    }
}

}  // namespace

void drawRaisedBox(Surface& surface, int x1, int y1, int x2, int y2, Colour face, Colour light,
                   Colour dark, int depth) {
    drawBevelledBox(surface, x1, y1, x2, y2, face, light, dark, depth);
}

void drawSunkenBox(Surface& surface, int x1, int y1, int x2, int y2, Colour face, Colour light,
                   Colour dark, int depth) {
    drawBevelledBox(surface, x1, y1, x2, y2, face, dark, light, depth);
}

void drawTriangle(Surface& surface, int x1, int y1, int x2, int y2, int x3, int y3, int mode,
                  Colour edge, Colour fill) {
    struct Corner {
        int x, y;
    };
    Corner c[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    for (const Corner& p : c)
        if (!surface.contains(p.x, p.y)) return;

    if (mode != kShapeOutline) {
        std::stable_sort(std::begin(c), std::end(c),
                         [](const Corner& a, const Corner& b) { return a.y < b.y; });
        const Corner &top = c[0], &middle = c[1], &bottom = c[2];
        auto span = [&](int y, float xa, float xb) {
            Coord a = spans::roundHalfUp(xa), b = spans::roundHalfUp(xb);
            if (a > b) std::swap(a, b);
            spans::fill(surface, y, a, b, fill);
        };
        if (top.y == bottom.y) {
            // All three on one row: the walk below would miss one of them.
            const int lo = std::min({top.x, middle.x, bottom.x});
            const int hi = std::max({top.x, middle.x, bottom.x});
            spans::fill(surface, top.y, lo, hi, fill);
        } else {
            auto slopeOf = [](const Corner& a, const Corner& b) {
                return a.y == b.y ? 0.0f
                                  : static_cast<float>(b.x - a.x) / static_cast<float>(b.y - a.y);
            };
            const float longSlope = slopeOf(top, bottom);
            float longX = static_cast<float>(top.x);
            float shortX = static_cast<float>(top.x);
            const float upperSlope = slopeOf(top, middle);
            for (int y = top.y; y < middle.y; ++y) {
                span(y, longX, shortX);
                longX += longSlope;
                shortX += upperSlope;
            }
            shortX = static_cast<float>(middle.x);
            const float lowerSlope = slopeOf(middle, bottom);
            for (int y = middle.y; y <= bottom.y; ++y) {
                span(y, longX, shortX);
                longX += longSlope;
                shortX += lowerSlope;
            }
        }
    }
    if (mode != kShapeFilled) {
        drawLine(surface, x1, y1, x2, y2, edge);
        drawLine(surface, x2, y2, x3, y3, edge);
        drawLine(surface, x3, y3, x1, y1, edge);
    }
}

}  // namespace gamekit

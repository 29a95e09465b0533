#include "gamekit/graphics/Primitives.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

#include "gamekit/graphics/DrawingRecord.h"
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
        const long stride = s.stride();
        int row = static_cast<int>(y1);
        for (int x = static_cast<int>(x1); x <= x2; ++x) {
            pixels[row * stride + x] = colour;
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
        const long rowStride = rowStep * s.stride();
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

namespace {

// Slanted lines and triangles are clipped against their surface's edges in
// ways a window of it would change: they are painted whole. Their pixels
// may stray one from the box of their corners where rounding says so. A
// line along a row or a column is cut exactly at any edge.
void paintLine(Surface& target, const DrawCommand& c, int dx, int dy, const uint8_t*) {
    drawLine(target, c.value[0] + dx, c.value[1] + dy, c.value[2] + dx, c.value[3] + dy,
             static_cast<Colour>(c.value[4]));
}

bool noted(Surface& surface, DrawCommand::Painter painter, bool cuttable,
           std::initializer_list<int32_t> values, std::initializer_list<int> xs,
           std::initializer_list<int> ys) {
    DrawingRecord* record = surface.record();
    if (record == nullptr) return false;
    const auto [left, right] = std::minmax(xs);
    const auto [top, bottom] = std::minmax(ys);
    return record->note(surface, DrawCommand::make(painter, cuttable, values), Coord{left} - 1,
                        Coord{top} - 1, Coord{right} + 2, Coord{bottom} + 2);
}

}  // namespace

void drawLine(Surface& surface, int x1i, int y1i, int x2i, int y2i, const Colour& colour) {
    // Moving a line along a row or column moves its pixels alike; far off
    // coordinates are left to be painted whole, where moving could overflow.
    const bool straight = (x1i == x2i || y1i == y2i) &&
                          std::max({std::abs(Coord{x1i}), std::abs(Coord{x2i}),
                                    std::abs(Coord{y1i}), std::abs(Coord{y2i})}) < (1 << 29);
    if (noted(surface, &paintLine, straight, {x1i, y1i, x2i, y2i, colour}, {x1i, x2i}, {y1i, y2i}))
        return;
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
        for (Coord y = y1; y <= y2; ++y, p += surface.stride()) *p = colour;
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

namespace {

// The rectangle x1..x2 by y1..y2 (ordered) as drawRect paints it once its
// corners are in the surface: the top and bottom rows and the side columns
// in the edge colour, the inside in the fill colour unless outlined. Here
// the corners may lie anywhere: only what is on the surface is written.
void paintRect(Surface& s, Coord x1, Coord y1, Coord x2, Coord y2, int mode, Colour edge,
               Colour fill) {
    if (mode == kShapeFilled) edge = fill;
    const Coord firstRow = std::max<Coord>(y1, 0), lastRow = std::min<Coord>(y2, s.height() - 1);
    for (Coord y = firstRow; y <= lastRow; ++y) {
        if (y == y1 || y == y2) {
            spans::fill(s, y, x1, x2, edge);
            continue;
        }
        spans::put(s, x1, y, edge);
        spans::put(s, x2, y, edge);
        if (mode != kShapeOutline) spans::fill(s, y, x1 + 1, x2 - 1, fill);
    }
}

void paintRectCommand(Surface& target, const DrawCommand& c, int dx, int dy, const uint8_t*) {
    paintRect(target, Coord{c.value[0]} + dx, Coord{c.value[1]} + dy, Coord{c.value[2]} + dx,
              Coord{c.value[3]} + dy, c.value[4], static_cast<Colour>(c.value[5]),
              static_cast<Colour>(c.value[6]));
}

}  // namespace

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
    if (DrawingRecord* record = surface.record()) {
        const DrawCommand c =
            DrawCommand::make(&paintRectCommand, true, {x1, y1, x2, y2, mode, edge, fill});
        if (record->note(surface, c, x1, y1, Coord{x2} + 1, Coord{y2} + 1)) return;
    }
    paintRect(surface, x1, y1, x2, y2, mode, edge, fill);
}

namespace {

void drawBevelledBox(Surface& s, int x1, int y1, int x2, int y2, Colour face, Colour topLeft,
                     Colour bottomRight, int depth);

// A box is a filled rectangle and lines along rows and columns, all cut
// exactly at any edge; its lines reach at most `depth` beyond its corners.
void paintBevelledBox(Surface& target, const DrawCommand& c, int dx, int dy, const uint8_t*) {
    drawBevelledBox(target, c.value[0] + dx, c.value[1] + dy, c.value[2] + dx, c.value[3] + dy,
                    static_cast<Colour>(c.value[4]), static_cast<Colour>(c.value[5]),
                    static_cast<Colour>(c.value[6]), c.value[7]);
}

bool notedBox(Surface& s, int x1, int y1, int x2, int y2, Colour face, Colour topLeft,
              Colour bottomRight, int depth) {
    DrawingRecord* record = s.record();
    if (record == nullptr) return false;
    const Coord reach = std::max(depth, 0);
    const bool nearby = std::max({std::abs(Coord{x1}), std::abs(Coord{x2}), std::abs(Coord{y1}),
                                  std::abs(Coord{y2}), reach}) < (1 << 28);
    const DrawCommand c = DrawCommand::make(&paintBevelledBox, nearby,
                                            {x1, y1, x2, y2, face, topLeft, bottomRight, depth});
    return record->note(s, c, std::min(x1, x2) - reach, std::min(y1, y2) - reach,
                        std::max<Coord>(x1, x2) + 1 + reach, std::max<Coord>(y1, y2) + 1 + reach);
}

void drawBevelledBox(Surface& s, int x1, int y1, int x2, int y2, Colour face, Colour topLeft,
                     Colour bottomRight, int depth) {
    if (notedBox(s, x1, y1, x2, y2, face, topLeft, bottomRight, depth)) return;
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

namespace {

void paintTriangle(Surface& target, const DrawCommand& c, int, int, const uint8_t*) {
    drawTriangle(target, c.value[0], c.value[1], c.value[2], c.value[3], c.value[4], c.value[5],
                 c.value[6], static_cast<Colour>(c.value[7]), static_cast<Colour>(c.value[8]));
}

}  // namespace

void drawTriangle(Surface& surface, int x1, int y1, int x2, int y2, int x3, int y3, int mode,
                  Colour edge, Colour fill) {
    struct Corner {
        int x, y;
    };
    Corner c[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    for (const Corner& p : c)
        if (!surface.contains(p.x, p.y)) return;
    if (noted(surface, &paintTriangle, false, {x1, y1, x2, y2, x3, y3, mode, edge, fill},
              {x1, x2, x3}, {y1, y2, y3}))
        return;

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

// Circles and rounded rectangles: both are built from one quarter-circle
// table and drawn as "band" rows, each mirrored to the other half.

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "gamekit/graphics/DrawingRecord.h"
#include "gamekit/graphics/PixelSpans.h"
#include "gamekit/graphics/Primitives.h"

namespace gamekit {

using spans::Coord;

namespace {

void computeTable(int radius, int* table) {
    for (int d = 0; d <= radius; ++d) table[d] = radius;
    // The step is whole degrees, so angles are visited from 90 down to the
    // last one not below 0; later (flatter) angles overwrite earlier rows.
    const int step = 45 / radius;
    const float r = static_cast<float>(radius);
    for (int angle = 90; angle >= 0; angle -= step) {
        const float radians = static_cast<float>(angle) * 0.017452778f;
        const Coord row = spans::roundHalfUp(r * std::sin(radians));
        const Coord halfWidth = spans::roundHalfUp(r * std::cos(radians));
        if (row >= 0 && row <= radius) table[row] = static_cast<int>(halfWidth);
    }
}

// A table depends on nothing but its radius, so each is worked out once:
// a frame full of cards and pegs then costs no sine or cosine at all.
const int* tableFor(int radius) {
    if (radius < kMinShapeRadius || radius > kMaxShapeRadius) return nullptr;
    using Tables = std::array<std::array<int, kMaxShapeRadius + 1>, kMaxShapeRadius + 1>;
    static const Tables tables = [] {
        Tables all{};
        for (int r = kMinShapeRadius; r <= kMaxShapeRadius; ++r) computeTable(r, all[r].data());
        return all;
    }();
    return tables[radius].data();
}

}  // namespace

bool quarterCircleTable(int radius, int table[kMaxShapeRadius + 1]) {
    const int* cached = tableFor(radius);
    if (cached == nullptr) return false;
    std::copy_n(cached, radius + 1, table);
    return true;
}

namespace {

// How a band row is painted. In mode 0 everything, outline included, takes
// the fill colour; in mode 1 the inside is left as it was.
struct BandPaint {
    Colour edge;
    Colour fill;
    bool paintInside;

    BandPaint(int mode, Colour edgeColour, Colour fillColour)
        : edge(mode == kShapeFilled ? fillColour : edgeColour),
          fill(fillColour),
          paintInside(mode != kShapeOutline) {}
};

// The pixels left+1 .. prevLeft-1 (and the matching run on the right) take
// the edge colour, so where the outline is steep its pixels stay connected
// to the row above instead of leaving gaps. Only columns from..to are
// written (everything, unless a mirror row is being repeated).
// Unclipped, every run is known to lie inside the surface.
template <bool Clipped>
void drawBandRow(Surface& s, Coord y, Coord left, Coord right, Coord prevLeft, Coord prevRight,
                 const BandPaint& paint, Coord from = LLONG_MIN, Coord to = LLONG_MAX) {
    if (Clipped && !spans::rowInside(s, y)) return;
    uint16_t* row = s.row(static_cast<int>(y));
    auto run = [&](Coord a, Coord b, Colour colour) {
        if (Clipped) {
            spans::fill(s, y, std::max(a, from), std::min(b, to), colour);
        } else {
            if (a <= b) spans::fillRun(row + a, static_cast<size_t>(b - a + 1), colour);
        }
    };
    run(left, left, paint.edge);
    Coord p = left + 1;
    if (p < prevLeft) {
        run(p, prevLeft - 1, paint.edge);
        p = prevLeft;
    }
    if (p <= prevRight) {
        if (paint.paintInside) run(p, prevRight, paint.fill);
        p = prevRight + 1;
    }
    if (p < right) run(p, right - 1, paint.edge);
    run(right, right, paint.edge);
}

// Puts band row `from` (just drawn) onto row `to`. With the inside painted
// the finished row from left to right is the mirror image (every pixel of it
// has been written), so the row is drawn again within left..right: a few
// clipped runs cost less than a library copy of the row. In outline mode the
// outline pixels are written again, wherever they lie.
void mirrorBandRow(Surface& s, Coord from, Coord to, Coord left, Coord right, Coord prevLeft,
                   Coord prevRight, const BandPaint& paint) {
    if (from == to || !spans::rowInside(s, to)) return;
    if (!paint.paintInside) {
        drawBandRow<true>(s, to, left, right, prevLeft, prevRight, paint);
    } else {
        drawBandRow<true>(s, to, left, right, prevLeft, prevRight, paint, left, right);
    }
}

void paintCircle(Surface& target, const DrawCommand& c, int, int, const uint8_t*) {
    drawCircle(target, c.value[0], c.value[1], c.value[2], c.value[3],
               static_cast<Colour>(c.value[4]), static_cast<Colour>(c.value[5]));
}

// A rounded rectangle whose bands do not meet is cut at the surface's edges
// row by row and span by span, so on a window of its surface it paints the
// same pixels.
void paintRoundRect(Surface& target, const DrawCommand& c, int dx, int dy, const uint8_t*) {
    const auto moved = [](int32_t v, int d) {
        return static_cast<int>(std::clamp<Coord>(Coord{v} + d, INT_MIN, INT_MAX));
    };
    drawRoundRect(target, moved(c.value[0], dx), moved(c.value[1], dy), moved(c.value[2], dx),
                  moved(c.value[3], dy), c.value[4], c.value[5], static_cast<Colour>(c.value[6]),
                  static_cast<Colour>(c.value[7]));
}

}  // namespace

// A radius outside 1..45 has no table (its angle step would be zero) and
// draws nothing.
void drawCircle(Surface& surface, int cxi, int cyi, int radius, int mode, Colour edge,
                Colour fill) {
    const int* table = tableFor(radius);
    if (table == nullptr) return;
    const Coord cx = cxi, cy = cyi, r = radius;
    if (cx - r < 0 || cy - r < 0 || cx + r >= surface.width() || cy + r >= surface.height()) return;
    // Drawn only when wholly on its surface: a window of it would change
    // that, so a circle is painted whole.
    if (DrawingRecord* record = surface.record()) {
        const DrawCommand c =
            DrawCommand::make(&paintCircle, false, {cxi, cyi, radius, mode, edge, fill});
        if (record->note(surface, c, cx - r, cy - r, cx + r + 1, cy + r + 1)) return;
    }
    const BandPaint paint(mode, edge, fill);
    // Starting with an empty previous row makes the first row its own ends.
    Coord prevLeft = cx, prevRight = cx - 1;
    for (Coord k = 0; k <= r; ++k) {
        const Coord y = cy - r + k;
        if (y >= surface.height()) break;
        const Coord halfWidth = table[r - k];
        const Coord left = cx - halfWidth, right = cx + halfWidth;
        drawBandRow<true>(surface, y, left, right, prevLeft, prevRight, paint);
        mirrorBandRow(surface, y, cy + r - k, left, right, prevLeft, prevRight, paint);
        prevLeft = left;
        prevRight = right;
    }
}

// Meant to lie inside the surface; any part outside is dropped row by row
// and span by span, leaving the pixels inside as if the whole shape had been
// drawn. A radius outside 1..45 draws nothing.
void drawRoundRect(Surface& surface, int x1i, int y1i, int x2i, int y2i, int radius, int mode,
                   Colour edge, Colour fill) {
    const int* table = tableFor(radius);
    if (table == nullptr) return;
    if (surface.width() <= 0 || surface.height() <= 0) return;
    const Coord x1 = x1i, y1 = y1i, x2 = x2i, y2 = y2i, r = radius;
    if (DrawingRecord* record = surface.record()) {
        // A shape whose corners leave room for both bands stays within its
        // corners (the last row excluded) and cuts at any box; any other may
        // reach a radius beyond them, its bands crossing, and is painted
        // whole.
        const bool regular = x2 - x1 >= 2 * r && y2 - y1 >= 2 * r;
        const Coord reach = regular ? 0 : r;
        const DrawCommand c = DrawCommand::make(&paintRoundRect, regular,
                                                {x1i, y1i, x2i, y2i, radius, mode, edge, fill});
        if (record->note(surface, c, std::min(x1, x2) - reach, std::min(y1, y2) - reach,
                         std::max(x1, x2) + 1 + reach,
                         std::max(y1, y2) + reach + (regular ? 0 : 1)))
            return;
    }
    const BandPaint paint(mode, edge, fill);

    // Corners: the top band and its mirror image at the bottom. A band row
    // at or below the surface's bottom ends the band (and its mirror rows).
    // A shape wholly inside whose bands cannot meet (the usual card) has
    // every run inside the surface and its mirror rows apart from the band:
    // no run needs clipping, and a mirror row is the band row again.
    const bool inside = x1 >= 0 && x2 < surface.width() && y1 >= 0 && y2 <= surface.height() &&
                        x2 - x1 >= 2 * r && y2 - y1 >= 2 * r;
    Coord prevLeft = x1, prevRight = x1;
    for (Coord k = 0; k < r; ++k) {
        const Coord y = y1 + k;
        if (y >= surface.height()) break;
        const Coord halfWidth = table[r - k];
        const Coord left = x1 + r - halfWidth, right = x2 - r + halfWidth;
        if (inside) {
            drawBandRow<false>(surface, y, left, right, prevLeft, prevRight, paint);
            drawBandRow<false>(surface, y2 - 1 - k, left, right, prevLeft, prevRight, paint);
        } else {
            drawBandRow<true>(surface, y, left, right, prevLeft, prevRight, paint);
            mirrorBandRow(surface, y, y2 - 1 - k, left, right, prevLeft, prevRight, paint);
        }
        prevLeft = left;
        prevRight = right;
    }

    // Straight sides: the row y1 + r and its repeats down to y2 - r - 1, the
    // row y1 + r drawn even when it lies below them. The columns are clipped
    // once for all rows; only the rows inside the surface are visited,
    // whatever the rectangle's size.
    const Coord middle = y1 + r;
    const Coord lastRepeat = y2 - r - 1;
    const Coord w = surface.width();
    const bool leftEdge = x1 >= 0 && x1 < w;
    const bool rightEdge = x2 >= 0 && x2 < w;
    const Coord fillFrom = std::max<Coord>(x1 + 1, 0), fillTo = std::min<Coord>(x2 - 1, w - 1);
    const bool fillInside = paint.paintInside && fillFrom <= fillTo;
    auto drawSideRow = [&](Coord y) {
        uint16_t* row = surface.row(static_cast<int>(y));
        if (leftEdge) row[x1] = paint.edge;
        if (fillInside) spans::fillRun(row + fillFrom, static_cast<size_t>(fillTo - fillFrom + 1), paint.fill);
        if (rightEdge) row[x2] = paint.edge;
    };
    if (spans::rowInside(surface, middle)) drawSideRow(middle);
    const Coord firstRepeat = std::max<Coord>(middle + 1, 0);
    const Coord endRepeat = std::min<Coord>(lastRepeat, surface.height() - 1);
    for (Coord y = firstRepeat; y <= endRepeat; ++y) drawSideRow(y);
}

}  // namespace gamekit

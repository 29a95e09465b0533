#pragma once

#include "gamekit/graphics/Surface.h"

namespace gamekit {

// How the filled shapes paint. Any value other than 0 and 1 behaves like
// kShapeOutlineFilled, which is what callers pass for "both".
enum ShapeMode { kShapeFilled = 0, kShapeOutline = 1, kShapeOutlineFilled = 2 };

// Circles and rounded corners are drawn from a quarter-circle table whose
// angle step is 45 div radius degrees, so only these radii exist.
constexpr int kMinShapeRadius = 1;
constexpr int kMaxShapeRadius = 45;

// All coordinates are inclusive pixel corners. No shape ever writes outside
// the surface's pixels, whatever its coordinates.

// Clipped to the surface. Both end pixels are part of the line.
void drawLine(Surface& surface, int x1, int y1, int x2, int y2, const Colour& colour);

// Corners clamped into the surface, then ordered; covers rows y1..y2 and
// columns x1..x2.
void drawRect(Surface& surface, int x1, int y1, int x2, int y2, int mode, Colour edge, Colour fill);

// Covers columns x1..x2 and rows y1..y2-1: the row y2 is not drawn, so a card
// drawn from y to y + 45 is 45 rows high. Meant to lie inside the surface;
// whatever lies outside is dropped. A radius outside 1..45 draws nothing.
void drawRoundRect(Surface& surface, int x1, int y1, int x2, int y2, int radius, int mode,
                   Colour edge, Colour fill);

// Drawn only when the whole circle lies inside the surface; a radius outside
// 1..45 draws nothing.
void drawCircle(Surface& surface, int cx, int cy, int radius, int mode, Colour edge, Colour fill);

// Drawn only when all three corners lie inside the surface.
void drawTriangle(Surface& surface, int x1, int y1, int x2, int y2, int x3, int y3, int mode,
                  Colour edge, Colour fill);

// The look of a button: a face with `depth` light lines on the top and left
// and dark lines on the bottom and right. The sunken box swaps light and dark.
void drawRaisedBox(Surface& surface, int x1, int y1, int x2, int y2, Colour face, Colour light,
                   Colour dark, int depth);
void drawSunkenBox(Surface& surface, int x1, int y1, int x2, int y2, Colour face, Colour light,
                   Colour dark, int depth);

// The quarter-circle table both round shapes use: table[d] is the half-width
// of a circle of this radius d rows away from its centre row, for d = 0..radius.
// Returns false (table untouched) for a radius outside 1..45.
bool quarterCircleTable(int radius, int table[kMaxShapeRadius + 1]);

}  // namespace gamekit

// Verbatim copies of the drawing code before its fast paths (see the header).
#include "ReferenceDrawing.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

#include "gamekit/cards/CardGlyphs.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/PixelSpans.h"
#include "gamekit/graphics/Primitives.h"

namespace reference {

using gamekit::kShapeFilled;
using gamekit::kShapeOutline;
using gamekit::kShapeOutlineFilled;
namespace spans = gamekit::spans;
using spans::Coord;

namespace {

bool bothBeyondOneSide(const Surface& s, Coord x1, Coord y1, Coord x2, Coord y2) {
    return (x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= s.width() && x2 >= s.width()) ||
           (y1 >= s.height() && y2 >= s.height());
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
void drawBandRow(Surface& s, Coord y, Coord left, Coord right, Coord prevLeft, Coord prevRight,
                 const BandPaint& paint, Coord from = LLONG_MIN, Coord to = LLONG_MAX) {
    if (!spans::rowInside(s, y)) return;
    auto run = [&](Coord a, Coord b, Colour colour) {
        spans::fill(s, y, std::max(a, from), std::min(b, to), colour);
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
// the finished row from left to right is copied (every pixel of it has been
// written); when `from` lies outside the surface there is nothing to copy,
// and drawing it again within left..right gives the same pixels. In outline
// mode the outline pixels are written again, wherever they lie.
void mirrorBandRow(Surface& s, Coord from, Coord to, Coord left, Coord right, Coord prevLeft,
                   Coord prevRight, const BandPaint& paint) {
    if (from == to || !spans::rowInside(s, to)) return;
    if (!paint.paintInside) {
        drawBandRow(s, to, left, right, prevLeft, prevRight, paint);
    } else if (spans::rowInside(s, from)) {
        spans::copy(s, from, to, left, right);
    } else {
        drawBandRow(s, to, left, right, prevLeft, prevRight, paint, left, right);
    }
}

// The quarter-circle tables are not touched by the fast paths: the library's.
const int* tableFor(int radius) {
    using Table = std::array<int, gamekit::kMaxShapeRadius + 1>;
    static const std::array<Table, gamekit::kMaxShapeRadius + 1> tables = [] {
        std::array<Table, gamekit::kMaxShapeRadius + 1> all{};
        for (int r = gamekit::kMinShapeRadius; r <= gamekit::kMaxShapeRadius; ++r)
            gamekit::quarterCircleTable(r, all[r].data());
        return all;
    }();
    if (radius < gamekit::kMinShapeRadius || radius > gamekit::kMaxShapeRadius) return nullptr;
    return tables[radius].data();
}

}  // namespace

void drawCircle(Surface& surface, int cxi, int cyi, int radius, int mode, Colour edge,
                Colour fill) {
    const int* table = tableFor(radius);
    if (table == nullptr) return;
    const Coord cx = cxi, cy = cyi, r = radius;
    if (cx - r < 0 || cy - r < 0 || cx + r >= surface.width() || cy + r >= surface.height()) return;
    const BandPaint paint(mode, edge, fill);
    // Starting with an empty previous row makes the first row its own ends.
    Coord prevLeft = cx, prevRight = cx - 1;
    for (Coord k = 0; k <= r; ++k) {
        const Coord y = cy - r + k;
        if (y >= surface.height()) break;
        const Coord halfWidth = table[r - k];
        const Coord left = cx - halfWidth, right = cx + halfWidth;
        drawBandRow(surface, y, left, right, prevLeft, prevRight, paint);
        mirrorBandRow(surface, y, cy + r - k, left, right, prevLeft, prevRight, paint);
        prevLeft = left;
        prevRight = right;
    }
}

void drawRoundRect(Surface& surface, int x1i, int y1i, int x2i, int y2i, int radius, int mode,
                   Colour edge, Colour fill) {
    const int* table = tableFor(radius);
    if (table == nullptr) return;
    if (surface.width() <= 0 || surface.height() <= 0) return;
    const Coord x1 = x1i, y1 = y1i, x2 = x2i, y2 = y2i, r = radius;
    const BandPaint paint(mode, edge, fill);

    // Corners: the top band and its mirror image at the bottom. A band row
    // at or below the surface's bottom ends the band (and its mirror rows).
    Coord prevLeft = x1, prevRight = x1;
    for (Coord k = 0; k < r; ++k) {
        const Coord y = y1 + k;
        if (y >= surface.height()) break;
        const Coord halfWidth = table[r - k];
        const Coord left = x1 + r - halfWidth, right = x2 - r + halfWidth;
        drawBandRow(surface, y, left, right, prevLeft, prevRight, paint);
        mirrorBandRow(surface, y, y2 - 1 - k, left, right, prevLeft, prevRight, paint);
        prevLeft = left;
        prevRight = right;
    }

    // Straight sides: the row y1 + r and its copies down to y2 - r - 1. Only
    // the rows inside the surface are visited, whatever the rectangle's size.
    const Coord middle = y1 + r;
    const Coord lastCopy = y2 - r - 1;
    auto drawSideRow = [&](Coord y) {
        spans::fill(surface, y, x1, x1, paint.edge);
        if (paint.paintInside) spans::fill(surface, y, x1 + 1, x2 - 1, paint.fill);
        spans::fill(surface, y, x2, x2, paint.edge);
    };
    drawSideRow(middle);
    const Coord firstCopy = std::max<Coord>(middle + 1, 0);
    const Coord endCopy = std::min<Coord>(lastCopy, surface.height() - 1);
    Coord source = spans::rowInside(surface, middle) ? middle : -1;
    for (Coord y = firstCopy; y <= endCopy; ++y) {
        if (paint.paintInside && x1 <= x2 && source >= 0) {
            spans::copy(surface, source, y, x1, x2);
        } else {
            drawSideRow(y);
            source = y;
        }
    }
}

namespace {

template <typename RowAction>
void forEachVisibleRow(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                       int sourceX, int sourceY, int width, int height, RowAction rowAction) {
    if (target.pixels() == nullptr || source == nullptr) return;
    if (width <= 0 || height <= 0 || sourceStride <= 0 || sourceX < 0 || sourceY < 0) return;
    if (Coord{sourceX} + width > sourceStride) return;
    // Columns and rows of the block (0-based) that land inside the target.
    const Coord firstColumn = std::max<Coord>(0, -Coord{x});
    const Coord endColumn = std::min<Coord>(width, Coord{target.width()} - x);
    const Coord firstRow = std::max<Coord>(0, -Coord{y});
    const Coord endRow = std::min<Coord>(height, Coord{target.height()} - y);
    if (firstColumn >= endColumn || firstRow >= endRow) return;
    const size_t count = static_cast<size_t>(endColumn - firstColumn);
    for (Coord row = firstRow; row < endRow; ++row) {
        const uint16_t* from =
            source + (Coord{sourceY} + row) * sourceStride + sourceX + firstColumn;
        uint16_t* to = target.row(static_cast<int>(y + row)) + x + firstColumn;
        rowAction(to, from, count);
    }
}

Colour recolour(Colour pixel, const Colour from[], const Colour to[], int pairs) {
    for (int i = 0; i < pairs; ++i)
        if (pixel == from[i]) return to[i];
    return pixel;
}

}  // namespace

void blitKeyed(Surface& target, int x, int y, const uint16_t* source, int sourceStride, int sourceX,
               int sourceY, int width, int height, Colour key) {
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [key](uint16_t* to, const uint16_t* from, size_t count) {
                          for (size_t i = 0; i < count; ++i)
                              if (from[i] != key) to[i] = from[i];
                      });
}

void blitRecoloured(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                    int sourceX, int sourceY, int width, int height, const Colour from[],
                    const Colour to[], int pairs) {
    if (pairs > 0 && (from == nullptr || to == nullptr)) return;
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [&](uint16_t* out, const uint16_t* in, size_t count) {
                          for (size_t i = 0; i < count; ++i)
                              out[i] = recolour(in[i], from, to, pairs);
                      });
}

void blitRecolouredKeyed(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                         int sourceX, int sourceY, int width, int height, const Colour from[],
                         const Colour to[], int pairs, Colour key) {
    if (pairs > 0 && (from == nullptr || to == nullptr)) return;
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [&](uint16_t* out, const uint16_t* in, size_t count) {
                          for (size_t i = 0; i < count; ++i)
                              if (in[i] != key) out[i] = recolour(in[i], from, to, pairs);
                      });
}


namespace {

int drawGlyph(const gamekit::BitmapFont& font, Surface& target, int x, int y, const int16_t* g) {
    const int height = font.height();
    const bool transparent = font.transparent();
    const int width = g[height];
    const int cellWidth = transparent ? width : width + 1;
    if (x <= -cellWidth) return width + 1;
    const int firstColumn = x < 0 ? -x : 0;
    const int endColumn = x + cellWidth > target.width() ? target.width() - x : cellWidth;
    if (firstColumn >= endColumn) return width + 1;
    for (int r = 0; r < height; ++r) {
        const int py = y + r;
        if (py < 0 || py >= target.height()) continue;
        uint16_t* row = target.row(py);
        const unsigned bits = static_cast<uint16_t>(g[r]) << 1;
        for (int column = firstColumn; column < endColumn; ++column) {
            if ((bits >> (width - column)) & 1u) {
                row[x + column] = font.foreground();
            } else if (!transparent) {
                row[x + column] = font.background();
            }
        }
    }
    return width + 1;
}

}  // namespace

int drawText(const gamekit::BitmapFont& font, Surface& target, int x, int y, const char* text) {
    if (text == nullptr) return 0;
    const int length = static_cast<int>(std::strlen(text));
    if (y >= target.height() || static_cast<long>(y) + font.height() <= 0) return length;
    long pen = x;
    for (const char* p = text; *p != '\0'; ++p) {
        if (pen >= target.width()) break;
        const int16_t* g = font.glyph(static_cast<unsigned char>(*p));
        pen += g ? drawGlyph(font, target, static_cast<int>(pen), y, g) : 1;
    }
    return length;
}

namespace {

constexpr Colour kCardFill = 0xE71C;
constexpr Colour kRed = 0xF800;
constexpr int kCornerRadius = 5;

void stampGlyph(Surface& surface, const uint16_t* cell, int x, int y, bool recolour,
                Colour colour) {
    if (cell == nullptr) return;
    for (int row = 0; row < gamekit::kGlyphHeight; ++row) {
        for (int col = 0; col < gamekit::kGlyphWidth; ++col) {
            const uint16_t pixel = cell[row * gamekit::kGlyphWidth + col];
            if (pixel != gamekit::kGlyphTransparent) {
                surface.putPixel(x + col, y + row, recolour ? colour : pixel);
            }
        }
    }
}

void drawPlainBack(Surface& surface, int x, int y, Colour frame) {
    reference::drawRect(surface, x + 1, y + 1, x + gamekit::kBackWidth, y + gamekit::kBackHeight,
             kShapeFilled, gamekit::colours::kDarkBlue, gamekit::colours::kDarkBlue);
    reference::drawRoundRect(surface, x, y, x + gamekit::kBackWidth + 1, y + gamekit::kBackHeight + 2,
                  kCornerRadius, kShapeOutline, frame, frame);
}

void drawBack(const gamekit::CardTheme& theme, Surface& surface, int x, int y) {
    gamekit::blitOpaque(surface, x + 1, y + 1, theme.backPixels, theme.stripWidth, theme.stripX, 0,
                        theme.backWidth, theme.backHeight);
    const Colour frame = theme.borderColour;
    reference::drawRoundRect(surface, x, y, x + theme.backWidth + 1, y + theme.backHeight + 2, kCornerRadius,
                  kShapeOutline, frame, frame);
}

}  // namespace

void drawCard(Surface& surface, const gamekit::PlayingCard& card, const gamekit::CardTheme* theme,
              int x, int y, int clipWidth, int clipHeight, bool selected) {
    using gamekit::kCardHeight;
    using gamekit::kCardWidth;
    const Colour highlight = theme != nullptr ? theme->highlightColour : gamekit::colours::kWhite;
    const Colour border = theme != nullptr ? theme->borderColour : gamekit::colours::kBlack;
    if (clipWidth == 0) clipWidth = surface.width();
    if (clipHeight == 0) clipHeight = surface.height();
    const int right = x + kCardWidth - 1 < clipWidth - 1 ? x + kCardWidth - 1 : clipWidth - 1;
    const int bottom = y + kCardHeight - 1 < clipHeight - 1 ? y + kCardHeight - 1 : clipHeight - 1;

    if (!card.faceUp) {
        if (theme != nullptr) {
            drawBack(*theme, surface, x, y);
        } else {
            drawPlainBack(surface, x, y, border);
        }
        return;
    }
    if (selected) {
        reference::drawRoundRect(surface, x - 2, y - 2, x + kCardWidth + 1, y + kCardHeight + 1, kCornerRadius,
                      kShapeFilled, highlight, highlight);
    }
    reference::drawRoundRect(surface, x, y, right, bottom, kCornerRadius, kShapeOutlineFilled, border,
                  kCardFill);
    stampGlyph(surface, gamekit::rankGlyph(card.rank), x + 1, y + 1, card.isRed(), kRed);
    stampGlyph(surface, gamekit::suitGlyph(card.suit), x + 1, y + 14, false, 0);
}

}  // namespace reference

// Drawing of card faces and backs: the one place that turns a PlayingCard and
// its CardTheme into pixels.
#include "gamekit/cards/CardDrawing.h"

#include <algorithm>
#include <cstring>

#include "gamekit/cards/CardGlyphs.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/containers/FatalError.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/DrawingRecord.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Surface.h"

namespace gamekit {

namespace {

constexpr Colour kCardFill = 0xE71C;
constexpr Colour kRed = 0xF800;
constexpr int kCornerRadius = 5;

// One row of a glyph cell onto the surface: each pixel a select between the
// glyph's (or `colour`, when keepMask is 0) and the surface's, no branch.
inline void stampRow(uint16_t* out, const uint16_t* in, long count, uint16_t keepMask,
                     Colour colour) {
    for (long col = 0; col < count; ++col) {
        const uint16_t pixel = in[col];
        const uint16_t drawn = static_cast<uint16_t>((pixel & keepMask) | (colour & ~keepMask));
        // All ones where the glyph has a pixel: arithmetic, so the compiler
        // cannot turn it back into a branch.
        const uint16_t shown = static_cast<uint16_t>(0u - (pixel != kGlyphTransparent));
        out[col] = static_cast<uint16_t>((drawn & shown) | (out[col] & ~shown));
    }
}

// Eight pixels at once in the machine's vector registers (SSE2, NEON), as
// the compiler's vector extension: GCC left to itself unrolls a row of ten
// into scalar code.
using Pixels8 = uint16_t __attribute__((vector_size(16)));

inline Pixels8 stampEight(const uint16_t* in, Pixels8 under, uint16_t keepMask, Colour colour) {
    Pixels8 pixel;
    std::memcpy(&pixel, in, sizeof pixel);
    const Pixels8 drawn = (pixel & keepMask) | static_cast<uint16_t>(colour & ~keepMask);
    const Pixels8 shown = reinterpret_cast<Pixels8>(pixel != kGlyphTransparent);
    return (drawn & shown) | (under & ~shown);
}

// A whole row of a cell: pixels 0..7 and 2..9, both read before either is
// written (a read of what was just stored, half overlapping, would stall),
// the six pixels in both getting the same value twice.
inline void stampWholeRow(uint16_t* out, const uint16_t* in, uint16_t keepMask, Colour colour) {
    static_assert(kGlyphWidth >= 8 && kGlyphWidth <= 16);
    constexpr int kSecond = kGlyphWidth - 8;
    Pixels8 first, second;
    std::memcpy(&first, out, sizeof first);
    std::memcpy(&second, out + kSecond, sizeof second);
    first = stampEight(in, first, keepMask, colour);
    second = stampEight(in + kSecond, second, keepMask, colour);
    std::memcpy(out, &first, sizeof first);
    std::memcpy(out + kSecond, &second, sizeof second);
}

// Stamps the visible pixels of a glyph cell, in `colour` when it is given.
// The cell is clipped to the surface once; a cell near an edge is cut there
// instead of writing past it.
void stampGlyph(Surface& surface, const uint16_t* cell, int x, int y, bool recolour,
                Colour colour) {
    if (cell == nullptr) return;
    const long firstCol = std::max(0L, -long{x});
    const long endCol = std::min(long{kGlyphWidth}, long{surface.width()} - x);
    const long firstRow = std::max(0L, -long{y});
    const long endRow = std::min(long{kGlyphHeight}, long{surface.height()} - y);
    if (firstCol >= endCol || firstRow >= endRow) return;
    const uint16_t keepMask = recolour ? 0 : 0xFFFF;
    const long count = endCol - firstCol;
    for (long row = firstRow; row < endRow; ++row) {
        const uint16_t* in = cell + row * kGlyphWidth + firstCol;
        uint16_t* out = surface.row(static_cast<int>(y + row)) + (x + firstCol);
        if (count == kGlyphWidth) {
            stampWholeRow(out, in, keepMask, colour);
        } else {
            stampRow(out, in, count, keepMask, colour);
        }
    }
}

// The rounded body and the corner glyphs: everything of a face but the
// selection block.
void drawFace(Surface& surface, const PlayingCard& card, int x, int y, int right, int bottom,
              Colour border) {
    drawRoundRect(surface, x, y, right, bottom, kCornerRadius, kShapeOutlineFilled, border,
                  kCardFill);
    stampGlyph(surface, rankGlyph(card.rank), x + 1, y + 1, card.isRed(), kRed);
    stampGlyph(surface, suitGlyph(card.suit), x + 1, y + 14, false, 0);
}

// A face depends on its card and border colour alone, and a frame draws
// dozens of them: each is drawn once into a picture of its own and then
// copied, row by row, wherever it lies wholly on the surface. A row of a
// face is one run of drawn pixels (the corners leave the table showing at
// both ends); a face that is not (a card without glyphs may differ) is
// drawn the long way every time.
constexpr int kSuits = 4;
constexpr int kRanks = 13;

struct CachedFace {
    bool built = false;
    bool usable = false;
    Colour border = 0;
    Colour pixels[kCardHeight][kCardWidth];
    uint8_t first[kCardHeight];
    uint8_t count[kCardHeight];
};

// Drawn twice, onto black and onto white: a pixel that comes out the same
// on both was drawn, one that differs is the table showing through.
void buildFace(CachedFace& face, const PlayingCard& card, Colour border) {
    Colour onBlack[kCardHeight * kCardWidth], onWhite[kCardHeight * kCardWidth];
    Surface black(onBlack, kCardWidth, kCardHeight), white(onWhite, kCardWidth, kCardHeight);
    black.fill(colours::kBlack);
    white.fill(colours::kWhite);
    drawFace(black, card, 0, 0, kCardWidth - 1, kCardHeight - 1, border);
    drawFace(white, card, 0, 0, kCardWidth - 1, kCardHeight - 1, border);
    face.built = true;
    face.usable = true;
    face.border = border;
    for (int row = 0; row < kCardHeight; ++row) {
        const Colour* b = black.row(row);
        const Colour* w = white.row(row);
        int first = 0;
        while (first < kCardWidth && b[first] != w[first]) ++first;
        int end = first;
        while (end < kCardWidth && b[end] == w[end]) ++end;
        for (int rest = end; rest < kCardWidth; ++rest) {
            if (b[rest] == w[rest]) face.usable = false;
        }
        face.first[row] = static_cast<uint8_t>(first);
        face.count[row] = static_cast<uint8_t>(end - first);
        std::memcpy(face.pixels[row], b, sizeof face.pixels[row]);
    }
}

// `count` pixels in pieces of eight, the last piece overlapping the one
// before: no library call for a run shorter than a card.
inline void copyRun(uint16_t* to, const uint16_t* from, int count) {
    if (count < 8) {
        for (int i = 0; i < count; ++i) to[i] = from[i];
        return;
    }
    for (int i = 0; i + 8 < count; i += 8) std::memcpy(to + i, from + i, 16);
    std::memcpy(to + count - 8, from + count - 8, 16);
}

// Draws the face from its picture when the card has one and lies wholly on
// the surface, unclipped; false when it must be drawn the long way.
bool drawCachedFace(Surface& surface, const PlayingCard& card, int x, int y, int right, int bottom,
                    Colour border) {
    if (card.rank < 0 || card.rank >= kRanks || card.suit < 0 || card.suit >= kSuits) return false;
    if (x < 0 || y < 0 || long{x} + kCardWidth > surface.width() ||
        long{y} + kCardHeight > surface.height())
        return false;
    if (right != long{x} + kCardWidth - 1 || bottom != long{y} + kCardHeight - 1) return false;
    static CachedFace faces[kSuits][kRanks];
    CachedFace& face = faces[card.suit][card.rank];
    if (!face.built || face.border != border) buildFace(face, card, border);
    if (!face.usable) return false;
    for (int row = 0; row < kCardHeight; ++row) {
        const int first = face.first[row];
        uint16_t* out = surface.row(y + row) + x;
        if (face.count[row] == kCardWidth) {
            std::memcpy(out, face.pixels[row], sizeof face.pixels[row]);
        } else {
            copyRun(out + first, face.pixels[row] + first, face.count[row]);
        }
    }
    return true;
}

// A back for a card that has no theme to take one from: a plain field in the
// same frame as a theme's back.
void drawPlainBack(Surface& surface, int x, int y, Colour frame) {
    drawRect(surface, x + 1, y + 1, x + kBackWidth, y + kBackHeight, kShapeFilled,
             colours::kDarkBlue, colours::kDarkBlue);
    drawRoundRect(surface, x, y, x + kBackWidth + 1, y + kBackHeight + 2, kCornerRadius,
                  kShapeOutline, frame, frame);
}

}  // namespace

void CardTheme::drawBack(Surface& surface, int x, int y, int, int, bool selected) const {
    if (backPixels == nullptr) fatalError("CardTheme: no cardBack!");
    // Every back lies in the strip's first row; only its column differs.
    blitOpaque(surface, x + 1, y + 1, backPixels, stripWidth, stripX, 0, backWidth, backHeight);
    const Colour frame = selected ? highlightColour : borderColour;
    drawRoundRect(surface, x, y, x + backWidth + 1, y + backHeight + 2, kCornerRadius,
                  kShapeOutline, frame, frame);
}

namespace {

using Wide = long long;

// A card drawn to its surface's size keeps that size as its clip when it is
// painted on a window of the surface.
void paintCard(Surface& target, const DrawCommand& c, int dx, int dy, const uint8_t*) {
    const PlayingCard card(c.value[2], c.value[3], c.value[4] != 0);
    const bool ownSize = c.value[5] == 0 && c.value[6] == 0;
    drawCard(target, card, static_cast<const CardTheme*>(c.pointer), c.value[0] + dx,
             c.value[1] + dy, ownSize ? c.width + dx : c.value[5],
             ownSize ? c.height + dy : c.value[6], c.value[7] != 0);
}

// Notes the card on a surface a record listens to; false when it is to be
// drawn now. A card drawn to the surface's own size cuts at any box like
// the surface's edges; a card with a clip of its own, or cut so short by
// the edge that its corners meet, is painted whole.
bool notedCard(Surface& surface, const PlayingCard& card, const CardTheme* theme, int x, int y,
               int clipWidth, int clipHeight, int right, int bottom, bool selected) {
    DrawingRecord* record = surface.record();
    if (record == nullptr) return false;
    const int backWidth = theme != nullptr ? theme->backWidth : kBackWidth;
    const int backHeight = theme != nullptr ? theme->backHeight : kBackHeight;
    // Its rounded shapes must leave room for both bands, as a face cut
    // short by the surface's edge does not.
    const bool roomy =
        card.faceUp ? right - x >= 2 * kCornerRadius && bottom - y >= 2 * kCornerRadius
                    : backWidth + 1 >= 2 * kCornerRadius && backHeight + 2 >= 2 * kCornerRadius;
    const bool cuttable = clipWidth == 0 && clipHeight == 0 && roomy;
    // Whatever it shows lies within the selection block around the face
    // and the back's frame; shapes whose corners meet may reach a radius
    // beyond.
    const Wide reach = roomy ? 0 : kCornerRadius;
    const Wide width = std::max(kCardWidth + 2, backWidth + 2),
               height = std::max(kCardHeight + 2, backHeight + 3);
    const DrawCommand c = DrawCommand::make(
        &paintCard, cuttable,
        {x, y, card.rank, card.suit, card.faceUp, clipWidth, clipHeight, selected}, theme);
    // A clip left of or above the card turns the face's corners round.
    return record->note(surface, c, std::min<Wide>(x, right) - 2 - reach,
                        std::min<Wide>(y, bottom) - 2 - reach, Wide{x} + width + reach,
                        Wide{y} + height + reach);
}

}  // namespace

void drawCard(Surface& surface, const PlayingCard& card, const CardTheme* theme, int x, int y,
              int clipWidth, int clipHeight, bool selected) {
    const Colour highlight = theme != nullptr ? theme->highlightColour : colours::kWhite;
    const Colour border = theme != nullptr ? theme->borderColour : colours::kBlack;
    const int ownWidth = clipWidth, ownHeight = clipHeight;
    if (clipWidth == 0) clipWidth = surface.width();
    if (clipHeight == 0) clipHeight = surface.height();
    const int right = x + kCardWidth - 1 < clipWidth - 1 ? x + kCardWidth - 1 : clipWidth - 1;
    const int bottom = y + kCardHeight - 1 < clipHeight - 1 ? y + kCardHeight - 1 : clipHeight - 1;
    if (notedCard(surface, card, theme, x, y, ownWidth, ownHeight, right, bottom, selected)) return;

    if (!card.faceUp) {
        // A face-down card never shows the selection.
        if (theme != nullptr) {
            theme->drawBack(surface, x, y, kScreenWidth, kScreenHeight, false);
        } else {
            drawPlainBack(surface, x, y, border);
        }
        return;
    }
    if (selected) {
        drawRoundRect(surface, x - 2, y - 2, x + kCardWidth + 1, y + kCardHeight + 1, kCornerRadius,
                      kShapeFilled, highlight, highlight);
    }
    if (!drawCachedFace(surface, card, x, y, right, bottom, border)) {
        drawFace(surface, card, x, y, right, bottom, border);
    }
}

}  // namespace gamekit

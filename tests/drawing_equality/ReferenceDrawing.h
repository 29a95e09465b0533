#pragma once

// The drawing routines as they were before their fast paths: one test per
// pixel, a library copy per row. Kept here, unchanged, as the reference the
// fast paths must match pixel for pixel on random scenes.

#include <cstdint>

#include "gamekit/graphics/Surface.h"

namespace gamekit {
class BitmapFont;
class CardTheme;
class PlayingCard;
}  // namespace gamekit

namespace reference {

using gamekit::Colour;
using gamekit::Surface;

void drawRect(Surface& surface, int x1, int y1, int x2, int y2, int mode, Colour edge, Colour fill);
void drawRoundRect(Surface& surface, int x1, int y1, int x2, int y2, int radius, int mode,
                   Colour edge, Colour fill);
void drawCircle(Surface& surface, int cx, int cy, int radius, int mode, Colour edge, Colour fill);

void blitKeyed(Surface& target, int x, int y, const uint16_t* source, int sourceStride, int sourceX,
               int sourceY, int width, int height, Colour key);
void blitRecoloured(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                    int sourceX, int sourceY, int width, int height, const Colour from[],
                    const Colour to[], int pairs);
void blitRecolouredKeyed(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                         int sourceX, int sourceY, int width, int height, const Colour from[],
                         const Colour to[], int pairs, Colour key);

// The font's draw with the font's current colours and transparent flag.
int drawText(const gamekit::BitmapFont& font, Surface& target, int x, int y, const char* text);

void drawCard(Surface& surface, const gamekit::PlayingCard& card, const gamekit::CardTheme* theme,
              int x, int y, int clipWidth, int clipHeight, bool selected);

}  // namespace reference

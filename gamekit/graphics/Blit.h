#pragma once

#include <cstdint>

#include "gamekit/graphics/Surface.h"

namespace gamekit {

// Copies of a width x height block of pictures held in a row-major 16-bit
// image (a loaded sprite sheet or card-backs strip) onto a surface. The block
// starts at (sourceX, sourceY) of the image, whose rows are sourceStride
// pixels apart, and lands with its top-left pixel at (x, y) on the target.
//
// The target is clipped: whatever falls outside it is dropped and the pixels
// inside are those of the whole copy. The image's height is the caller's to
// respect; a block that starts left of or above the image, or reaches beyond
// its row length, is refused and nothing is drawn.

void blitOpaque(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                int sourceX, int sourceY, int width, int height);

// Skips source pixels equal to `key`: the target shows through them.
void blitKeyed(Surface& target, int x, int y, const uint16_t* source, int sourceStride, int sourceX,
               int sourceY, int width, int height, Colour key);

// Replaces each source pixel equal to from[i] by to[i] (the first match wins)
// and copies every other pixel unchanged, for banners drawn in the theme's
// colours.
void blitRecoloured(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                    int sourceX, int sourceY, int width, int height, const Colour from[],
                    const Colour to[], int pairs);

// The same, but source pixels equal to `key` are skipped (checked before the
// replacement pairs).
void blitRecolouredKeyed(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                         int sourceX, int sourceY, int width, int height, const Colour from[],
                         const Colour to[], int pairs, Colour key);

}  // namespace gamekit

#pragma once

#include <cstdint>

namespace gamekit {

// The built-in card-face glyphs: 10 x 14 cells of 16-bit pixels stored row by
// row, 0xFFFF meaning transparent.
constexpr int kGlyphWidth = 10;
constexpr int kGlyphHeight = 14;
constexpr int kGlyphCellSize = kGlyphWidth * kGlyphHeight;
constexpr uint16_t kGlyphTransparent = 0xFFFF;

// The rank glyph of rank 0..12 (ace..king), in black with mid-grey edges;
// null for any other rank.
const uint16_t* rankGlyph(int rank);

// The suit glyph of suit 0..3 (spade, club, heart, diamond); null for the
// joker and anything else, which have no glyph.
const uint16_t* suitGlyph(int suit);

// The suit cells in their storage order (club, spade, heart, diamond), for
// code that walks the table itself.
const uint16_t* suitCell(int storageIndex);

}  // namespace gamekit

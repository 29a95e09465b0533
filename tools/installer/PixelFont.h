#pragma once

#include "tools/installer/Canvas.h"

namespace installer {

// A 5 x 7 font of capitals and digits for lettering inside the generated pictures
// (logos, labels). Lower-case letters are drawn as capitals; characters
// without a glyph leave a blank.
constexpr int kFontCellWidth = 5;
constexpr int kFontCellHeight = 7;

// Draws `text` with its top-left at (x, y), each font pixel `scale` x
// `scale` canvas pixels, one blank font column between characters.
void drawText(Canvas& canvas, int x, int y, const char* text, Rgb colour, int scale = 1);

// Width in canvas pixels of `text` drawn at `scale`.
int textWidth(const char* text, int scale = 1);

// Draws `text` centred horizontally on column `centreX`.
void drawTextCentred(Canvas& canvas, int centreX, int y, const char* text, Rgb colour,
                     int scale = 1);

}  // namespace installer

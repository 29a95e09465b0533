#pragma once

#include <string>
#include <vector>

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

// Lettering for tight places: each glyph four columns wide (its second and
// third columns drawn as one) and a blank column between characters.
int narrowTextWidth(const char* text);
void drawNarrowText(Canvas& canvas, int x, int y, const char* text, Rgb colour);
void drawNarrowTextCentred(Canvas& canvas, int centreX, int y, const char* text, Rgb colour);

// The box every text covers on the canvas it was drawn on, collected while a
// log is given (nullptr stops it), so that a test can check that no
// lettering leaves its sprite. Drawing that copies lettering from a canvas
// of its own notes the box it leaves on the sheet.
struct DrawnText {
    const Canvas* canvas;
    int x, y, width, height;
    std::string text;
};
void logDrawnText(std::vector<DrawnText>* log);
void noteText(const Canvas& canvas, int x, int y, int width, int height, const char* text);

}  // namespace installer

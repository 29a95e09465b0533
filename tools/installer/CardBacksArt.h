#pragma once

#include "tools/installer/Canvas.h"

namespace installer {

constexpr int kBackWidth = 28;
constexpr int kBackHeight = 43;
constexpr int kBackCount = 9;

// The card-backs strip: nine 28 x 43 backs side by side, back i at x = 28 i,
// in the order of the card themes.
Canvas drawCardBacks();

// One back on its own (index 0..8). Every back has a light margin and a
// patterned field inside it.
Canvas drawCardBack(int index);

// The art of the individual backs, one function per theme (field 24 x 39,
// drawn inside the margin).
void drawStandardLattice(Canvas& field);  // "Standard 1"
void drawStandardRose(Canvas& field);     // "Standard 2"
void drawStandardDots(Canvas& field);     // "Standard 3"
void drawMardiGras(Canvas& field);
void drawSouthWest(Canvas& field);
void drawAstrology(Canvas& field);
void drawWineAndArt(Canvas& field);
void drawZen(Canvas& field);
void drawIslandNight(Canvas& field);

}  // namespace installer

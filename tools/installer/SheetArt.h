#pragma once

#include "gamekit/graphics/SheetRect.h"
#include "tools/installer/Canvas.h"

namespace installer {

// Pieces that every program's sheet has in some form: the logos, the name
// art, the emblem and the check boxes. Each draws into the rectangle given by
// its top-left corner and size; what it leaves unpainted stays the sheet's
// transparent key.

struct LogoStyle {
    Rgb ink;     // lettering
    Rgb accent;  // suit marks and rules
    Rgb shadow;  // one-pixel drop shadow of the lettering
};

// A banner: the title in large letters between two suit marks, with a rule
// underneath. 175 x 30 in the standard layout.
void drawLogo(Canvas& sheet, int x, int y, int w, int h, const char* title, const LogoStyle& style);

// Two lines of lettering (name and subtitle) over a fan of three cards.
// 186 x 45 in the standard layout.
void drawNameArt(Canvas& sheet, int x, int y, int w, int h, const char* name, const char* subtitle,
                 const LogoStyle& style);

// A 10 x 10 emblem: a diamond with a spade cut out of it.
void drawEmblem(Canvas& sheet, int x, int y, Rgb outer, Rgb inner);

// 10 x 10 check boxes: a black frame around white, and the same with a
// black tick.
void drawCheckBox(Canvas& sheet, int x, int y, bool ticked);

// Where a sheet holds the pieces of the start-up and About screens.
struct StandardPieces {
    gamekit::SheetRect logo;         // on the blue start-up screen
    gamekit::SheetRect aboutLogo;    // on the white About screen
    gamekit::SheetRect nameArt;      // on the blue start-up screen
    gamekit::SheetRect emblem;       // start-up screen
    gamekit::SheetRect aboutEmblem;  // About screen
};

// Draws those pieces: the logos read `title`, the name art `name` over
// `subtitle`. The start-up screen is pure blue, which is also the key, so its
// pieces use light ink; the About screen is white and gets dark ink.
void drawStandardPieces(Canvas& sheet, const StandardPieces& at, const char* title, const char* name,
                        const char* subtitle);

// A small suit mark (0 spade, 1 club, 2 heart, 3 diamond) in a 7 x 7 box.
void drawSuitMark(Canvas& sheet, int x, int y, int suit, Rgb colour);

}  // namespace installer

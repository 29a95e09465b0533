// Velloran's sprite sheet, drawn at the positions its sprite map declares:
// the start-up and About pieces, the check boxes, the two key icons of the
// Help page and the two hint markers of the table.
#include "games/velloran/VelloranSprites.h"
#include "tools/installer/SheetArt.h"
#include "tools/installer/SpriteSheets.h"

namespace installer {

namespace {

using namespace velloran_sprites;

// Pixel art, one string a row: '#' ink, anything else the key. The markers
// are drawn in one ink; the table paints every pixel that is not the key in
// its theme's highlight colour.
void drawPixels(Canvas& sheet, const SheetRect& r, const char* const rows[], Rgb ink) {
    for (int y = 0; y < r.height; ++y) {
        for (int x = 0; x < r.width && rows[y][x] != '\0'; ++x) {
            if (rows[y][x] == '#') sheet.set(r.x + x, r.y + y, ink);
        }
    }
}

// "Take this pile": an arrow pointing left, at the discard pile beside it.
const char* const kTakeThis[9] = {
    "...#...",
    "..##...",
    ".######",
    "#######",
    "#######",
    ".######",
    "..##...",
    "...#...",
    ".......",
};

// "Take from elsewhere": an arrow pointing right, at the stock or the Pass
// button beside it.
const char* const kTakeElsewhere[9] = {
    "...#...",
    "...##..",
    "######.",
    "#######",
    "#######",
    "######.",
    "...##..",
    "...#...",
    ".......",
};

// The device's Up and Down keys: a solid arrow head on a short stem.
const char* const kUp[7] = {
    "...##...",
    "..####..",
    ".######.",
    "########",
    "..####..",
    "..####..",
    "..####..",
};
const char* const kDown[7] = {
    "..####..",
    "..####..",
    "..####..",
    "########",
    ".######.",
    "..####..",
    "...##...",
};

}  // namespace

void drawVelloranSheet(Canvas& sheet) {
    drawStandardPieces(sheet, {kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem}, "VELLORAN",
                       "VELLORAN", "RUMMY FOR TWO");
    drawCheckBox(sheet, kCheckBoxEmpty.x, kCheckBoxEmpty.y, false);
    drawCheckBox(sheet, kCheckBoxTicked.x, kCheckBoxTicked.y, true);
    const Rgb black{0, 0, 0};
    drawPixels(sheet, kUpKey, kUp, black);
    drawPixels(sheet, kDownKey, kDown, black);
    const Rgb marker = rgb(0xF80000);
    drawPixels(sheet, kTakeThisMarker, kTakeThis, marker);
    drawPixels(sheet, kTakeElsewhereMarker, kTakeElsewhere, marker);
}

}  // namespace installer

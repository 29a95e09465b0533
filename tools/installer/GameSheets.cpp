// Stand-in sheets for the solitaires, so that a fresh install has every file
// a program opens. Each game replaces its function here with one drawn from
// its own sprite-map header; until then the sheet holds the standard start-up
// pieces at their usual places and is transparent elsewhere.
#include "tools/installer/SheetArt.h"
#include "tools/installer/SpriteSheets.h"

namespace installer {

namespace {

void drawStandardPieces(Canvas& sheet, const char* name) {
    const LogoStyle onBlue{rgb(0xFFFFFF), rgb(0xF8D030), rgb(0x000040)};
    const LogoStyle onWhite{rgb(0x001080), rgb(0xC00000), rgb(0xA0A8C0)};
    drawLogo(sheet, 0, 0, 175, 30, name, onBlue);
    drawLogo(sheet, 0, 33, 175, 30, name, onWhite);
    drawNameArt(sheet, 0, 66, 186, 45, name, "SOLITAIRE", onBlue);
    drawEmblem(sheet, 178, 0, rgb(0xF8D030), rgb(0x000040));
    drawEmblem(sheet, 178, 10, rgb(0x001080), rgb(0xFFFFFF));
    drawCheckBox(sheet, 188, 0, false);
    drawCheckBox(sheet, 188, 10, true);
}

}  // namespace

void drawPellandineSheet(Canvas& sheet) {
    drawStandardPieces(sheet, "PELLANDINE");
}

}  // namespace installer

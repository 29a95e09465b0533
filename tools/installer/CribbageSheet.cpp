// The cribbage program's sprite sheet, drawn at the positions its sprite map
// declares: the start-up pieces, the check boxes, the board's wooden frame,
// the holes, the pegs of both players and the small pegs of the set score.
#include "games/cribbage/CribbageSprites.h"
#include "tools/installer/SheetArt.h"
#include "tools/installer/SpriteSheets.h"

namespace installer {

namespace {

using namespace cribbage_sprites;

const Rgb kWood = rgb(0xB07838);
const Rgb kWoodDark = rgb(0x805020);
const Rgb kWoodLight = rgb(0xD09850);
const Rgb kPit = rgb(0x301808);
const Rgb kPitRim = rgb(0x604020);

// Wood with its grain running along the edge: a few darker and lighter
// streaks that repeat with the tile, so tiles join without a seam.
void drawWood(Canvas& sheet, const SheetRect& r, bool across) {
    sheet.fillRect(r.x, r.y, r.width, r.height, kWood);
    const int length = across ? r.width : r.height;
    const int depth = across ? r.height : r.width;
    for (int d = 0; d < depth; ++d) {
        for (int l = 0; l < length; ++l) {
            const int wave = (l * 3 + d * 7) % 23;
            Rgb c = kWood;
            if (d % 5 == 1 && wave < 9) c = kWoodDark;
            if (d % 7 == 3 && wave > 15) c = kWoodLight;
            sheet.set(across ? r.x + l : r.x + d, across ? r.y + d : r.y + l, c);
        }
    }
}

// A corner: wood with the outer corner rounded off (left as the key, so the
// table shows through) and a dark rim along the curve.
void drawCorner(Canvas& sheet, const SheetRect& r, int corner) {
    drawWood(sheet, r, corner % 2 == 0);
    const float size = static_cast<float>(r.width);
    // The centre of the rounding, towards the inside of the board.
    const float cx = corner == 0 || corner == 3 ? size : 0.0f;
    const float cy = corner == 0 || corner == 1 ? size : 0.0f;
    for (int y = 0; y < r.height; ++y) {
        for (int x = 0; x < r.width; ++x) {
            const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            const float d2 = dx * dx + dy * dy;
            if (d2 > size * size) {
                sheet.set(r.x + x, r.y + y, kSheetKey);
            } else if (d2 > (size - 1.5f) * (size - 1.5f)) {
                sheet.set(r.x + x, r.y + y, kWoodDark);
            }
        }
    }
}

// A hole: a dark pit of 5 x 5 with a softer rim, centred in its cell.
void drawHole(Canvas& sheet, const SheetRect& r, int inset) {
    const int size = r.width - 2 * inset;
    sheet.fillRect(r.x + inset, r.y + inset, size, size, kPitRim);
    sheet.fillRect(r.x + inset + 1, r.y + inset + 1, size - 2, size - 2, kPit);
    if (size <= 3) sheet.fillRect(r.x + inset, r.y + inset, size, size, kPit);
}

// A peg seen from above: a round head with a dark edge and a highlight.
void drawPeg(Canvas& sheet, const SheetRect& r, int inset, Rgb head, Rgb edge) {
    const float c = r.width / 2.0f;
    const float radius = c - inset;
    sheet.fillCircle(r.x + c, r.y + c, radius, edge);
    sheet.fillCircle(r.x + c, r.y + c, radius - 1.0f, head);
    if (radius >= 3.0f) sheet.set(r.x + static_cast<int>(c) - 1, r.y + static_cast<int>(c) - 1,
                                  mix(head, rgb(0xFFFFFF), 0.6f));
}

}  // namespace

void drawCribbageSheet(Canvas& sheet) {
    drawStandardPieces(sheet, {kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem}, "CRIBBAGE",
                       "CRIBBAGE", "RED AGAINST BLUE");
    drawCheckBox(sheet, kCheckBoxEmpty.x, kCheckBoxEmpty.y, false);
    drawCheckBox(sheet, kCheckBoxTicked.x, kCheckBoxTicked.y, true);

    drawWood(sheet, kFrameWoodAcross, true);
    drawWood(sheet, kFrameWoodDown, false);
    for (int i = 0; i < 4; ++i) drawCorner(sheet, kFrameCorners[i], i);

    drawHole(sheet, kHole, kHolePitInset);
    drawPeg(sheet, kRedPeg, kPegHeadInset, rgb(0xE02020), rgb(0x600000));
    drawPeg(sheet, kBluePeg, kPegHeadInset, rgb(0x3060F0), rgb(0x001060));
    drawHole(sheet, kSetHole, 0);
    drawPeg(sheet, kRedSetPeg, 0, rgb(0xF04040), rgb(0x600000));
    drawPeg(sheet, kBlueSetPeg, 0, rgb(0x5080F8), rgb(0x001060));
}

}  // namespace installer

// The reflection program's sprite sheet, drawn at the positions its sprite
// map declares: the start-up pieces, the check boxes, the rank marks that
// show where a picked card can go, and the empty places of the talons.
#include "gamekit/cards/CardGlyphs.h"
#include "games/reflection/ReflectionSprites.h"
#include "tools/installer/PixelFont.h"
#include "tools/installer/SheetArt.h"
#include "tools/installer/SpriteSheets.h"

namespace installer {

namespace {

using namespace reflection_sprites;

struct MarkStyle {
    Rgb back;
    Rgb ink;
    Rgb dot;
};

// The card faces' own rank glyph, so a mark reads exactly like the corner of
// the card it stands for: black pixels in `ink`, the grey edge pixels halfway
// between ink and background.
void drawRankGlyph(Canvas& sheet, int x, int y, int rank, const MarkStyle& style) {
    const uint16_t* glyph = gamekit::rankGlyph(rank);
    if (glyph == nullptr) return;
    for (int row = 0; row < gamekit::kGlyphHeight; ++row) {
        for (int col = 0; col < gamekit::kGlyphWidth; ++col) {
            const uint16_t pixel = glyph[row * gamekit::kGlyphWidth + col];
            if (pixel == gamekit::kGlyphTransparent) continue;
            sheet.set(x + col, y + row, pixel == 0 ? style.ink : mix(style.ink, style.back, 0.5f));
        }
    }
}

// An 11 x 45 strip, as tall as a card: a rounded bar with the rank at the top
// and at the bottom and a dot between them.
void drawRankMark(Canvas& sheet, int x, int y, int rank, const MarkStyle& style) {
    sheet.fillRect(x + 1, y, kRankMarkWidth - 2, kRankMarkHeight, style.back);
    sheet.fillRect(x, y + 1, kRankMarkWidth, kRankMarkHeight - 2, style.back);
    drawRankGlyph(sheet, x + 1, y + 1, rank, style);
    drawRankGlyph(sheet, x + 1, y + kRankMarkHeight - 14, rank, style);
    sheet.fillCircle(x + 5.5f, y + 22.5f, 2.5f, style.dot);
}

// A card-sized outline with two words, for an empty talon. Drawn in the two
// label colours the table swaps for its theme's text and line colours.
void drawSlot(Canvas& sheet, const SheetRect& r, const char* first, const char* second) {
    const Rgb line = rgb(0x00FF00);
    const Rgb ink = rgb(0xFFFFFF);
    sheet.fillRect(r.x + 3, r.y, r.width - 6, 1, line);
    sheet.fillRect(r.x + 3, r.y + r.height - 1, r.width - 6, 1, line);
    sheet.fillRect(r.x, r.y + 3, 1, r.height - 6, line);
    sheet.fillRect(r.x + r.width - 1, r.y + 3, 1, r.height - 6, line);
    sheet.line(r.x + 1, r.y + 2, r.x + 2, r.y + 1, line);
    sheet.line(r.x + r.width - 3, r.y + 1, r.x + r.width - 2, r.y + 2, line);
    sheet.line(r.x + 1, r.y + r.height - 3, r.x + 2, r.y + r.height - 2, line);
    sheet.line(r.x + r.width - 3, r.y + r.height - 2, r.x + r.width - 2, r.y + r.height - 3, line);
    // Narrow lettering: five letters of the font proper would touch the
    // outline ("STORE" read "STORB"); these keep a pixel clear of it.
    const int centre = r.x + r.width / 2;
    drawNarrowTextCentred(sheet, centre, r.y + 13, first, ink);
    drawNarrowTextCentred(sheet, centre, r.y + 26, second, ink);
}

}  // namespace

void drawReflectionSheet(Canvas& sheet) {
    drawStandardPieces(sheet, {kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem},
                       "REFLECTION", "REFLECTION", "VUZUROVORO DAZOZIVAD");
    drawCheckBox(sheet, kCheckBoxEmpty.x, kCheckBoxEmpty.y, false);
    drawCheckBox(sheet, kCheckBoxTicked.x, kCheckBoxTicked.y, true);

    // A place further along: quiet grey-blue. The place the card fits now:
    // the yellow of a picked card's rim.
    const MarkStyle later{rgb(0xC0C8E0), rgb(0x102050), rgb(0x6070A0)};
    const MarkStyle now{rgb(0xF8E820), rgb(0x000000), rgb(0xC00000)};
    for (int rank = 0; rank < 13; ++rank) {
        const SheetRect a = rankMark(rank, false);
        const SheetRect b = rankMark(rank, true);
        drawRankMark(sheet, a.x, a.y, rank, later);
        drawRankMark(sheet, b.x, b.y, rank, now);
    }
    drawSlot(sheet, kKingsSlot, "KINGS", "TALON");
    drawSlot(sheet, kStoreSlot, "STORE", "CARDS");
}

}  // namespace installer

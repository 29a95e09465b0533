// Pellandine's sprite sheet, drawn at the positions its sprite map declares:
// the title and variation banners in black on the key (the table recolours
// them for its theme), the check boxes of the settings pages and the
// start-up pieces.
#include "games/pellandine/PellandineSprites.h"
#include "tools/installer/PixelFont.h"
#include "tools/installer/SheetArt.h"
#include "tools/installer/SpriteSheets.h"

namespace installer {

namespace {

using pellandine_sprites::SheetRect;

const Rgb kInk{0, 0, 0};

// Lettering at scale 2, 13 rows high: the font's middle row is doubled in
// the others but kept single here, so the capitals fit the banner height.
void drawBannerText(Canvas& sheet, int x, int y, const char* text) {
    Canvas big(textWidth(text, 2), kFontCellHeight * 2, kSheetKey);
    drawText(big, 0, 0, text, kInk, 2);
    int row = 0;
    for (int source = 0; source < big.height(); ++source) {
        if (source == kFontCellHeight) continue;  // the second copy of the middle row
        for (int col = 0; col < big.width(); ++col) {
            if (big.get(col, source) == kInk) sheet.set(x + col, y + row, kInk);
        }
        ++row;
    }
}

void drawVariationBanner(Canvas& sheet, const SheetRect& r, const char* name) {
    drawBannerText(sheet, r.x + (r.width - textWidth(name, 2)) / 2, r.y, name);
}

void drawTitleBanner(Canvas& sheet, const SheetRect& r) {
    // "PELLANDINE" large, "SOLITAIRE" small on the same base line.
    const char* big = "PELLANDINE";
    const char* small = "SOLITAIRE";
    const int width = textWidth(big, 2) + 6 + textWidth(small, 1);
    const int x = r.x + (r.width - width) / 2;
    drawText(sheet, x, r.y, big, kInk, 2);
    drawText(sheet, x + textWidth(big, 2) + 6, r.y + r.height - kFontCellHeight, small, kInk, 1);
}

}  // namespace

void drawPellandineSheet(Canvas& sheet) {
    using namespace pellandine_sprites;
    drawTitleBanner(sheet, kTitleBanner);
    const char* names[4] = {"PAIRS", "SUM 10", "SUM 11", "SUM 14"};
    for (int i = 0; i < 4; ++i) drawVariationBanner(sheet, kVariationBanners[i], names[i]);
    drawCheckBox(sheet, kCheckBoxEmpty.x, kCheckBoxEmpty.y, false);
    drawCheckBox(sheet, kCheckBoxTicked.x, kCheckBoxTicked.y, true);

    drawStandardPieces(sheet, {kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem},
                       "PELLANDINE", "PELLANDINE", "SOLITAIRE");
}

}  // namespace installer

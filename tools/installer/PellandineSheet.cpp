// Pellandine's sprite sheet, drawn at the positions its sprite map declares:
// the title and variation banners in black on the key (the table recolours
// them for its theme), the check boxes of the settings pages and the
// start-up pieces.
#include <cstring>

#include "games/pellandine/PellandineSprites.h"
#include "tools/installer/PixelFont.h"
#include "tools/installer/SheetArt.h"
#include "tools/installer/SpriteSheets.h"

namespace installer {

namespace {

using pellandine_sprites::SheetRect;

const Rgb kInk{0, 0, 0};

constexpr int kBannerHeight = kFontCellHeight * 2 - 1;

// Whether lettering at scale 2 keeps each glyph's middle column single,
// which narrows every glyph from 10 to 9 pixels.
int bannerTextWidth(const char* text, bool narrow) {
    return textWidth(text, 2) - (narrow ? static_cast<int>(std::strlen(text)) : 0);
}

// Lettering at scale 2, 13 rows high: the font's middle row is doubled in
// the others but kept single here, so the capitals fit the banner height.
// A name too wide for its banner with a pixel to spare on each side keeps
// the middle column single too.
void drawBannerText(Canvas& sheet, const SheetRect& r, const char* text) {
    const bool narrow = bannerTextWidth(text, false) > r.width - 2;
    const int width = bannerTextWidth(text, narrow);
    const int x = r.x + (r.width - width) / 2;
    Canvas big(textWidth(text, 2), kFontCellHeight * 2, kSheetKey);
    drawText(big, 0, 0, text, kInk, 2);
    constexpr int kCell = (kFontCellWidth + 1) * 2;
    int row = 0;
    for (int source = 0; source < big.height(); ++source) {
        if (source == kFontCellHeight) continue;  // the second copy of the middle row
        int col = 0;
        for (int from = 0; from < big.width(); ++from) {
            // The second copy of each glyph's middle column.
            if (narrow && from % kCell == kFontCellWidth) continue;
            if (big.get(from, source) == kInk) sheet.set(x + col, r.y + row, kInk);
            ++col;
        }
        ++row;
    }
    noteText(sheet, x, r.y, width, kBannerHeight, text);
}

void drawVariationBanner(Canvas& sheet, const SheetRect& r, const char* name) {
    drawBannerText(sheet, r, name);
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

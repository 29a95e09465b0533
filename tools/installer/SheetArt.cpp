#include "tools/installer/SheetArt.h"

#include "tools/installer/PixelFont.h"

namespace installer {

namespace {

const Rgb kBlack = rgb(0x000000);
const Rgb kWhite = rgb(0xFFFFFF);
const Rgb kRed = rgb(0xE00000);

// The suit marks, one text row per pixel row.
const char* const kSuitMarks[4][7] = {
    {"...#...", "..###..", ".#####.", "#######", "#######", "..#.#..", ".#####."},
    {"..###..", "..###..", "##.#.##", "#######", "##.#.##", "...#...", "..###.."},
    {".##.##.", "#######", "#######", "#######", ".#####.", "..###..", "...#..."},
    {"...#...", "..###..", ".#####.", "#######", ".#####.", "..###..", "...#..."},
};

void drawCard(Canvas& sheet, int x, int y, int suit, int rankLetter) {
    sheet.fillRect(x + 1, y, 14, 20, kWhite);
    sheet.fillRect(x, y + 1, 16, 18, kWhite);
    sheet.frameRect(x, y + 1, 16, 18, kBlack);
    sheet.fillRect(x + 1, y, 14, 1, kBlack);
    sheet.fillRect(x + 1, y + 19, 14, 1, kBlack);
    const Rgb colour = suit >= 2 ? kRed : kBlack;
    const char letter[2] = {static_cast<char>(rankLetter), '\0'};
    drawText(sheet, x + 2, y + 2, letter, colour);
    drawSuitMark(sheet, x + 7, y + 11, suit, colour);
}

}  // namespace

void drawSuitMark(Canvas& sheet, int x, int y, int suit, Rgb colour) {
    if (suit < 0 || suit > 3) return;
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 7; ++col) {
            if (kSuitMarks[suit][row][col] == '#') sheet.set(x + col, y + row, colour);
        }
    }
}

void drawLogo(Canvas& sheet, int x, int y, int w, int h, const char* title,
              const LogoStyle& style) {
    const int scale = textWidth(title, 2) + 24 <= w ? 2 : 1;
    const int textY = y + (h - 2 - 7 * scale) / 2;
    const int centre = x + w / 2;
    drawTextCentred(sheet, centre + 1, textY + 1, title, style.shadow, scale);
    drawTextCentred(sheet, centre, textY, title, style.ink, scale);
    const int half = textWidth(title, scale) / 2;
    drawSuitMark(sheet, centre - half - 11, textY + (7 * scale - 7) / 2, 0, style.accent);
    drawSuitMark(sheet, centre + half + 4, textY + (7 * scale - 7) / 2, 2, style.accent);
    sheet.fillRect(x + 8, y + h - 2, w - 16, 1, style.accent);
}

void drawNameArt(Canvas& sheet, int x, int y, int w, int h, const char* name, const char* subtitle,
                 const LogoStyle& style) {
    // A fan of three cards at the left, the lettering to its right.
    drawCard(sheet, x + 2, y + 12, 0, 'A');
    drawCard(sheet, x + 12, y + 8, 2, 'K');
    drawCard(sheet, x + 22, y + 4, 3, 'Q');
    const int textLeft = x + 44;
    const int room = w - (textLeft - x);
    // The large lettering needs a pixel for its shadow and one clear of the
    // edge; a name that fills the room exactly is drawn at the smaller size.
    const int scale = textWidth(name, 3) + 2 <= room ? 3 : 2;
    const int centre = textLeft + room / 2;
    drawTextCentred(sheet, centre + 1, y + 5, name, style.shadow, scale);
    drawTextCentred(sheet, centre, y + 4, name, style.ink, scale);
    drawTextCentred(sheet, centre, y + h - 12, subtitle, style.accent, 1);
}

void drawEmblem(Canvas& sheet, int x, int y, Rgb outer, Rgb inner) {
    for (int row = 0; row < 10; ++row) {
        const int half = row < 5 ? row + 1 : 10 - row;
        sheet.fillRect(x + 5 - half, y + row, 2 * half, 1, outer);
    }
    drawSuitMark(sheet, x + 2, y + 2, 0, inner);
    sheet.fillRect(x + 2, y + 8, 7, 1, outer);  // keep the spade's foot inside
}

void drawCheckBox(Canvas& sheet, int x, int y, bool ticked) {
    sheet.fillRect(x, y, 10, 10, kWhite);
    sheet.frameRect(x, y, 10, 10, kBlack);
    if (!ticked) return;
    // A two-pixel tick from lower left to upper right.
    const int points[][2] = {{2, 5}, {3, 6}, {4, 7}, {5, 6}, {6, 5}, {7, 4}, {8, 3}};
    for (const auto& p : points) {
        sheet.set(x + p[0], y + p[1], kBlack);
        sheet.set(x + p[0], y + p[1] - 1, kBlack);
    }
}

void drawStandardPieces(Canvas& sheet, const StandardPieces& at, const char* title, const char* name,
                        const char* subtitle) {
    const LogoStyle onBlue{rgb(0xFFFFFF), rgb(0xF8D030), rgb(0x000040)};
    const LogoStyle onWhite{rgb(0x001080), rgb(0xC00000), rgb(0xA0A8C0)};
    drawLogo(sheet, at.logo.x, at.logo.y, at.logo.width, at.logo.height, title, onBlue);
    drawLogo(sheet, at.aboutLogo.x, at.aboutLogo.y, at.aboutLogo.width, at.aboutLogo.height, title,
             onWhite);
    drawNameArt(sheet, at.nameArt.x, at.nameArt.y, at.nameArt.width, at.nameArt.height, name, subtitle,
                onBlue);
    drawEmblem(sheet, at.emblem.x, at.emblem.y, rgb(0xF8D030), rgb(0x000040));
    drawEmblem(sheet, at.aboutEmblem.x, at.aboutEmblem.y, rgb(0x001080), rgb(0xFFFFFF));
}

}  // namespace installer

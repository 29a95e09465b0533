#include "games/velloran/table/ConfigureGame.h"

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/ui/Screens.h"
#include "games/velloran/VelloranSprites.h"
#include "games/velloran/table/TableLayout.h"

namespace velloran {

namespace {

namespace sprites = velloran_sprites;

enum class Line { Heading, Deal10, Deal11, Deal11More, Hollywood, To100, To300, Beginning, Standard, Expert };

struct PageLine {
    int y;
    Line line;
    const char* text;
    int tapTop, tapBottom;  // inclusive; a heading takes no taps
};

constexpr PageLine kLines[] = {
    {40, Line::Heading, "Deal Options", 0, -1},
    {60, Line::Deal10, "Deal 10 cards each", 60, 74},
    {75, Line::Deal11, "Deal 11 cards to opponent", 75, 104},
    {90, Line::Deal11More, "and 10 cards to dealer", 0, -1},
    {120, Line::Heading, "Scoring  (restarts game)", 0, -1},
    {140, Line::Hollywood, "Hollywood scoring", 140, 154},
    {155, Line::To100, "Play to 100 points", 155, 169},
    {170, Line::To300, "Play to 300 points", 170, 184},
    {200, Line::Heading, "Computer Intelligence", 0, -1},
    {220, Line::Beginning, "Beginning", 220, 234},
    {235, Line::Standard, "Standard", 235, 249},
    {250, Line::Expert, "Expert", 250, 264},
};

constexpr int kHeadingX = 25;

// Whether the line has a box, and whether it is ticked.
bool hasBox(Line line) {
    return line != Line::Heading && line != Line::Deal11More;
}

bool ticked(Line line, const VelloranOptions& o) {
    switch (line) {
        case Line::Deal10: return o.deal10Cards;
        case Line::Deal11: return !o.deal10Cards;
        case Line::Hollywood: return o.hollywood;
        case Line::To100: return o.pointsToWin == 100;
        case Line::To300: return o.pointsToWin == 300;
        case Line::Beginning: return o.gameType == 0;
        case Line::Standard: return o.gameType == 1;
        case Line::Expert: return o.gameType == 2;
        default: return false;
    }
}

void choose(Line line, VelloranOptions& o) {
    switch (line) {
        case Line::Deal10: o.deal10Cards = true; break;
        case Line::Deal11: o.deal10Cards = false; break;
        case Line::Hollywood: o.hollywood = !o.hollywood; break;
        case Line::To100: o.pointsToWin = 100; break;
        case Line::To300: o.pointsToWin = 300; break;
        case Line::Beginning: o.gameType = 0; break;
        case Line::Standard: o.gameType = 1; break;
        case Line::Expert: o.gameType = 2; break;
        default: break;
    }
}

}  // namespace

void drawConfigureGame(gamekit::Surface& surface, const gamekit::MenuBar& bar, const uint16_t* sheet,
                       const VelloranOptions& options, gamekit::Button& ok) {
    gamekit::drawPage(surface, bar, "Configure Game");
    gamekit::BitmapFont& font = gamekit::font3();
    gamekit::FontStyle style(font, gamekit::colours::kBlack, gamekit::colours::kWhite, true);
    for (const PageLine& l : kLines) {
        const bool heading = l.line == Line::Heading;
        font.draw(surface, heading ? kHeadingX : kOptionTextX, l.y, l.text);
        if (!hasBox(l.line)) continue;
        const gamekit::SheetRect& box =
            ticked(l.line, options) ? sprites::kCheckBoxTicked : sprites::kCheckBoxEmpty;
        gamekit::drawCheckBox(surface, kOptionBoxX, l.y + 2, sheet, sprites::kSheetWidth, box.x, box.y);
    }
    ok.draw(surface);
}

bool tapConfigureGame(int x, int y, VelloranOptions& options) {
    if (x < kOptionTapLeft || x > kOptionTapRight) return false;
    for (const PageLine& l : kLines) {
        if (y >= l.tapTop && y <= l.tapBottom) {
            choose(l.line, options);
            return true;
        }
    }
    return false;
}

}  // namespace velloran

#pragma once

// Draws the Velloran table screens from a game state: the background with
// the message panel, both hands, the piles, the melds, the buttons of the
// screen and the hint marks. Everything is drawn in one pass from the
// scene; nothing is kept between frames.

#include <cstdint>

#include "gamekit/graphics/Surface.h"
#include "gamekit/ui/Controls.h"
#include "games/velloran/rules/VelloranGame.h"
#include "games/velloran/table/TableLayout.h"

namespace gamekit {
class BitmapFont;
class CardTheme;
}

namespace velloran {

// The buttons of the table screens, made once with the program.
struct TableButtons {
    TableButtons();
    gamekit::Button knock;
    gamekit::Button gin;
    gamekit::Button pass;
    gamekit::Button meld;
    gamekit::Button createMeld;
    gamekit::Button ungroup;
    gamekit::Button finish;
    gamekit::Button sheetOk;
    gamekit::Button tableOk;
};

struct TableScene {
    const VelloranGame* game = nullptr;  // the state as it is to be shown
    const gamekit::CardTheme* theme = nullptr;
    const uint16_t* sheet = nullptr;  // the sprite sheet; null draws no hint markers
    bool displayHints = false;
    bool displayCardsInDeck = false;
    bool displayScore = true;
    // A flight or the computer's turn is running: the hint marks are hidden.
    bool busy = false;
    // A card on its way and the place it hovers at (a card lifted out of the
    // hand while the others make room).
    Card floating = kNoCard;
    ScreenPoint floatingAt{0, 0};
};

// The background: the table colour, the message panel with its three rules,
// the status line and the prompt line.
void drawTableBackground(gamekit::Surface& surface, const TableScene& scene);
// Screen 0: the background alone.
void drawIdleTable(gamekit::Surface& surface, const TableScene& scene);
// Screen 2 before the cards fly: background, stock, empty discard place and
// whatever the hands hold so far.
void drawDealingTable(gamekit::Surface& surface, const TableScene& scene);
// Screens 3, 4 and 5 with their buttons (the Play screen's Knock and Gin
// enabled only when they may be used).
void drawPlayScreen(gamekit::Surface& surface, const TableScene& scene, TableButtons& buttons);
void drawMeldScreen(gamekit::Surface& surface, const TableScene& scene, TableButtons& buttons);
void drawLayOffScreen(gamekit::Surface& surface, const TableScene& scene, TableButtons& buttons);

// Pieces the score screens share with the table: text in the theme's text
// colour (transparent, the font's style put back afterwards).
const gamekit::CardTheme& themeOf(const TableScene& scene);
void drawText(gamekit::Surface& surface, const TableScene& scene, gamekit::BitmapFont& font, int x,
              int y, const char* text);
void drawCentred(gamekit::Surface& surface, const TableScene& scene, gamekit::BitmapFont& font,
                 int y, const char* text, int centreX = kScreenWidth / 2);
void drawRight(gamekit::Surface& surface, const TableScene& scene, gamekit::BitmapFont& font,
               int rightX, int y, const char* text);
void drawLaidOutSides(gamekit::Surface& surface, const TableScene& scene, bool selections);
void drawCardAt(gamekit::Surface& surface, const TableScene& scene, Card card, ScreenPoint at,
                bool selected);

// Which of the shared turn button the play screen shows: none, Pass, Knock
// or Gin.
enum class TurnButton { None, Pass, Knock, Gin };
TurnButton turnButtonShown(const VelloranGame& game);

// The hint marks the play screen shows now (for the tests): where the take
// marker stands and which of the two it is, and the slot marked to throw.
struct HintMarks {
    bool take = false;
    bool takeThisPile = false;
    ScreenPoint takeAt{0, 0};
    int throwSlot = -1;
};
HintMarks hintMarks(const VelloranGame& game, bool displayHints);

}  // namespace velloran

#pragma once

#include <cstdint>

#include "gamekit/graphics/Surface.h"
#include "games/pellandine/TableLayout.h"
#include "games/pellandine/rules/TableGrid.h"

namespace gamekit {
class CardTheme;
class MenuBar;
class MessageLog;
}  // namespace gamekit

namespace pellandine {

// Everything one drawing of the table needs.
struct TableScene {
    const TableGrid* grid = nullptr;
    const gamekit::CardTheme* theme = nullptr;
    const uint16_t* sheet = nullptr;  // the sprite sheet; null: no banners
    bool deckHasCards = true;
    int score = 0;
    int cardsLeft = 52;
    bool showCardsLeft = true;
    bool showCards = true;                   // false: only empty places (before a deal flies in)
    gamekit::MessageLog* prompts = nullptr;  // null: no prompt box
    gamekit::MenuBar* bar = nullptr;         // null: no menu bar
};

// Where "Score:" and "Cards:" and their numbers go in a variation.
struct CounterPlaces {
    int scoreLabelX, scoreLabelY, scoreX, scoreY;
    int cardsLabelX, cardsLabelY, cardsX, cardsY;
};
CounterPlaces counterPlaces(int gameType);

// Draws the whole table: background, deck, banners, empty places, counters,
// cards, prompt box and menu bar, in that order.
void drawTable(gamekit::Surface& surface, const TableScene& scene);

// An empty place: the outline of a card in the theme's line colour, filled
// with the table colour.
void drawEmptyPlace(gamekit::Surface& surface, const gamekit::CardTheme& theme, int x, int y);

}  // namespace pellandine

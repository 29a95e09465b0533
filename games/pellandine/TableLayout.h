#pragma once

// The places of the Pellandine table on the screen and the hit tests of the
// stylus. Pure geometry: the rules know rows, columns and the deck, and the
// view and the session turn them into pixels and back here.

#include "gamekit/cards/PlayingCard.h"
#include "games/pellandine/rules/TableGrid.h"

namespace pellandine {

struct ScreenPoint {
    int x;
    int y;
};

constexpr int kColumnX0 = 60;
constexpr int kColumnStep = 35;
constexpr int kRowStep = 51;
constexpr int kDeckX = 13;
// A tap reaches a card over x..x+30, y..y+45 inclusive: the card's picture
// and the column just right of it.
constexpr int kSlotReachX = gamekit::kCardWidth;
constexpr int kSlotReachY = gamekit::kCardHeight - 1;

// The top of the first row, and of the deck beside it, by variation
// (normalised first).
int firstRowY(int gameType);

// The top-left corner of a slot's card in the variation's layout.
ScreenPoint slotPlace(int gameType, int row, int column);
inline ScreenPoint slotPlace(int gameType, const TableSlot& slot) {
    return slotPlace(gameType, slot.row, slot.column);
}

// What a press on the table lands on.
struct TableTarget {
    enum Kind { Nothing, Deck, Card } kind = Nothing;
    int row = 0;
    int column = 0;
};

// The deck, the card of an active slot that holds one (the first in reading
// order whose rectangle holds the point), or nothing: outside the rows in
// use, on an empty place or between the cards.
TableTarget tableTargetAt(const TableGrid& grid, int x, int y);

}  // namespace pellandine

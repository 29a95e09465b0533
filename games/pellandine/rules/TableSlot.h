#pragma once

#include "gamekit/cards/PlayingCard.h"

namespace pellandine {

// One place of the grid. row 0 is the top row, column 0 the leftmost.
struct TableSlot {
    int value = 0;      // face value of the top card (ace 1 ... king 13), 0 when empty
    int cardCount = 0;  // the top card plus, in Sum 11, the face cards under it
    bool selected = false;
    bool active = false;  // belongs to the current variation's layout
    bool empty = true;
    gamekit::PlayingCard* card = nullptr;  // the top card; the shoe owns it
    int row = 0;
    int column = 0;

    bool holdsCard() const { return active && !empty; }
    int readingIndex() const { return row * 5 + column; }
};

}  // namespace pellandine

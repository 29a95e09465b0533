#pragma once

#include "gamekit/cards/PlayingCard.h"

namespace pellandine {

// One visible step of a change to the table, in the order it happened, so the
// table can animate them one by one (TableGrid::apply replays a step on a copy
// of the grid as it was before).
enum class EventKind {
    Fill,      // a card came from the deck to (row, column); cardCount includes face cards under it
    Slide,     // the card at (fromRow, fromColumn) moved to (row, column) with its count
    Stranded,  // the deck ran out under face cards at (row, column): they count as removed
    Remove,    // the card at (row, column) left the table as part of a group
};

struct TableEvent {
    EventKind kind = EventKind::Fill;
    int row = 0;
    int column = 0;
    int fromRow = -1;  // Slide only
    int fromColumn = -1;
    gamekit::PlayingCard* card = nullptr;  // the (top) card concerned
    int cardCount = 0;                     // cards that went with it
};

}  // namespace pellandine

#pragma once

#include <vector>

#include "games/pellandine/rules/TableEvent.h"
#include "games/pellandine/rules/TableGrid.h"

namespace pellandine {

// Packs the cards towards the front of the reading order without changing
// their order, so a card at the start of a row may move to the end of the row
// above; the gaps end up at the end. One Slide event per move.
void slideZigZag(TableGrid& grid, std::vector<TableEvent>& events);

// Three passes, each moving a card one row up (rows 4 to 3, 3 to 2, 2 to 1,
// every column) where the place above is empty: every card rises as far as
// its column allows and the gaps stay at the bottom of the columns.
void slideStraightUp(TableGrid& grid, std::vector<TableEvent>& events);

// The slide of the refill mode (normalised).
void slideCards(TableGrid& grid, int slideMode, std::vector<TableEvent>& events);

}  // namespace pellandine

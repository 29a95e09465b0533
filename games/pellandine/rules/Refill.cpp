#include "games/pellandine/rules/Refill.h"

namespace pellandine {

namespace {

void moveWithEvent(TableGrid& grid, TableSlot& from, TableSlot& to,
                   std::vector<TableEvent>& events) {
    TableEvent e;
    e.kind = EventKind::Slide;
    e.row = to.row;
    e.column = to.column;
    e.fromRow = from.row;
    e.fromColumn = from.column;
    e.card = from.card;
    e.cardCount = from.cardCount;
    grid.moveCard(from, to);
    events.push_back(e);
}

}  // namespace

void slideZigZag(TableGrid& grid, std::vector<TableEvent>& events) {
    int write = 0;
    for (int read = 0; read < kSlotCount; ++read) {
        TableSlot& from = grid.at(read);
        if (!from.holdsCard()) continue;
        while (write < read && !(grid.at(write).active && grid.at(write).empty)) ++write;
        if (write < read) moveWithEvent(grid, from, grid.at(write), events);
        ++write;
    }
}

void slideStraightUp(TableGrid& grid, std::vector<TableEvent>& events) {
    for (int pass = 0; pass < 3; ++pass) {
        for (int row = kRows - 1; row >= 1; --row) {
            for (int column = 0; column < kColumns; ++column) {
                TableSlot& from = grid.slot(row, column);
                TableSlot& to = grid.slot(row - 1, column);
                if (from.holdsCard() && to.active && to.empty)
                    moveWithEvent(grid, from, to, events);
            }
        }
    }
}

void slideCards(TableGrid& grid, int slideMode, std::vector<TableEvent>& events) {
    if (normalizeSlideMode(slideMode) == kSlideStraightUp) {
        slideStraightUp(grid, events);
    } else {
        slideZigZag(grid, events);
    }
}

}  // namespace pellandine

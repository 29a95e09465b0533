#pragma once

#include "games/pellandine/rules/TableEvent.h"
#include "games/pellandine/rules/TableSlot.h"
#include "games/pellandine/rules/Variation.h"

namespace pellandine {

// The 4 x 5 grid of slots with the layout of one variation. A plain value:
// copying it is how the table keeps the picture it is animating from and how
// a player strategy tries moves.
class TableGrid {
  public:
    TableGrid();

    // The active places of a variation (normalised); cards stay.
    void setLayout(int gameType);
    int gameType() const { return gameType_; }

    TableSlot& slot(int row, int column);
    const TableSlot& slot(int row, int column) const;
    // Reading order: row 0 columns 0..4, then row 1, ...
    TableSlot& at(int readingIndex) { return slots_[readingIndex]; }
    const TableSlot& at(int readingIndex) const { return slots_[readingIndex]; }

    int emptySlotCount() const;
    int cardsOnTable() const;  // cards lying in active slots, covered ones included

    // Empties the slot and returns the card it held.
    gamekit::PlayingCard* clearSlot(TableSlot& slot);
    // Every slot empty and unselected; the layout stays.
    void resetSlots();
    // Moves the card with its value and count from one slot to another, which
    // must be empty; the source is cleared.
    void moveCard(TableSlot& from, TableSlot& to);
    void place(TableSlot& slot, gamekit::PlayingCard* top, int cardCount);

    // Replays one step of a change on this grid.
    void apply(const TableEvent& event);

    static bool areNeighbours(const TableSlot& a, const TableSlot& b);

  private:
    TableSlot slots_[kSlotCount];
    int gameType_ = kPairs;
};

}  // namespace pellandine

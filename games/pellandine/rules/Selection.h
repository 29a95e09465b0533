#pragma once

#include "games/pellandine/rules/TableSlot.h"
#include "games/pellandine/rules/Variation.h"

namespace pellandine {

// Up to six selected slots in the order they were tapped. The places are
// filled front to back; removing one compacts the rest to the front, so the
// first `count()` places always hold the selection in tapping order.
class Selection {
  public:
    int count() const { return count_; }
    bool full() const { return count_ >= kSelectionPlaces; }
    TableSlot* at(int place) const;  // null for a free place
    bool contains(const TableSlot* slot) const;

    // Marks the slot selected and puts it in the first free place; refused
    // (false) when six are selected or the slot is already in.
    bool add(TableSlot& slot);
    // Unmarks the slot, frees its place and compacts.
    bool remove(TableSlot& slot);
    // Unmarks and drops the last selected slot.
    void dropLast();
    // Unmarks every slot in the selection and empties all six places.
    void clear();
    // Moves the filled places to the front, keeping their order, and recounts.
    void compact();

    int valueSum() const;

  private:
    TableSlot* places_[kSelectionPlaces] = {};
    int count_ = 0;
};

}  // namespace pellandine

#include "games/pellandine/rules/Selection.h"

#include "gamekit/containers/FatalError.h"

namespace pellandine {

TableSlot* Selection::at(int place) const {
    if (place < 0 || place >= kSelectionPlaces) {
        gamekit::fatalErrorf("in Selection at: \nPlace %d. \nMust be >= 0 and < 6", place);
    }
    return places_[place];
}

bool Selection::contains(const TableSlot* slot) const {
    for (TableSlot* p : places_) {
        if (p == slot) return true;
    }
    return false;
}

bool Selection::add(TableSlot& slot) {
    if (full() || contains(&slot)) return false;
    for (TableSlot*& p : places_) {
        if (p == nullptr) {
            p = &slot;
            slot.selected = true;
            ++count_;
            return true;
        }
    }
    return false;
}

bool Selection::remove(TableSlot& slot) {
    for (TableSlot*& p : places_) {
        if (p == &slot) {
            p = nullptr;
            slot.selected = false;
            compact();
            return true;
        }
    }
    return false;
}

void Selection::dropLast() {
    compact();
    if (count_ == 0) return;
    TableSlot* last = places_[count_ - 1];
    last->selected = false;
    places_[count_ - 1] = nullptr;
    --count_;
}

void Selection::clear() {
    for (TableSlot*& p : places_) {
        if (p != nullptr) p->selected = false;
        p = nullptr;
    }
    count_ = 0;
}

void Selection::compact() {
    int out = 0;
    for (int i = 0; i < kSelectionPlaces; ++i) {
        TableSlot* p = places_[i];
        places_[i] = nullptr;
        if (p != nullptr) places_[out++] = p;
    }
    count_ = out;
}

int Selection::valueSum() const {
    int sum = 0;
    for (int i = 0; i < count_; ++i) sum += places_[i]->value;
    return sum;
}

}  // namespace pellandine

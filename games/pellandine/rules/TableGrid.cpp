#include "games/pellandine/rules/TableGrid.h"

#include "gamekit/containers/FatalError.h"

namespace pellandine {

TableGrid::TableGrid() {
    for (int i = 0; i < kSlotCount; ++i) {
        slots_[i].row = i / kColumns;
        slots_[i].column = i % kColumns;
    }
    setLayout(kPairs);
}

void TableGrid::setLayout(int gameType) {
    gameType_ = normalizeGameType(gameType);
    for (TableSlot& s : slots_) {
        s.active = isActivePosition(gameType_, s.row, s.column);
    }
}

TableSlot& TableGrid::slot(int row, int column) {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns) {
        gamekit::fatalErrorf("in TableGrid slot: \nRow %d, column %d is off the grid", row, column);
    }
    return slots_[row * kColumns + column];
}

const TableSlot& TableGrid::slot(int row, int column) const {
    return const_cast<TableGrid*>(this)->slot(row, column);
}

int TableGrid::emptySlotCount() const {
    int n = 0;
    for (const TableSlot& s : slots_) n += (s.active && s.empty) ? 1 : 0;
    return n;
}

int TableGrid::cardsOnTable() const {
    int n = 0;
    for (const TableSlot& s : slots_) n += s.holdsCard() ? s.cardCount : 0;
    return n;
}

gamekit::PlayingCard* TableGrid::clearSlot(TableSlot& s) {
    gamekit::PlayingCard* held = s.card;
    s.card = nullptr;
    s.empty = true;
    s.selected = false;
    s.value = 0;
    s.cardCount = 0;
    return held;
}

void TableGrid::resetSlots() {
    for (TableSlot& s : slots_) clearSlot(s);
}

void TableGrid::moveCard(TableSlot& from, TableSlot& to) {
    if (from.empty || !to.empty) {
        gamekit::fatalErrorf("in TableGrid moveCard: \nCannot move (%d, %d) to (%d, %d)", from.row,
                             from.column, to.row, to.column);
    }
    place(to, from.card, from.cardCount);
    clearSlot(from);
}

void TableGrid::place(TableSlot& s, gamekit::PlayingCard* top, int cardCount) {
    s.card = top;
    s.value = top != nullptr ? top->value() : 0;
    s.cardCount = cardCount;
    s.empty = top == nullptr;
    s.selected = false;
}

void TableGrid::apply(const TableEvent& event) {
    TableSlot& target = slot(event.row, event.column);
    switch (event.kind) {
        case EventKind::Fill:
            place(target, event.card, event.cardCount);
            break;
        case EventKind::Slide:
            moveCard(slot(event.fromRow, event.fromColumn), target);
            break;
        case EventKind::Stranded:
        case EventKind::Remove:
            clearSlot(target);
            break;
    }
}

bool TableGrid::areNeighbours(const TableSlot& a, const TableSlot& b) {
    const int dr = a.row - b.row;
    const int dc = a.column - b.column;
    if (dr == 0 && dc == 0) return false;
    return dr >= -1 && dr <= 1 && dc >= -1 && dc <= 1;
}

}  // namespace pellandine

#include "games/pellandine/TableLayout.h"

namespace pellandine {

namespace {

// Pairs, Sum 10, Sum 11, Sum 14.
constexpr int kFirstRowY[4] = {81, 97, 81, 107};

bool within(int x, int y, ScreenPoint corner) {
    return x >= corner.x && x <= corner.x + kSlotReachX && y >= corner.y &&
           y <= corner.y + kSlotReachY;
}

}  // namespace

int firstRowY(int gameType) {
    return kFirstRowY[normalizeGameType(gameType) - 1];
}

ScreenPoint slotPlace(int gameType, int row, int column) {
    return {kColumnX0 + kColumnStep * column, firstRowY(gameType) + kRowStep * row};
}

TableTarget tableTargetAt(const TableGrid& grid, int x, int y) {
    const int gameType = grid.gameType();
    const int top = firstRowY(gameType);
    if (within(x, y, {kDeckX, top})) return {TableTarget::Deck};
    const int bottom = top + kRowStep * (variationInfo(gameType).rowsUsed - 1) + kSlotReachY;
    if (y < top || y > bottom) return {};
    for (int i = 0; i < kSlotCount; ++i) {
        const TableSlot& s = grid.at(i);
        if (s.holdsCard() && within(x, y, slotPlace(gameType, s))) {
            return {TableTarget::Card, s.row, s.column};
        }
    }
    return {};
}

}  // namespace pellandine

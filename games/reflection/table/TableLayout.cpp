#include "games/reflection/table/TableLayout.h"

namespace reflection {

namespace {

bool inBox(int x, int y, int left, int top) {
    return x >= left && x < left + kTapBoxWidth && y >= top && y < top + kTapBoxHeight;
}

int talonColumn(int x) {
    int t = x * kStoreTalonCount / kScreenWidth;
    return t < 0 ? 0 : t >= kStoreTalonCount ? kStoreTalonCount - 1 : t;
}

// The lowest top a card may have and still end on the screen.
constexpr int kLowestCardTop = kScreenHeight - kCardHeight;

// The talon of the card drawn uppermost under the point, or -1.
int talonOfCardAt(const ReflectionGame& game, int x, int y) {
    StoreCardRef cards[kStoreCardsMax];
    for (int k = storeDrawOrder(game, cards) - 1; k >= 0; --k) {
        const StoreCardRef c = cards[k];
        const int count = game.storeTalon(c.talon).iSize;
        if (inDrawnCard(storeCardPlace(c.talon, c.index, count), x, y)) return c.talon;
    }
    return -1;
}

}  // namespace

int storeTalonColumns(int count) {
    if (count <= 9) return 3;
    if (count <= 16) return 4;
    if (count <= 25) return 5;
    return 6;
}

int storeTalonRowStep(int count) {
    const int step = count <= 12 ? 24 : count <= 20 ? 23 : 17;
    if (count <= 0) return step;
    const int columns = storeTalonColumns(count);
    const int lastRow = (count - 1) / columns;
    if (lastRow == 0) return step;
    const int room = (kLowestCardTop - kStoreTalonTop) / lastRow;
    return step < room ? step : room;
}

ScreenPoint storeCardPlace(int talon, int index, int count) {
    const int columns = storeTalonColumns(count);
    const int columnStep = count >= 26 ? 9 : kFannedStep;
    const int column = index % columns;
    const int row = index / columns;
    return {kStoreTalonLeft + kStoreTalonStep * talon + columnStep * column,
            kStoreTalonTop + storeTalonRowStep(count) * row};
}

int storeDrawOrder(const ReflectionGame& game, StoreCardRef out[kStoreCardsMax]) {
    int n = 0;
    for (int t = 0; t < kStoreTalonCount; ++t) {
        for (int i = 0; i + 1 < game.storeTalon(t).iSize; ++i) out[n++] = {t, i};
    }
    for (int t = 0; t < kStoreTalonCount; ++t) {
        const int count = game.storeTalon(t).iSize;
        if (count > 0) out[n++] = {t, count - 1};
    }
    return n;
}

bool inDrawnCard(ScreenPoint at, int x, int y) {
    return x >= at.x && x < at.x + kCardWidth && y >= at.y && y < at.y + kCardHeight - 1;
}

bool onDeck(int x, int y) {
    return inBox(x, y, kDeckTapLeft, kDeckTapTop);
}

bool onDealtCard(int x, int y) {
    return inBox(x, y, kDealtTapLeft, kDealtTapTop);
}

int storeTalonPickAt(int x, int y) {
    return y >= kStoreTalonTop + 1 ? talonColumn(x) : -1;
}

int storeTalonPickAt(const ReflectionGame& game, int x, int y) {
    const int byColumn = storeTalonPickAt(x, y);
    if (byColumn < 0) return -1;
    const int byCard = talonOfCardAt(game, x, y);
    return byCard >= 0 ? byCard : byColumn;
}

bool inKingsTalonArea(int x, int y) {
    return y >= 170 && y <= kStoreTalonTop && x < 76;
}

Destination destinationAt(int x, int y) {
    if (y > kStoreTalonTop) return {TargetKind::StoreTalon, talonColumn(x)};
    if (y >= 26 && x >= 76) {
        int s = (y - 29) * 4 / 188;
        s = s < 0 ? 0 : s > 3 ? 3 : s;
        return {TargetKind::Sequence, s};
    }
    if (y > 169) return {TargetKind::KingsTalon, 0};
    return {};
}

Destination destinationAt(const ReflectionGame& game, int x, int y) {
    Destination to = destinationAt(x, y);
    if (to.kind == TargetKind::StoreTalon) {
        const int byCard = talonOfCardAt(game, x, y);
        if (byCard >= 0) to.index = byCard;
    }
    return to;
}

}  // namespace reflection

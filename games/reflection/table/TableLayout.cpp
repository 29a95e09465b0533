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

bool onDeck(int x, int y) {
    return inBox(x, y, kDeckTapLeft, kDeckTapTop);
}

bool onDealtCard(int x, int y) {
    return inBox(x, y, kDealtTapLeft, kDealtTapTop);
}

int storeTalonPickAt(int x, int y) {
    return y >= kStoreTalonTop + 1 ? talonColumn(x) : -1;
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

}  // namespace reflection

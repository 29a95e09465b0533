#include "games/velloran/table/TableLayout.h"

namespace velloran {

namespace {

int clampSlot(int slot, int count) {
    return slot < 0 ? 0 : slot >= count ? count - 1 : slot;
}

bool nearPile(int x, int y, ScreenPoint pile) {
    return x >= pile.x - kPileMarginLeft && x <= pile.x + kPileMarginRight &&
           y >= pile.y - kPileMarginTop && y <= pile.y + kPileMarginBottom;
}

// The last x a card's picture (31 wide) may start at and stay on the screen.
constexpr int kLastCardX = kScreenWidth - 31;

// The scroll strips: the plain sheet's from 185 to 215; a Hollywood column's
// 8 px inside its bar at the column's right edge.
constexpr int kPlainStripLeft = 185, kPlainStripRight = 215;
constexpr int kHollywoodStripInset = 2, kHollywoodStripWidth = 8;
constexpr int kEndZone = 12, kStepZone = 13;

}  // namespace

ScreenPoint playerSlotPlace(int slot) {
    return {kPlayerRow.x + kCardStep * clampSlot(slot, kPlayerSlotCount), kPlayerRow.y};
}

ScreenPoint computerSlotPlace(int slot) {
    return {kComputerRow.x + kCardStep * clampSlot(slot, kComputerSlotCount), kComputerRow.y};
}

ScreenPoint abovePlayerSlot(int slot) {
    const ScreenPoint p = playerSlotPlace(slot);
    return {p.x, p.y - kLiftHeight};
}

ScreenPoint playerRightSlotPlace(int slot) {
    const int s = clampSlot(slot, kPlayerSlotCount);
    const int x = kRightRowEnd - (kPlayerSlotCount - 1 - s) * kCardStep;
    return {x < 0 ? 0 : x, kPlayerRow.y};
}

ScreenPoint computerRightSlotPlace(int slot) {
    const int s = clampSlot(slot, kComputerSlotCount);
    return {kRightRowEnd - (kComputerSlotCount - 1 - s) * kCardStep, kComputerRow.y};
}

int groupCardXs(const int* groupSizes, int groupCount, int* xs) {
    int cards = 0, gaps = 0;
    for (int g = 0; g < groupCount; ++g) {
        if (groupSizes[g] <= 0) continue;
        cards += groupSizes[g];
        gaps += 1;
    }
    if (cards == 0) return 0;
    // The natural width from the first card's x to the last card's x.
    const int steps = cards - gaps;
    const int natural = steps * kCardStep + (gaps - 1) * kGroupGap;
    const int room = kLastCardX - kGroupsLeft;
    int n = 0;
    int along = 0;  // distance from the first card at the natural spacing
    for (int g = 0; g < groupCount; ++g) {
        for (int i = 0; i < groupSizes[g]; ++i) {
            const int x = natural <= room ? along : along * room / natural;
            xs[n++] = kGroupsLeft + x;
            if (i + 1 < groupSizes[g]) along += kCardStep;
        }
        if (groupSizes[g] > 0) along += kGroupGap;
    }
    return n;
}

bool onStock(int x, int y) {
    return nearPile(x, y, kStockPlace);
}

bool onDiscardPile(int x, int y) {
    return nearPile(x, y, kDiscardPlace);
}

bool inPlayerRow(int y) {
    return y >= kPlayerRow.y && y < kPlayerRow.y + kRowTapHeight;
}

bool inComputerRow(int y) {
    return y <= kComputerRow.y + kRowTapHeight;
}

bool aboveHandRow(int y) {
    return y < kPlayerRow.y;
}

int playSlotAt(int x) {
    // Division truncates toward zero, so x from 0 to 20 names slot 0.
    int slot = (x - kPlayerRow.x) / kCardStep;
    if (slot == kPlayerSlotCount) slot = kPlayerSlotCount - 1;
    return slot >= 0 && slot < kPlayerSlotCount ? slot : -1;
}

int meldSlotAt(int x) {
    int c = (x - kMeldSlotTapLeft) / kCardStep;
    if (c > 9) c = 9;
    return c >= 0 ? kFirstShownPlayerSlot + c : -1;
}

int groupAt(int x, const int* groupSizes, int groupCount) {
    int right = 0;
    for (int g = 0; g < groupCount && g < 3; ++g) {
        right += (groupSizes[g] - 1) * kCardStep + kGroupGap;
        if (x < right) return g;
    }
    return -1;
}

int throwMarkLeft(int slot) {
    return playerSlotPlace(slot).x + 4;
}

int sheetColumnAt(int x, bool hollywood) {
    if (!hollywood) return 0;
    const int c = 3 * x / kScreenWidth;
    return c < 0 ? 0 : c > 2 ? 2 : c;
}

ScrollZone scrollZoneAt(int x, int y, int column, bool hollywood, int rows) {
    const int left = hollywood ? hollywoodRight(column) - kHollywoodStripInset - kHollywoodStripWidth + 1
                               : kPlainStripLeft;
    const int right = hollywood ? hollywoodRight(column) - kHollywoodStripInset : kPlainStripRight;
    const int top = hollywood ? kHollywoodBoxTop : kPlainBoxTop;
    const int height = sheetBoxHeight(rows);
    if (x < left || x > right || y < top || y > top + height) return ScrollZone::None;
    const int d = y - top;
    if (d < kEndZone) return ScrollZone::First;
    if (d < kEndZone + kStepZone) return ScrollZone::Up;
    if (d >= height - kEndZone) return ScrollZone::Last;
    if (d >= height - kEndZone - kStepZone) return ScrollZone::Down;
    return ScrollZone::None;
}

}  // namespace velloran

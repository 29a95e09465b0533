#include "games/cribbage/table/TableLayout.h"

namespace cribbage {

namespace {

constexpr int clampSlot(int slot, int last) {
    return slot < 0 ? 0 : slot > last ? last : slot;
}

// Truncating division would put a tap just left of the zone's first slot
// into slot 0 as well; the zones begin where the first card does, so the
// zone test comes first and the division only ever sees x >= left.
int slotAt(const ScreenBox& zone, int x, int y, int left, int last) {
    if (!zone.contains(x, y)) return -1;
    return clampSlot((x - left) / kHandStep, last);
}

}  // namespace

int dealerTop(bool computerDeals) {
    return computerDeals ? kDealerTopComputer : kDealerTopPerson;
}

ScreenPoint deckPlace(bool computerDeals) {
    return {kDeckLeft, dealerTop(computerDeals)};
}

ScreenPoint cribPlace(bool computerDeals) {
    return {kCribLeft, dealerTop(computerDeals)};
}

ScreenPoint cribCardPlace(bool computerDeals, int i) {
    const ScreenPoint box = cribPlace(computerDeals);
    return {box.x + kCribCardStep * i, box.y};
}

ScreenPoint handCardPlace(bool red, int slot, bool playing) {
    if (!red) return {kComputerHand.x + kHandStep * slot, kComputerHand.y};
    const int left = playing ? kPlayHandLeft : kPersonHand.x;
    return {left + kHandStep * slot, kPersonHand.y};
}

void laidCardPlaces(const bool redLaid[8], int cardsLaid, int cardsInCount, ScreenPoint out[8]) {
    const int packed = cardsLaid - cardsInCount;
    int red = 0, blue = 0;
    for (int i = 0; i < packed; ++i) {
        int& n = redLaid[i] ? red : blue;
        const ScreenPoint row = redLaid[i] ? kPersonLaid : kComputerLaid;
        out[i] = {row.x + kLaidStep * n, row.y};
        ++n;
    }
    const int longer = red > blue ? red : blue;
    const int start = kPersonLaid.x + (packed > 0 ? kLaidStep * longer + kLaidCountGap : 0);
    for (int i = packed; i < cardsLaid; ++i) {
        const ScreenPoint row = redLaid[i] ? kPersonLaid : kComputerLaid;
        out[i] = {start + kLaidStep * (i - packed), row.y};
    }
}

void countLineYs(int lineCount, int flushLine, int outY[]) {
    int y = kCountFirstLine.y;
    for (int i = 0; i < lineCount; ++i) {
        if (i == 1) y += kCountSecondLineDown;
        if (i > 1) y += i == flushLine ? kCountFlushLineStep : kCountLineStep;
        outY[i] = y;
    }
}

bool onDeck(bool computerDeals, int x, int y) {
    const ScreenPoint d = deckPlace(computerDeals);
    return x >= d.x && x < d.x + kDeckTapSize && y >= d.y && y < d.y + kDeckTapSize;
}

bool onCribBox(bool computerDeals, int x, int y) {
    const ScreenPoint c = cribPlace(computerDeals);
    return x >= c.x && x < c.x + kCribBoxSize && y >= c.y && y < c.y + kCribBoxSize;
}

bool inPlayArea(int x, int y) {
    return kPlayArea.contains(x, y);
}

int discardSlotAt(int x, int y) {
    return slotAt(kDiscardHandZone, x, y, kPersonHand.x - 2, 5);
}

int playSlotAt(int x, int y) {
    return slotAt(kPlayHandZone, x, y, kPlayHandZone.left, 3);
}

}  // namespace cribbage

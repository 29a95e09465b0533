#pragma once

// The fixed places of the cribbage table on the screen and the hit tests of
// the stylus. Pure geometry: no drawing, no game state.

#include "gamekit/cards/PlayingCard.h"
#include "platform/ScreenSize.h"

namespace cribbage {

struct ScreenPoint {
    int x;
    int y;
};

struct ScreenBox {
    int left;
    int top;
    int right;  // inclusive
    int bottom;
    constexpr bool contains(int x, int y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

using gamekit::kCardHeight;
using gamekit::kCardWidth;
using platform::kScreenHeight;
using platform::kScreenWidth;

// The deck and the crib box sit on the dealer's side: high when the
// computer deals, low when the person does.
constexpr int kDeckLeft = 20;
constexpr int kDealerTopComputer = 100;
constexpr int kDealerTopPerson = 170;
constexpr int kDeckTapSize = 30;
constexpr int kDeckLabelDown = 47;
constexpr int kCribLeft = 178;
constexpr int kCribBoxSize = 50;
constexpr int kCribCardStep = 4;
constexpr ScreenPoint kCribLabelOffset{10, 47};

// The hands: six cards until the discards, 34 px apart; in the play the
// person's four stand at 54 + 34 i.
constexpr ScreenPoint kComputerHand{20, 53};
constexpr ScreenPoint kPersonHand{20, 237};
constexpr int kHandStep = 34;
constexpr int kPlayHandLeft = 54;

// The play box and what it holds.
constexpr ScreenBox kPlayBox{52, 100, 52 + 123 - 1, 100 + 128 - 1};
constexpr int kPlayBoxRuleDown = 18;  // the double rule under the running count
constexpr ScreenPoint kComputerLaid{57, 122};
constexpr ScreenPoint kPersonLaid{57, 169};
constexpr int kLaidStep = 10;
constexpr int kLaidCountGap = 25;  // before the cards of the current count
constexpr ScreenPoint kRunningCount{62, 104};

// The count breakdown lines: the first at (+5, +4) of the play box, the next
// 20 px lower, then 14 px apart, 15 before the flush line.
constexpr ScreenPoint kCountFirstLine{kPlayBox.left + 5, kPlayBox.top + 4};
constexpr int kCountSecondLineDown = 20;
constexpr int kCountLineStep = 14;
constexpr int kCountFlushLineStep = 15;

// The player labels, centred.
constexpr int kLabelCentreX = kScreenWidth / 2;
constexpr int kBlueLabelY = 38;
constexpr int kRedLabelY = 290;

// The message lists and the status line.
constexpr ScreenBox kRedMessages{19, 261, 19 + 202 - 1, 261 + 29 - 1};
constexpr ScreenBox kBlueMessages{19, 50, 19 + 202 - 1, 50 + 29 - 1};
constexpr int kPlayerMessageLines = 2;
constexpr ScreenBox kStatusLine{53, 214, 53 + 120 - 1, 214 + 15 - 1};

// The hint marker: a plus centred 16 px from the card's left edge, its
// bars 4 x 2 and 2 x 4, its rows 4 to 7 px above the card's top.
constexpr int kHintCentreRight = 16;
constexpr int kHintTopUp = 7;

// The tap targets.
constexpr ScreenBox kPlayArea{55, 102, 185, 232};
constexpr ScreenBox kDiscardHandZone{17, 235, 222, 285};
constexpr ScreenBox kPlayHandZone{51, 235, kScreenWidth - 1, 284};

int dealerTop(bool computerDeals);
ScreenPoint deckPlace(bool computerDeals);
ScreenPoint cribPlace(bool computerDeals);
// Card `i` of the crib (drawn 4 px apart inside its box).
ScreenPoint cribCardPlace(bool computerDeals, int i);
// Card `slot` of a hand: `playing` puts the person's four at their play places.
ScreenPoint handCardPlace(bool red, int slot, bool playing);

// Where each card laid in the play lies, by the order it was laid:
// `redLaid[i]` says the person laid card i. The cards of the finished counts
// of this play (the first cardsLaid - cardsInCount) are packed 10 px apart
// in each player's row; those of the current count follow, 25 px beyond the
// longer packed row (no gap when there is none), one 10 px step for every
// card laid in the count by either player.
void laidCardPlaces(const bool redLaid[8], int cardsLaid, int cardsInCount, ScreenPoint out[8]);

// The y of each breakdown line of a count; `flushLine` is the index of the
// flush line or -1.
void countLineYs(int lineCount, int flushLine, int outY[]);

// Taps.
bool onDeck(bool computerDeals, int x, int y);
bool onCribBox(bool computerDeals, int x, int y);
bool inPlayArea(int x, int y);
// The slot of the six-card hand under a tap in Discarding, or -1.
int discardSlotAt(int x, int y);
// The slot of the four-card hand under a tap in the play, or -1. The zone
// runs to the screen's right edge; a tap right of the fourth card picks it.
int playSlotAt(int x, int y);

}  // namespace cribbage

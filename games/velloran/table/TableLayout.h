#pragma once

// The places of the Velloran table on the 240 x 320 screen and the hit tests
// of the stylus. Pure geometry: no drawing and no game state beyond the
// numbers a test needs (how many cards a group holds, which slot a tap
// names).

#include "platform/ScreenSize.h"

namespace velloran {

struct ScreenPoint {
    int x;
    int y;
    bool operator==(const ScreenPoint&) const = default;
};

// An inclusive rectangle.
struct ScreenBox {
    int left, top, right, bottom;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

using platform::kScreenHeight;
using platform::kScreenWidth;

// --- Cards -------------------------------------------------------------------
// A card is 30 x 45 for hit tests and placeholders; its picture is 31 x 46.
constexpr int kCardHitWidth = 30;
constexpr int kCardHitHeight = 45;
constexpr int kCardStep = 12;        // cards in a row overlap; 12 px of each show
constexpr int kGroupGap = 32;        // the next meld starts this far right of a group's last card
constexpr int kGroupsLeft = 2;       // melds are laid out from here
constexpr int kRightRowEnd = kScreenWidth - 32;  // x of the last card of a right-aligned row

// --- Message panel ---------------------------------------------------------------
constexpr ScreenBox kPanel{18, 100, 221, 230};
constexpr int kPanelRadius = 5;
constexpr int kPanelRuleLeft = 23, kPanelRuleRight = 216;
constexpr int kPanelRuleYs[3] = {120, 122, 123};
constexpr int kStatusLineY = 106;
constexpr int kPromptLineY = 216;
constexpr int kHeadlineBottom = 98;  // the headline's top is this minus the font height

// --- Piles ---------------------------------------------------------------------
constexpr ScreenPoint kStockPlace{77, 145};
constexpr ScreenPoint kDiscardPlace{133, 145};
constexpr ScreenPoint kStockTitle{77, 131};
constexpr ScreenPoint kDiscardTitle{124, 131};
constexpr int kCardsLeftCentreX = 92, kCardsLeftY = 192;
// A pile takes taps from 5 left of it to 35 right and 20 above to 50 below.
constexpr int kPileMarginLeft = 5, kPileMarginRight = 35;
constexpr int kPileMarginTop = 20, kPileMarginBottom = 50;
constexpr int kEmptyPlaceRadius = 5;

// --- Hands -----------------------------------------------------------------------
constexpr ScreenPoint kComputerRow{46, 32};
constexpr ScreenPoint kPlayerRow{9, 261};
constexpr int kRowTapHeight = 45;      // the hand row takes taps to 45 below its top
constexpr int kLiftHeight = 50;        // a card moved in the hand passes this far above the row
constexpr int kComputerLabelY = 20;
constexpr int kPlayerLabelY = 309;
constexpr ScreenPoint kComputerMeldWord{4, 83}, kComputerDeadwoodWord{176, 83};
constexpr ScreenPoint kPlayerMeldWord{4, 246}, kPlayerDeadwoodWord{176, 246};
constexpr int kPlayerSlotCount = 17;
constexpr int kComputerSlotCount = 11;
// The meld and lay-off screens show the player's last ten slots and the
// computer's slots 1..10, right-aligned.
constexpr int kFirstShownPlayerSlot = 7;
constexpr int kMeldSlotTapLeft = 100;

// An empty slot of the play screen: an outline 2 px in from the card.
constexpr int kEmptySlotInsetX = 2, kEmptySlotTop = 263, kEmptySlotBottom = 304;

// The top-left corner of a card of the play screen's rows. Slot indices
// outside the hand are held to its ends, so a card is never drawn off the
// screen.
ScreenPoint playerSlotPlace(int slot);
ScreenPoint computerSlotPlace(int slot);
// Where a card passes over the row while it is moved to another slot.
ScreenPoint abovePlayerSlot(int slot);
// The meld and lay-off screens: slot i of a side's hand right-aligned.
ScreenPoint playerRightSlotPlace(int slot);
ScreenPoint computerRightSlotPlace(int slot);

// The x of each card of the groups laid out from the left: the cards of a
// group 12 apart, the next group 32 right of the last card. When the groups
// would reach past the last place a card fits, the steps shrink evenly so
// that every card stays on the screen. `xs` receives one entry per card, in
// order; returns the number written.
int groupCardXs(const int* groupSizes, int groupCount, int* xs);

// --- Hit tests ---------------------------------------------------------------------
bool onStock(int x, int y);
bool onDiscardPile(int x, int y);
bool inPlayerRow(int y);
bool inComputerRow(int y);
// The play screen: slot = (x - 9) / 12 truncated toward zero, 17 counted as
// 16; -1 outside 0..16.
int playSlotAt(int x);
// The meld and lay-off screens: 7 + (x - 100) / 12 (at most 9 of it); -1
// left of the shown slots.
int meldSlotAt(int x);
// The group among the first three under x (group k covers x below the sum of
// w_0..w_k, w = (cards - 1) x 12 + 32); -1 beyond them.
int groupAt(int x, const int* groupSizes, int groupCount);
// The meld screen's buttons lie above the hand row.
bool aboveHandRow(int y);

// --- Buttons (left, top, width; all 20 high) --------------------------------------
struct ButtonPlace {
    int left, top, width;
};
constexpr int kButtonHeight = 20;
constexpr ButtonPlace kTurnButton{95, 232, 50};  // Knock, Gin and Pass share it
constexpr ButtonPlace kMeldButton{163, 205, 50};
constexpr ButtonPlace kCreateMeldButton{27, 205, 125};
constexpr ButtonPlace kUngroupButton{27, 205, 110};
constexpr ButtonPlace kFinishButton{90, 205, 50};
constexpr ButtonPlace kSheetOkButton{175, 295, 60};
constexpr ButtonPlace kTableOkButton{90, 205, 60};

// --- Hints ---------------------------------------------------------------------------
constexpr ScreenPoint kTakeThisPileMark{166, 162};   // right of the discard pile
constexpr ScreenPoint kTakeBesidePass{85, 238};      // left of the Pass button
constexpr ScreenPoint kTakeBesideStock{67, 162};     // beside the stock
// The mark above the card to throw: four short lines 7 px above the row.
constexpr int kThrowMarkTop = 254;
int throwMarkLeft(int slot);

// --- Score sheets --------------------------------------------------------------------
constexpr int kSheetTitleY = 22;
constexpr int kSheetTitleRuleYs[3] = {34, 36, 37};
constexpr int kSheetRowStep = 10;
constexpr int kPlainBoxLeft = 30, kPlainBoxRight = 210, kPlainBoxTop = 61;
constexpr int kPlainColumnRule = 120;
constexpr int kPlainComputerRight = 75, kPlainPlayerRight = 190;
constexpr int kPlainHeadY = 49, kPlainComputerHeadX = 75, kPlainPlayerHeadX = 165;
constexpr int kPlainFirstRowY = 65;
constexpr int kScrollBarWidth = 10;
constexpr int kHollywoodBoxTop = 74;
constexpr int kHollywoodFirstRowY = 78;

// The box height for R rows: (R + 1) x 10.
constexpr int sheetBoxHeight(int rows) {
    return (rows + 1) * kSheetRowStep;
}
// Column c of the Hollywood sheet spans 84c + 2 to 84c + 70.
constexpr int hollywoodLeft(int c) {
    return 84 * c + 2;
}
constexpr int hollywoodRight(int c) {
    return 84 * c + 70;
}
// The column a tap on a sheet names: 3x / 240 with Hollywood scoring, else 0.
int sheetColumnAt(int x, bool hollywood);

// The four zones of a score sheet's scroll bar, top to bottom.
enum class ScrollZone { None, First, Up, Down, Last };
// Whether (x, y) lies in the scroll strip of column `column` and in which
// zone: the top 12 px, the next 13, the 13 above the bottom 12, the bottom 12.
ScrollZone scrollZoneAt(int x, int y, int column, bool hollywood, int rows);

// --- Configure Game ------------------------------------------------------------------
constexpr int kOptionBoxX = 25;
constexpr int kOptionTextX = 40;
constexpr int kOptionTapLeft = 20, kOptionTapRight = 220;

}  // namespace velloran

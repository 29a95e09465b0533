#pragma once

// The fixed places of the reflection table on the screen and the
// hit tests of the stylus. Geometry only: no drawing, and nothing kept; the
// hit tests that depend on how full the talons are read the game.

#include "gamekit/cards/PlayingCard.h"
#include "games/reflection/rules/Commands.h"
#include "platform/ScreenSize.h"

namespace reflection {

struct ScreenPoint {
    int x;
    int y;
};

using gamekit::kCardHeight;
using gamekit::kCardWidth;
using platform::kScreenHeight;
using platform::kScreenWidth;

// The deck and the card dealt from it.
constexpr ScreenPoint kDeckPlace{2, 30};
constexpr ScreenPoint kDealtPlace{35, 30};
constexpr int kDeckTapLeft = 2, kDeckTapTop = 30;
constexpr int kDealtTapLeft = 32, kDealtTapTop = 30;
constexpr int kTapBoxWidth = 30, kTapBoxHeight = 45;

// The four sequences: one row each, cards 11 px apart.
constexpr int kSequenceLeft = 77;
constexpr int kSequenceTop = 30;
constexpr int kSequenceRowStep = 47;
constexpr int kFannedStep = 11;
constexpr int kCompleteBarHeight = 45;
constexpr int kRankMarkLeft = 96;

// The kings talon and the four store talons.
constexpr int kKingsTalonLeft = 2;
constexpr int kKingsTalonTop = 171;
constexpr int kStoreTalonLeft = 2;
constexpr int kStoreTalonStep = 60;
constexpr int kStoreTalonTop = 225;

// Score and time.
constexpr ScreenPoint kScorePlace{3, 80};
constexpr ScreenPoint kTimePlace{3, 94};

inline ScreenPoint sequenceCardPlace(int sequence, int position) {
    return {kSequenceLeft + kFannedStep * position, kSequenceTop + kSequenceRowStep * sequence};
}

inline ScreenPoint rankMarkPlace(int sequence, int position) {
    return {kRankMarkLeft + kFannedStep * position, kSequenceTop + kSequenceRowStep * sequence};
}

inline ScreenPoint kingsCardPlace(int index) {
    return {kKingsTalonLeft + kFannedStep * index, kKingsTalonTop};
}

// Card `index` of a store talon holding `count` cards: laid out in a grid of
// c columns (3 up to 9 cards, 4 up to 16, 5 up to 25, 6 above) and rows 24
// px apart up to 12 cards, 23 up to 20, 17 above. A talon of 13 cards or
// more needs a fourth row, which at those steps would hang below the
// screen; its rows are then drawn closer, so that the last row still lies
// on the screen with every card's rank in view.
ScreenPoint storeCardPlace(int talon, int index, int count);
int storeTalonColumns(int count);
int storeTalonRowStep(int count);

// One card of the store talons: talon `talon`, `index` from the bottom.
struct StoreCardRef {
    int talon;
    int index;
};
constexpr int kStoreCardsMax = kStoreTalonCount * kStoreTalonCapacity;

// The store talons' cards in the order they are drawn, each talon's cards
// below its top first, talon by talon, then the four top cards. A talon of
// 10 cards or more is wider than the 60 px between talons, so its right
// column lies under the next talon's left one; drawing the tops last keeps
// the one card that can be moved whole. Where two top cards meet, the right
// one lies above: the left one keeps its rank in view, which the right one
// would lose. Returns the number of cards written.
int storeDrawOrder(const ReflectionGame& game, StoreCardRef out[kStoreCardsMax]);

// The rectangle a card drawn at `at` covers: 30 x 45, its last row undrawn.
bool inDrawnCard(ScreenPoint at, int x, int y);

// Taps that pick a card (pen down).
bool onDeck(int x, int y);
bool onDealtCard(int x, int y);
// The store talon under a tap low on the screen by column, or -1.
int storeTalonPickAt(int x, int y);
// The same, but a tap on a drawn card takes the talon of the card drawn
// uppermost under it, so a card's visible part beyond its column still
// picks its own talon; bare table falls back to the column.
int storeTalonPickAt(const ReflectionGame& game, int x, int y);
bool inKingsTalonArea(int x, int y);

// Where the second tap of a move aims (pen up).
struct Destination {
    TargetKind kind = TargetKind::None;
    int index = 0;
};
Destination destinationAt(int x, int y);
// The same, with a talon aimed at by the card drawn under the point first.
Destination destinationAt(const ReflectionGame& game, int x, int y);

}  // namespace reflection

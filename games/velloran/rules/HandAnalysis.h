#pragma once

#include <cstdint>

#include "games/velloran/rules/Cards.h"

namespace velloran {

// A group of cards on the table: a meld, a laid-off group or a lay-off target.
// A run can grow to a whole suit, so 13 places always suffice.
struct CardGroup {
    static constexpr int kCapacity = 13;
    Card cards[kCapacity] = {};
    int count = 0;

    void push(Card c);
    bool contains(Card c) const;
    bool operator==(const CardGroup& other) const;
};

// The melds of one split, in the order the analysis found them. Eleven cards
// make at most three melds.
struct MeldList {
    static constexpr int kCapacity = 4;
    CardGroup groups[kCapacity];
    int count = 0;

    void clear() { count = 0; }
    void push(const CardGroup& group);
};

// --- Sets and runs over a list range -------------------------------------
// The range from..to is inclusive; a start below 0 counts as 0 and an end
// past the list as its last entry. Both need at least three entries, all
// present; the count is checked before any entry is read, so an empty or
// short range is simply no meld.
bool isSet(const Card* list, int count, int from, int to);
// Same suit as the first entry, entry k of rank first - k (lists are ordered
// by rank descending, so a run is tested top card first).
bool isRun(const Card* list, int count, int from, int to);
inline bool isSet(const CardGroup& g) { return isSet(g.cards, g.count, 0, g.count - 1); }
inline bool isRun(const CardGroup& g) { return isRun(g.cards, g.count, 0, g.count - 1); }

// Exchange sorts of the slot range from..to (inclusive, clamped to the list),
// stopping at the first empty slot.
void sortByRank(Card* slots, int count, int from, int to, bool descending);
// Suit ascending, and within a suit rank descending (or ascending).
void sortBySuitThenRank(Card* slots, int count, int from, int to, bool rankDescending);

// --- The full search ------------------------------------------------------
// The split of a hand into melds and deadwood as the meld screens show it:
// set candidates (king down to ace) and maximal runs, every placement of the
// cards that have a candidate, the remainders of runs split into stretches.
// It keeps the first placement of least deadwood, so its melds are the ones
// a player expects to see laid out. At most kMaxCards cards.
struct MeldAnalysis {
    static constexpr int kMaxCards = 11;
    int deadwood = 0;
    MeldList melds;
};
// Analyses `count` cards (empty entries are skipped). More than kMaxCards
// present cards is a programming fault and goes to fatalError.
MeldAnalysis analyseHand(const Card* cards, int count);

// --- The fast least deadwood ----------------------------------------------
// The same least deadwood without the melds, for the trial analyses of the
// computer and the hints (hundreds per decision). A hand is a 52-bit mask in
// rank-major order: bit rank * 4 + suit, so the cards of one rank share a
// nibble and a run steps by four bits.
using HandMask = uint64_t;
constexpr HandMask maskBit(Card c) { return HandMask{1} << (rankOf(c) * 4 + suitOf(c)); }
HandMask handMask(const Card* cards, int count);
int leastDeadwood(HandMask hand);
// The plain sum of the values of the cards in the mask.
int maskValue(HandMask hand);

}  // namespace velloran

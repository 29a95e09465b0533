#pragma once

#include "games/cribbage/rules/CribbageGame.h"

namespace cribbage {

constexpr int kBeginning = 0;
constexpr int kStandard = 1;
constexpr int kExpert = 2;

struct DiscardChoice {
    int first = 0;  // slots of the six-card hand, first < second
    int second = 1;
};

// The value a pair of laid-away cards is thought to bring the crib.
int cribValue(Card a, Card b);

// The cards that could still be the starter as the shoe deals: the other
// side's six of this deal and every card from the starter's place on. Fills
// `out` (room for 46) and returns how many: 46, 33, 20 or 7.
int starterCandidates(const CribbageGame& game, Side rated, Card out[46]);

// The two cards `side` lays away, rated at `strength`. asComputer: the
// computer's own choice (at Beginning it stops at the first first-slot whose
// best pair keeps a hand worth more than 0); false for the person's advice.
// Deterministic. Reads the six-card hand, the dealer and the shoe.
DiscardChoice chooseDiscards(const CribbageGame& game, Side side, int strength, bool asComputer);

// The slot (of four) of the card `side` lays, rated at `strength` (0 for the
// person's advice with hints off), or -1 when no unplayed card fits under 31.
int choosePlay(const CribbageGame& game, Side side, int strength);

}  // namespace cribbage

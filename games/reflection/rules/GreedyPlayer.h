#pragma once

#include "games/reflection/rules/CommandHistory.h"
#include "games/reflection/rules/Move.h"
#include "games/reflection/rules/ReflectionGame.h"

namespace reflection {

// Simple players, for the simulator, the benchmarks and hints.
enum class ParkingRule {
    Shortest,  // the dealt card goes on the shortest store talon
    Careful,   // on the talon where it buries the least urgent card
};

// The next move of a greedy player, or false when it has none (the deck is
// out and nothing fits): every card that fits a sequence is put out, first the
// dealt card, then the store talon tops, then the kings; a card that does not
// fit is parked (kings on the kings talon in normal mode); then the next card
// is dealt.
bool nextGreedyMove(const ReflectionGame& game, ParkingRule parking, Move& out);

// Plays greedy moves until none is left; through `history` (as commands)
// when it is given, else directly. Returns the number of moves made.
int playGreedy(ReflectionGame& game, ParkingRule parking, CommandHistory* history = nullptr);

// How soon a card of `rank` could be wanted: the fewest cards still to be put
// on any sequence before one of them takes this rank; 99 when none does.
int cardsBeforeWanted(const ReflectionGame& game, int rank);

}  // namespace reflection

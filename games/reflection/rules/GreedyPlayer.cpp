#include "games/reflection/rules/GreedyPlayer.h"

#include "games/reflection/rules/Commands.h"

namespace reflection {

namespace {

constexpr int kNeverWanted = 99;

int shortestTalon(const ReflectionGame& game) {
    int best = -1;
    for (int t = 0; t < kStoreTalonCount; ++t) {
        if (!game.canDealtToTalon(t)) continue;
        if (best < 0 || game.storeTalon(t).iSize < game.storeTalon(best).iSize) best = t;
    }
    return best;
}

// Prefer an empty talon, then one whose top is wanted no sooner than the dealt
// card (the dealt card covers nothing more urgent), the closest such; failing
// that, the talon whose top is wanted last.
int carefulTalon(const ReflectionGame& game) {
    const int dealtNeed = cardsBeforeWanted(game, game.dealtCard()->rank);
    int best = -1;
    int bestScore = 0;
    for (int t = 0; t < kStoreTalonCount; ++t) {
        if (!game.canDealtToTalon(t)) continue;
        const PlayingCard* top = game.storeTalonTop(t);
        int score;
        if (top == nullptr) {
            score = 1000;
        } else {
            const int topNeed = cardsBeforeWanted(game, top->rank);
            score = topNeed >= dealtNeed ? 500 - (topNeed - dealtNeed) : topNeed;
        }
        if (best < 0 || score > bestScore) {
            best = t;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace

int cardsBeforeWanted(const ReflectionGame& game, int rank) {
    int best = kNeverWanted;
    for (int s = 0; s < kSequenceCount; ++s) {
        const int wanted = positionOfRank(s, rank) - game.sequence(s).iSize;
        if (wanted >= 0 && wanted < best) best = wanted;
    }
    return best;
}

bool nextGreedyMove(const ReflectionGame& game, ParkingRule parking, Move& out) {
    if (!game.isPlaying()) return false;
    for (int s = 0; s < kSequenceCount; ++s) {
        if (game.canDealtToSequence(s)) {
            out = Move::dealtToSequence(s);
            return true;
        }
    }
    for (int t = 0; t < kStoreTalonCount; ++t) {
        for (int s = 0; s < kSequenceCount; ++s) {
            if (game.canTalonToSequence(t, s)) {
                out = Move::talonToSequence(t, s);
                return true;
            }
        }
    }
    for (int s = 0; s < kSequenceCount; ++s) {
        if (game.canKingsToSequence(s)) {
            out = Move::kingsToSequence(s);
            return true;
        }
    }
    if (game.dealtCard() != nullptr) {
        if (game.canDealtToKings()) {
            out = Move::dealtToKings();
            return true;
        }
        const int t = parking == ParkingRule::Careful ? carefulTalon(game) : shortestTalon(game);
        if (t < 0) return false;
        out = Move::dealtToTalon(t);
        return true;
    }
    if (game.canDealCard()) {
        out = Move::dealCard();
        return true;
    }
    return false;
}

int playGreedy(ReflectionGame& game, ParkingRule parking, CommandHistory* history) {
    int moves = 0;
    Move move;
    while (nextGreedyMove(game, parking, move)) {
        const bool done =
            history != nullptr ? history->doCommand(makeCommand(game, move)) : game.tryMove(move);
        if (!done) break;  // cannot happen: the move was legal
        ++moves;
    }
    return moves;
}

}  // namespace reflection

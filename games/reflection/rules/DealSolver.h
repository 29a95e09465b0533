#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "games/reflection/rules/Move.h"
#include "games/reflection/rules/SequenceRules.h"

namespace reflection {

enum class SolveOutcome {
    Won,      // a winning line was found (moves holds it, from the opening deal)
    Lost,     // the whole tree was searched: no line wins this deal
    Unknown,  // the node or time budget ran out first
};

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::Unknown;
    std::vector<Move> moves;
    long long nodes = 0;
};

// Plays one deal with knowledge of the whole deck order: a depth-first search
// over the positions after the opening cards, with the moves onto sequences
// tried first, parking choices ordered by how soon the covered card is wanted,
// equal talons tried once, and a memo of positions already found to lose
// (positions compare by ranks, since suits play no part, with the talons
// sorted, since they are interchangeable). Every move makes progress, so the
// search is finite. The search runs in rounds of limited discrepancy (the
// preferred move is free, the i-th costs i), so a budget spent is spent
// near the heuristic line rather than deep in one early mistake.
class DealSolver {
  public:
    // `codes`: the deck, top first (card code = suit * 13 + rank).
    DealSolver(const int codes[kDeckSize], bool expert);

    // Stops after `nodeBudget` positions or `milliseconds` (0: no limit).
    SolveResult solve(long long nodeBudget, int milliseconds = 0);

  private:
    struct State {
        uint8_t deckPos = kOpeningCards;
        int8_t dealt = -1;  // rank of the dealt card, or -1
        uint8_t seqLen[kSequenceCount] = {1, 1, 1, 1};
        uint8_t talonLen[kStoreTalonCount] = {};
        uint8_t talon[kStoreTalonCount][kStoreTalonCapacity] = {};  // ranks
        uint8_t kings = 0;
        int placed = kOpeningCards;
    };

    // Depth-first search that may leave the preferred move order at most
    // `discrepancies` times (taking the i-th move costs i). Sets `complete`
    // when no move was skipped for lack of discrepancies.
    bool search(State& s, int discrepancies, bool& complete);
    bool outOfBudget();
    uint64_t key(const State& s) const;
    bool apply(State& s, const Move& m) const;
    void generate(const State& s, Move* out, int& count) const;
    int wantedIn(const State& s, int rank) const;

    uint8_t ranks_[kDeckSize];
    bool expert_;
    // Positions that lost, with the discrepancies they were searched with:
    // an open-addressed table of (key, value), key 0 marking a free slot.
    class LostTable {
      public:
        void clear();
        // The value stored for `key`, or -1.
        int find(uint64_t key) const;
        void raise(uint64_t key, int value);

      private:
        void grow();
        std::vector<uint64_t> keys_;
        std::vector<int> values_;
        size_t used_ = 0;
    };
    LostTable lost_;
    std::vector<Move> line_;
    long long nodes_ = 0;
    long long nodeBudget_ = 0;
    int64_t deadline_ = 0;  // steady-clock milliseconds, 0 for none
    bool aborted_ = false;
};

}  // namespace reflection

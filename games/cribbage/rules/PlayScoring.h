#pragma once

#include "games/cribbage/rules/Card.h"

namespace cribbage {

constexpr int kMaxCount = 31;

// The points of one card laid in the play and the messages that go with it,
// the fifteen's first. A go, 31 and the last card are scored by the flow.
struct PlayScore {
    int points = 0;
    const char* messages[2] = {nullptr, nullptr};
    int messageCount = 0;
};

// The longest run (3 to 7) that `card` makes with the most recent cards of
// the count (`earlier`, the n cards laid before it in this count, oldest
// first), or 0. Only the most recent cards count: an older card in between
// breaks the run.
int playRunLength(const Card* earlier, int n, Card card);

// Scores the last card of `inCount` (the cards of the current count, oldest
// first, the new card last), with `runningCount` already including it.
PlayScore scorePlay(const Card* inCount, int n, int runningCount);

// The go: 2 for the last card of a count of exactly 31, 1 below it.
inline int goPoints(int runningCount) {
    return runningCount == kMaxCount ? 2 : 1;
}
inline const char* goMessage(int runningCount) {
    return runningCount == kMaxCount ? "2 pts for a go" : "1 pt for a go";
}

}  // namespace cribbage

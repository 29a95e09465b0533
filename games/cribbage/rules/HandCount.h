#pragma once

#include <string>
#include <vector>

#include "games/cribbage/rules/Card.h"

namespace cribbage {

// The breakdown of one counted hand or crib, as the count display and the
// computer read it.
struct HandCount {
    int pairs = 0;             // ranks held exactly twice
    int pairRoyals = 0;        // ranks held exactly three times
    int doublePairRoyals = 0;  // ranks held four times
    int runCount = 0;          // distinct runs scored, all of one length
    int runLength = 0;         // 3, 4 or 5; 0 without a run
    int fifteens = 0;          // distinct card subsets summing to 15
    int hisKnobs = 0;          // a hand jack of the starter's suit: 0 or 1
    int flush = 0;             // non-zero when a flush of four or five scored
    int fiveCardFlush = 0;     // 1 when the flush takes in the starter
    int total = 0;             // the points

    bool operator==(const HandCount&) const = default;
};

// Counts four cards with the starter (kNoCard when none is cut yet). A crib
// scores a flush only together with the starter. Works on a fixed five-card
// list: the computer calls it hundreds of times a decision.
HandCount countHand(const Card cards[4], Card starter, bool isCrib);

// The lines of the count display, in order, each only when its item scores:
// "Red scores 8 pts", "2 fifteens = 4", "1 pair = 2", ...
std::vector<std::string> countDisplayLines(const HandCount& count, bool red);

// The items without the header, for one-line reports: "2 fifteens = 4; 1 pair = 2".
std::string countSummary(const HandCount& count);

}  // namespace cribbage

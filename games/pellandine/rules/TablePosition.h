#pragma once

#include <vector>

#include "gamekit/cards/CardText.h"
#include "games/pellandine/rules/Variation.h"

namespace pellandine {

// A table set up by hand (the replay tools, tests): what lies in each place,
// what is still in the shoe, the options. Every card not named is taken as
// removed already, and the score counts them.
struct TablePosition {
    int gameType = kPairs;
    int slideMode = kSlideZigZag;
    // Each place in reading order (row 0 columns 0 to 4, then row 1 ...):
    // its cards bottom first, the top card last; empty for none. Only Sum 11
    // covers cards: face cards under the top one.
    std::vector<gamekit::CardCode> stacks[kSlotCount];
    std::vector<gamekit::CardCode> shoe;  // top first
    int score = -1;                       // checked when given; -1 worked out
};

}  // namespace pellandine

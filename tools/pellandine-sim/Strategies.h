#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "games/pellandine/rules/GroupRules.h"
#include "games/pellandine/rules/PellandineRules.h"

namespace pellandine_sim {

// A player: given the table and the groups it allows (never none), picks the
// group to remove. The deck is tapped only when no group is allowed.
class Strategy {
  public:
    virtual ~Strategy() = default;
    virtual size_t choose(const pellandine::TableGrid& grid,
                          const std::vector<pellandine::Group>& groups) = 0;
    // Called before each deal, so a strategy that draws lots can be replayed.
    virtual void startDeal(uint32_t seed) { (void)seed; }
};

// "random", "first", "lookahead" (which needs the refill mode) or
// "pairsfirst"; null for any other name.
std::unique_ptr<Strategy> makeStrategy(const std::string& name, int slideMode);
// Groups of two cards before any other (PairsFirst.cpp).
std::unique_ptr<Strategy> makePairsFirstStrategy();

struct GameOutcome {
    int removed = 0;
    bool won = false;
    int deckTaps = 0;
    int groupsRemoved = 0;
};

// Plays the dealt game to its end: a win, or no group allowed and a deck tap
// that changes nothing.
GameOutcome playDealtGame(pellandine::PellandineRules& rules, Strategy& strategy);

}  // namespace pellandine_sim

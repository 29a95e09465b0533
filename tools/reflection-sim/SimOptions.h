#pragma once

#include <cstdint>
#include <string>

namespace reflection_sim {

enum class Strategy { Greedy, Careful, Solver };

struct SimOptions {
    Strategy strategy = Strategy::Greedy;
    bool expert = false;
    bool quiet = false;     // totals only
    bool haveDeck = false;  // play the one deck below instead of seeds
    int deck[52] = {};
    uint32_t firstSeed = 1;
    uint32_t lastSeed = 1;
    // The solver's budget is in positions, so a run repeats exactly on any
    // machine; the time limit only guards against a runaway search.
    long long nodeBudget = 500000;  // solver positions per deal, 0: no limit
    int budgetMs = 10000;           // solver time guard per deal, 0: none
    bool help = false;
};

// Reads the command line. On bad input returns false with a message.
bool parseOptions(int argc, char** argv, SimOptions& options, std::string& error);

const char* usageText();

}  // namespace reflection_sim

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
    int budgetMs = 200;        // solver time per deal
    long long nodeBudget = 0;  // solver positions per deal, 0: no limit
    bool help = false;
};

// Reads the command line. On bad input returns false with a message.
bool parseOptions(int argc, char** argv, SimOptions& options, std::string& error);

const char* usageText();

}  // namespace reflection_sim

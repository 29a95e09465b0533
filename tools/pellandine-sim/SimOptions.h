#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gamekit/cards/CardText.h"

namespace pellandine_sim {

struct SimOptions {
    int gameType = 1;
    int slideMode = 0;
    std::string strategy = "random";
    uint32_t firstSeed = 1;
    uint32_t lastSeed = 1;
    bool hasDeck = false;
    std::vector<gamekit::CardCode> deck;
    bool perDeal = true;
};

// Reads the command line. On refusal returns false with a message that says
// what was wrong.
bool parseSimOptions(int argc, char** argv, SimOptions& options, std::string& error);

const char* simUsage();

}  // namespace pellandine_sim

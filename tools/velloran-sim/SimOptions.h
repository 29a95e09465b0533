#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "games/velloran/rules/VelloranGame.h"

namespace velloran_sim {

struct PlayOptions {
    velloran::Level levels[2] = {velloran::Level::Standard, velloran::Level::Standard};
    long games = 1;
    uint32_t seed = 1;
    int deal = 10;
    bool hollywood = false;
    int points = 100;
    bool hints = false;
    int turnCap = 400;
    bool quiet = false;
};

const char* usageText();
// Reads the arguments after "play"; false with `error` set on a fault.
bool parsePlayOptions(const std::vector<std::string>& args, PlayOptions& out, std::string& error);

}  // namespace velloran_sim

#include "tools/pellandine-sim/SimOptions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "games/pellandine/rules/Variation.h"

namespace pellandine_sim {

namespace {

bool parseSeed(const std::string& text, uint32_t& out) {
    if (text.empty() || text.size() > 10) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    const unsigned long long v = std::strtoull(text.c_str(), nullptr, 10);
    if (v > 0xffffffffull) return false;
    out = static_cast<uint32_t>(v);
    return true;
}

bool parseSeedRange(const std::string& text, uint32_t& first, uint32_t& last) {
    const size_t dash = text.find('-');
    if (dash == std::string::npos) {
        if (!parseSeed(text, first)) return false;
        last = first;
        return true;
    }
    return parseSeed(text.substr(0, dash), first) && parseSeed(text.substr(dash + 1), last) &&
           first <= last;
}

}  // namespace

const char* simUsage() {
    return "usage: pellandine-sim [--variation pairs|sum10|sum11|sum14] [--slide zigzag|straight]\n"
           "                      [--strategy random|first|lookahead]\n"
           "                      [--seeds FIRST-LAST | --seed N | --deck \"AS 2C ...\"]\n"
           "                      [--summary]\n"
           "  --deck   the shoe top first (1 to 52 different cards; the rest follow in\n"
           "           new-deck order); --seed then seeds the random strategy only\n"
           "  --summary  totals only, no line per deal\n";
}

bool parseSimOptions(int argc, char** argv, SimOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--summary") {
            options.perDeal = false;
            continue;
        }
        if (option == "--help" || option == "-h") {
            error = "";
            return false;
        }
        if (i + 1 >= argc) {
            error = "option " + option + " needs a value (or is unknown)";
            return false;
        }
        const std::string value = argv[++i];
        if (option == "--variation") {
            const char* names[4] = {"pairs", "sum10", "sum11", "sum14"};
            options.gameType = 0;
            for (int t = 0; t < 4; ++t) {
                if (value == names[t]) options.gameType = t + 1;
            }
            if (options.gameType == 0) {
                error = "unknown variation \"" + value + "\" (pairs, sum10, sum11 or sum14)";
                return false;
            }
        } else if (option == "--slide") {
            if (value == "zigzag") {
                options.slideMode = pellandine::kSlideZigZag;
            } else if (value == "straight") {
                options.slideMode = pellandine::kSlideStraightUp;
            } else {
                error = "unknown refill mode \"" + value + "\" (zigzag or straight)";
                return false;
            }
        } else if (option == "--strategy") {
            if (value != "random" && value != "first" && value != "lookahead") {
                error = "unknown strategy \"" + value + "\" (random, first or lookahead)";
                return false;
            }
            options.strategy = value;
        } else if (option == "--seeds" || option == "--seed") {
            if (!parseSeedRange(value, options.firstSeed, options.lastSeed)) {
                error = "bad seed or range \"" + value + "\" (N or FIRST-LAST, 0 to 4294967295)";
                return false;
            }
        } else if (option == "--deck") {
            std::string why;
            if (!pellandine::parseDeckOrder(value, options.deck, why)) {
                error = "bad deck order: " + why;
                return false;
            }
            options.hasDeck = true;
        } else {
            error = "unknown option " + option;
            return false;
        }
    }
    return true;
}

}  // namespace pellandine_sim

#include "tools/reflection-sim/SimOptions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "games/reflection/rules/DeckText.h"

namespace reflection_sim {

namespace {

bool readUnsigned(const std::string& text, unsigned long long max, unsigned long long& out) {
    if (text.empty() || text.size() > 19) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    errno = 0;
    out = std::strtoull(text.c_str(), nullptr, 10);
    return errno == 0 && out <= max;
}

bool readSeedRange(const std::string& text, SimOptions& options) {
    const size_t dash = text.find('-');
    unsigned long long a = 0, b = 0;
    if (dash == std::string::npos) {
        if (!readUnsigned(text, 0xffffffffULL, a)) return false;
        b = a;
    } else if (!readUnsigned(text.substr(0, dash), 0xffffffffULL, a) ||
               !readUnsigned(text.substr(dash + 1), 0xffffffffULL, b) || b < a) {
        return false;
    }
    options.firstSeed = static_cast<uint32_t>(a);
    options.lastSeed = static_cast<uint32_t>(b);
    return true;
}

}  // namespace

const char* usageText() {
    return "usage: reflection-sim [--seeds A-B | --seed N | --deck \"AS 2S 3S 4S ...\"]\n"
           "                      [--strategy greedy|careful|solver] [--expert] [--quiet]\n"
           "                      [--budget-ms N] [--nodes N]\n"
           "  --seeds A-B     deal each seed from A to B (default 1-1)\n"
           "  --deck TEXT     play this deck, top card first: ranks A 2-10 J Q K, suits S C H D;\n"
           "                  the first four must be an ace, two, three and four\n"
           "  --strategy      greedy: put out what fits, kings to the kings talon, else the\n"
           "                  shortest store talon; careful: park where the least urgent card\n"
           "                  is covered; solver: search knowing the deck order\n"
           "  --expert        expert mode (no kings talon)\n"
           "  --nodes N       solver positions per deal (default 500000, 0: no limit);\n"
           "                  runs repeat exactly\n"
           "  --budget-ms N   solver time guard per deal (default 10000, 0: none)\n"
           "  --quiet         totals only\n";
}

bool parseOptions(int argc, char** argv, SimOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--expert") {
            options.expert = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--seeds" || arg == "--seed") {
            if (!value(v)) return false;
            if (!readSeedRange(v, options)) {
                error = "bad seed range \"" + v + "\" (use N or A-B with A <= B < 2^32)";
                return false;
            }
        } else if (arg == "--deck") {
            if (!value(v)) return false;
            std::string why;
            if (!reflection::parseDeckOrder(v, options.deck, why)) {
                error = "bad deck: " + why;
                return false;
            }
            options.haveDeck = true;
        } else if (arg == "--strategy") {
            if (!value(v)) return false;
            if (v == "greedy") {
                options.strategy = Strategy::Greedy;
            } else if (v == "careful") {
                options.strategy = Strategy::Careful;
            } else if (v == "solver") {
                options.strategy = Strategy::Solver;
            } else {
                error = "unknown strategy \"" + v + "\" (greedy, careful or solver)";
                return false;
            }
        } else if (arg == "--budget-ms" || arg == "--nodes") {
            if (!value(v)) return false;
            unsigned long long n = 0;
            if (!readUnsigned(v, arg == "--nodes" ? 1000000000000ULL : 3600000ULL, n)) {
                error = "bad number \"" + v + "\" for " + arg;
                return false;
            }
            if (arg == "--nodes") {
                options.nodeBudget = static_cast<long long>(n);
            } else {
                options.budgetMs = static_cast<int>(n);
            }
        } else {
            error = "unknown argument \"" + arg + "\"";
            return false;
        }
    }
    return true;
}

}  // namespace reflection_sim

#include "tools/reflection-sim/SimOptions.h"

#include <vector>

#include "games/reflection/rules/DeckText.h"
#include "tools/sim-options/SimArguments.h"

namespace reflection_sim {

const char* usageText() {
    return "usage: reflection-sim [--seeds A-B | --seed N | --deck \"AS 2S 3S 4S ...\"]\n"
           "                      [--strategy greedy|careful|solver] [--expert] [--quiet]\n"
           "                      [--budget-ms N] [--nodes N]\n"
           "  --seeds A-B     deal each seed from A to B (default 1-1)\n"
           "  --deck TEXT     play this deck, top card first: ranks A 2-9 T J Q K, suits S C H D;\n"
           "                  the first four must be an ace, two, three and four\n"
           "  --strategy      greedy: put out what fits, kings to the kings talon, else the\n"
           "                  shortest store talon; careful: park where the least urgent card\n"
           "                  is covered; solver: search knowing the deck order\n"
           "  --expert        expert mode (no kings talon)\n"
           "  --nodes N       solver positions per deal (default 500000, 0: no limit);\n"
           "                  runs repeat exactly\n"
           "  --budget-ms N   solver time guard per deal (default 10000, 0: none)\n"
           "  --quiet         totals only\n"
           "       reflection-sim replay --deck \"<52 cards>\" [--expert] --moves \"<moves>\"\n"
           "       reflection-sim position < position.txt   (see replay --help)\n";
}

bool parseOptions(int argc, char** argv, SimOptions& options, std::string& error) {
    using sim_options::SimOption;
    auto flag = [](bool& target) {
        return [&target](const std::string&, std::string&) {
            target = true;
            return true;
        };
    };
    auto number = [&](const char* name, unsigned long long max, auto store) {
        return [name, max, store](const std::string& v, std::string& why) {
            unsigned long long n = 0;
            if (!sim_options::parseBounded(v, max, n)) {
                why = "bad number \"" + v + "\" for " + name;
                return false;
            }
            store(n);
            return true;
        };
    };
    const std::vector<SimOption> table = {
        {"--help", "-h", false, flag(options.help)},
        {"--expert", nullptr, false, flag(options.expert)},
        {"--quiet", nullptr, false, flag(options.quiet)},
        {"--seeds", "--seed", true,
         [&](const std::string& v, std::string& why) {
             if (sim_options::parseSeedRange(v, options.firstSeed, options.lastSeed)) return true;
             why = "bad seed range \"" + v + "\" (use N or A-B with A <= B < 2^32)";
             return false;
         }},
        {"--deck", nullptr, true,
         [&](const std::string& v, std::string& why) {
             std::string fault;
             if (!reflection::parseDeckOrder(v, options.deck, fault)) {
                 why = "bad deck: " + fault;
                 return false;
             }
             options.haveDeck = true;
             return true;
         }},
        sim_options::choiceOption<Strategy>("--strategy", "strategy", options.strategy,
                                            {{"greedy", Strategy::Greedy},
                                             {"careful", Strategy::Careful},
                                             {"solver", Strategy::Solver}}),
        {"--budget-ms", nullptr, true,
         number("--budget-ms", 3600000ULL,
                [&](unsigned long long n) { options.budgetMs = static_cast<int>(n); })},
        {"--nodes", nullptr, true,
         number("--nodes", 1000000000000ULL,
                [&](unsigned long long n) { options.nodeBudget = static_cast<long long>(n); })},
    };
    return sim_options::parseSimArguments(argc, argv, table, error);
}

}  // namespace reflection_sim

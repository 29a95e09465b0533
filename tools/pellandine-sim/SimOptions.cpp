#include "tools/pellandine-sim/SimOptions.h"

#include "gamekit/cards/CardText.h"
#include "games/pellandine/rules/Variation.h"
#include "tools/sim-options/SimArguments.h"

namespace pellandine_sim {

const char* simUsage() {
    return "usage: pellandine-sim [--variation pairs|sum10|sum11|sum14] [--slide zigzag|straight]\n"
           "                      [--strategy random|first|lookahead|pairsfirst]\n"
           "                      [--seeds FIRST-LAST | --seed N | --deck \"AS 2C ...\"]\n"
           "                      [--summary]\n"
           "  --deck   the shoe top first (1 to 52 different cards; the rest follow in\n"
           "           new-deck order); --seed then seeds the random strategy only\n"
           "  --summary  totals only, no line per deal\n"
           "       pellandine-sim replay --variation V --slide S --deck \"<cards>\" --moves \"<taps>\"\n"
           "       pellandine-sim position < table.txt   (see replay --help)\n";
}

bool parseSimOptions(int argc, char** argv, SimOptions& options, std::string& error) {
    using sim_options::SimOption;
    const std::vector<SimOption> table = {
        {"--summary", nullptr, false,
         [&](const std::string&, std::string&) {
             options.perDeal = false;
             return true;
         }},
        // Stops the reading with no error: the caller prints the usage.
        {"--help", "-h", false, [](const std::string&, std::string&) { return false; }},
        sim_options::choiceOption<int>("--variation", "variation", options.gameType,
                                       {{"pairs", pellandine::kPairs},
                                        {"sum10", pellandine::kSum10},
                                        {"sum11", pellandine::kSum11},
                                        {"sum14", pellandine::kSum14}}),
        sim_options::choiceOption<int>(
            "--slide", "refill mode", options.slideMode,
            {{"zigzag", pellandine::kSlideZigZag}, {"straight", pellandine::kSlideStraightUp}}),
        sim_options::choiceOption<std::string>(
            "--strategy", "strategy", options.strategy,
            {{"random", "random"},
             {"first", "first"},
             {"lookahead", "lookahead"},
             {"pairsfirst", "pairsfirst"}}),
        {"--seeds", "--seed", true,
         [&](const std::string& value, std::string& why) {
             if (sim_options::parseSeedRange(value, options.firstSeed, options.lastSeed)) {
                 return true;
             }
             why = "bad seed or range \"" + value + "\" (N or FIRST-LAST, 0 to 4294967295)";
             return false;
         }},
        {"--deck", nullptr, true,
         [&](const std::string& value, std::string& why) {
             std::string fault;
             if (!gamekit::parseCardList(value, options.deck, fault, {false, 1, 52})) {
                 why = "bad deck order: " + fault;
                 return false;
             }
             options.hasDeck = true;
             return true;
         }},
    };
    return sim_options::parseSimArguments(argc, argv, table, error);
}

}  // namespace pellandine_sim

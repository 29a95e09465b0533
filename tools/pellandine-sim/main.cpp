// pellandine-sim: deals Pellandine games from seeds (or one stacked deck),
// plays them with a named strategy and prints each result and the totals.
// Exit codes: 0 done, 2 refused command line.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "games/pellandine/rules/PellandineRules.h"
#include "tools/pellandine-sim/Replay.h"
#include "tools/pellandine-sim/SimOptions.h"
#include "tools/pellandine-sim/Strategies.h"

using namespace pellandine_sim;

namespace {

const char* variationName(int type) {
    const char* names[4] = {"pairs", "sum10", "sum11", "sum14"};
    return names[pellandine::normalizeGameType(type) - 1];
}

struct Totals {
    long deals = 0;
    long won = 0;
    double removedSum = 0;
    double removedSquares = 0;

    void add(const GameOutcome& o) {
        ++deals;
        won += o.won ? 1 : 0;
        removedSum += o.removed;
        removedSquares += static_cast<double>(o.removed) * o.removed;
    }
};

void printTotals(const SimOptions& options, const Totals& t) {
    const double n = static_cast<double>(t.deals);
    const double z = 1.96;
    // Wilson score interval: sound near 0 % and 100 %, where wins often are.
    const double p = t.won / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    const double mean = t.removedSum / n;
    const double variance = n > 1 ? (t.removedSquares - n * mean * mean) / (n - 1) : 0.0;
    const double meanHalf = z * std::sqrt(variance > 0 ? variance / n : 0.0);
    std::printf("variation %s, slide %s, strategy %s, deals %ld\n", variationName(options.gameType),
                options.slideMode == pellandine::kSlideStraightUp ? "straight" : "zigzag",
                options.strategy.c_str(), t.deals);
    std::printf("won: %ld (%.2f%%, 95%% interval %.2f%% to %.2f%%)\n", t.won, 100 * p,
                100 * std::max(0.0, centre - half), 100 * std::min(1.0, centre + half));
    std::printf("cards removed: mean %.2f (95%% interval %.2f to %.2f)\n", mean, mean - meanHalf,
                mean + meanHalf);
}

void printDeal(const char* label, const GameOutcome& o) {
    std::printf("%s: removed %d %s, %d groups, %d deck taps\n", label, o.removed,
                o.won ? "won" : "lost", o.groupsRemoved, o.deckTaps);
}

}  // namespace

int main(int argc, char** argv) {
    if (isReplayCommand(argc, argv)) return runReplayCommand(argc - 1, argv + 1);
    SimOptions options;
    std::string error;
    if (!parseSimOptions(argc, argv, options, error)) {
        if (error.empty()) {
            std::fputs(simUsage(), stdout);
            return 0;
        }
        std::fprintf(stderr, "pellandine-sim: %s\n%s", error.c_str(), simUsage());
        return 2;
    }
    std::unique_ptr<Strategy> strategy = makeStrategy(options.strategy, options.slideMode);
    Totals totals;
    if (options.hasDeck) {
        pellandine::PellandineRules rules(0, options.gameType, options.slideMode);
        rules.newGameWithOrder(options.deck);
        strategy->startDeal(options.firstSeed);
        const GameOutcome o = playDealtGame(rules, *strategy);
        totals.add(o);
        printDeal("deck", o);
    } else {
        for (uint64_t seed = options.firstSeed; seed <= options.lastSeed; ++seed) {
            // A fresh program per deal: its start shuffles and the New both
            // take the deal's seed, so a seed names one deal for good.
            const uint32_t s = static_cast<uint32_t>(seed);
            pellandine::PellandineRules rules(s, options.gameType, options.slideMode);
            rules.newGame(s);
            strategy->startDeal(s);
            const GameOutcome o = playDealtGame(rules, *strategy);
            totals.add(o);
            if (options.perDeal) {
                const std::string label = "seed " + std::to_string(s);
                printDeal(label.c_str(), o);
            }
        }
    }
    printTotals(options, totals);
    return 0;
}

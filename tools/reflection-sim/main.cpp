// Plays reflection deals with a chosen strategy and prints each result and
// the totals. Exit codes: 0 done, 2 bad command line or deck.

#include <chrono>
#include <cstdio>
#include <string>

#include "games/reflection/rules/DealSolver.h"
#include "games/reflection/rules/GreedyPlayer.h"
#include "games/reflection/rules/ReflectionGame.h"
#include "tools/reflection-sim/Replay.h"
#include "tools/reflection-sim/SimOptions.h"

using namespace reflection;
using namespace reflection_sim;

namespace {

struct DealResult {
    bool won = false;
    int cards = 0;
    int score = 0;
    SolveOutcome solve = SolveOutcome::Unknown;
    long long nodes = 0;
    double ms = 0;
    bool guarded = false;
};

struct Totals {
    long deals = 0, won = 0, lost = 0, unknown = 0, guarded = 0;
    long long cards = 0, score = 0, nodes = 0;
    double ms = 0, maxMs = 0;
};

void deckCodes(const ReflectionGame& game, int codes[kDeckSize]) {
    for (int i = 0; i < kDeckSize; ++i) codes[i] = cardCode(game.deck().cards[i]);
}

// Every move goes through the game's own legality check, so the result is
// what the rules allow, whatever the strategy believed. The moves are made on
// the game directly, not as undoable commands: a command is a heap object,
// and the simulator makes no allocation per move.
DealResult playDeal(ReflectionGame& game, const SimOptions& options) {
    DealResult r;
    game.dealOpeningCards();
    if (options.strategy == Strategy::Solver) {
        int codes[kDeckSize];
        deckCodes(game, codes);
        DealSolver solver(codes, options.expert);
        const auto t0 = std::chrono::steady_clock::now();
        SolveResult solved = solver.solve(options.nodeBudget, options.budgetMs);
        r.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                   .count();
        r.solve = solved.outcome;
        r.nodes = solved.nodes;
        // Stopped short of its position budget: the wall-clock guard fired.
        r.guarded = solved.outcome == SolveOutcome::Unknown &&
                    (options.nodeBudget == 0 || solved.nodes < options.nodeBudget);
        int made = 0;
        for (const Move& m : solved.moves) {
            if (!game.tryMove(m)) {
                std::fprintf(stderr, "solver line refused by the rules at move %d\n", made);
                break;
            }
            ++made;
        }
        if (solved.outcome != SolveOutcome::Won) playGreedy(game, ParkingRule::Careful);
    } else {
        const ParkingRule rule =
            options.strategy == Strategy::Careful ? ParkingRule::Careful : ParkingRule::Shortest;
        playGreedy(game, rule);
    }
    r.won = game.isWon();
    r.cards = game.cardsOnSequences();
    r.score = game.score();
    return r;
}

const char* outcomeText(const DealResult& r, Strategy strategy) {
    if (r.won) return "won ";
    if (strategy != Strategy::Solver) return "lost";
    return r.solve == SolveOutcome::Lost ? "lost" : "open";
}

void report(const char* label, const DealResult& r, const SimOptions& options, Totals& totals) {
    ++totals.deals;
    totals.won += r.won;
    totals.cards += r.cards;
    totals.score += r.score;
    if (options.strategy == Strategy::Solver) {
        totals.lost += !r.won && r.solve == SolveOutcome::Lost;
        totals.unknown += !r.won && r.solve != SolveOutcome::Lost;
        totals.nodes += r.nodes;
        totals.guarded += r.guarded;
        totals.ms += r.ms;
        if (r.ms > totals.maxMs) totals.maxMs = r.ms;
    }
    if (options.quiet) return;
    std::printf("%s  %s  cards %2d  score %3d", label, outcomeText(r, options.strategy), r.cards,
                r.score);
    if (options.strategy == Strategy::Solver) std::printf("  nodes %lld  ms %.1f", r.nodes, r.ms);
    std::printf("\n");
}

// The totals first, which repeat exactly from run to run (the solver's
// budget is in positions); the times last, on a line of their own.
void printTotals(const Totals& t, const SimOptions& options, double seconds) {
    const double n = t.deals > 0 ? static_cast<double>(t.deals) : 1.0;
    static const char* const kNames[] = {"greedy", "careful", "solver"};
    std::printf(
        "strategy %s, %s mode: %ld deals, %ld won (%.1f%%), mean cards %.2f, mean score %.1f\n",
        kNames[static_cast<int>(options.strategy)], options.expert ? "expert" : "normal", t.deals,
        t.won, 100.0 * t.won / n, t.cards / n, t.score / n);
    if (options.strategy == Strategy::Solver) {
        std::printf("solver: %ld proven lost, %ld open (budget spent), %.0f positions per deal\n",
                    t.lost, t.unknown, t.nodes / n);
        if (t.guarded > 0) {
            std::printf("solver: %ld deals stopped by the %d ms guard, not the position budget\n",
                        t.guarded, options.budgetMs);
        }
    }
    std::printf("time: %.0f deals/s", seconds > 0 ? t.deals / seconds : 0.0);
    if (options.strategy == Strategy::Solver) {
        std::printf(", solver %.2f ms per deal (max %.1f)", t.ms / n, t.maxMs);
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (isReplayCommand(argc, argv)) return runReplayCommand(argc - 1, argv + 1);
    SimOptions options;
    std::string error;
    if (!parseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "reflection-sim: %s\n%s", error.c_str(), usageText());
        return 2;
    }
    if (options.help) {
        std::printf("%s", usageText());
        return 0;
    }
    Totals totals;
    const auto start = std::chrono::steady_clock::now();
    ReflectionGame game;
    game.setExpertMode(options.expert);
    if (options.haveDeck) {
        game.arrangeDeck(options.deck);
        game.restartGame();
        report("deck", playDeal(game, options), options, totals);
    } else {
        for (uint64_t seed = options.firstSeed; seed <= options.lastSeed; ++seed) {
            // A fresh deck per seed, so a seed names the same deal on every run.
            ReflectionGame fresh;
            fresh.setExpertMode(options.expert);
            fresh.newGame(static_cast<uint32_t>(seed));
            char label[32];
            std::snprintf(label, sizeof label, "seed %llu", static_cast<unsigned long long>(seed));
            report(label, playDeal(fresh, options), options, totals);
        }
    }
    printTotals(totals, options,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return 0;
}

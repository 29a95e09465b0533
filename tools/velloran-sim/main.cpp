// velloran-sim: the least deadwood and melds of given hands, and whole games
// between two computer players. Exit codes: 0 done, 2 bad command line or
// bad hand.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "games/velloran/rules/HandAnalysis.h"
#include "games/velloran/rules/VelloranGame.h"
#include "tools/velloran-sim/PlayerSeat.h"
#include "tools/velloran-sim/SimOptions.h"

using namespace velloran;
using namespace velloran_sim;

namespace {

int runDeadwood() {
    std::string line;
    int lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<Card> cards;
        std::string error;
        if (!parseCards(line, cards, error, 10, 11)) {
            std::fflush(stdout);
            std::fprintf(stderr, "velloran-sim deadwood: line %d: %s\n", lineNumber, error.c_str());
            return 2;
        }
        const MeldAnalysis analysis = analyseHand(cards.data(), static_cast<int>(cards.size()));
        std::string melds;
        for (int g = 0; g < analysis.melds.count; ++g) {
            if (g > 0) melds += " | ";
            const CardGroup& group = analysis.melds.groups[g];
            melds += cardsText(group.cards, group.count);
        }
        std::printf("%d\t%s\n", analysis.deadwood, melds.c_str());
    }
    return 0;
}

// The 95 % Wilson score interval of k successes in n trials.
void wilson(long k, long n, double& low, double& high) {
    if (n == 0) {
        low = 0;
        high = 1;
        return;
    }
    const double z = 1.959963985;
    const double p = static_cast<double>(k) / static_cast<double>(n);
    const double nn = static_cast<double>(n);
    const double centre = p + z * z / (2 * nn);
    const double spread = z * std::sqrt(p * (1 - p) / nn + z * z / (4 * nn * nn));
    const double denom = 1 + z * z / nn;
    low = (centre - spread) / denom;
    high = (centre + spread) / denom;
}

struct Totals {
    long games = 0;
    long wins[2] = {0, 0};  // by the level given first and second
    long tiedGames = 0;
    long hands = 0;
    long gin = 0, knock = 0, undercut = 0, tied = 0, capped = 0;
    long dealtHands = 0;
    long long dealtDeadwood = 0;
    long long turns = 0;
};

// A hand seed from the game's seed and the hand's number, so every hand of
// every game shuffles differently and reproducibly.
uint32_t handSeed(uint32_t gameSeed, int hand) {
    uint32_t x = gameSeed * 2654435761u + static_cast<uint32_t>(hand) * 40503u + 0x9e3779b9u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return x;
}

int runPlay(const PlayOptions& options) {
    Totals totals;
    const auto start = std::chrono::steady_clock::now();
    for (long g = 0; g < options.games; ++g) {
        const uint32_t seed = options.seed + static_cast<uint32_t>(g);
        // Game 1: the first level in the computer's seat, game 2 the second;
        // games 3 and 4 the same with the other first dealer, and so on.
        const int computerLevel = static_cast<int>(g % 2);
        const int playerLevel = 1 - computerLevel;
        const bool computerDealsFirst = (g / 2) % 2 == 1;

        VelloranGame game;
        game.options().deal10Cards = options.deal == 10;
        game.options().hollywood = options.hollywood;
        game.options().pointsToWin = options.points;
        game.options().hints = options.hints;
        game.options().level = options.levels[computerLevel];
        game.shuffleAtStart(seed);
        PlayerSeat seat(options.levels[playerLevel]);

        Action start = Action::withSeed(Action::NewGame, handSeed(seed, 0));
        start.index = computerDealsFirst ? 1 : 0;
        game.apply(start);
        int hands = 0;
        long guard = 0;
        while (game.phase() != Phase::GameOver) {
            if (++guard > 10000000) {
                std::fprintf(stderr, "velloran-sim: game %ld does not end\n", g + 1);
                return 1;
            }
            bool done = false;
            switch (game.phase()) {
                case Phase::Dealing:
                    totals.dealtHands += 2;
                    totals.dealtDeadwood +=
                        game.dealtDeadwood(Side::Player) + game.dealtDeadwood(Side::Computer);
                    done = game.apply(Action::of(Action::BeginPlay));
                    break;
                case Phase::Play:
                    if (options.turnCap > 0 && game.turnsThisHand() >= options.turnCap &&
                        game.playerActive) {
                        ++totals.capped;
                        game.endHandAsTie(nullptr);
                        done = true;
                        break;
                    }
                    done = seat.act(game);
                    break;
                case Phase::Meld:
                case Phase::LayOff: done = seat.act(game); break;
                case Phase::HandResult: {
                    const bool playerEnded = game.playerActive;
                    const bool winnerEnded = game.playerWonHand == playerEnded;
                    const int winnerDeadwood =
                        game.playerWonHand ? game.playerDeadwood : game.computerDeadwood;
                    if (!winnerEnded)
                        ++totals.undercut;
                    else if (winnerDeadwood == 0)
                        ++totals.gin;
                    else
                        ++totals.knock;
                    ++hands;
                    totals.turns += game.turnsThisHand();
                    done = game.apply(Action::of(Action::RecordHand));
                    break;
                }
                case Phase::ScoreSheet:
                    done = game.apply(Action::withSeed(Action::NextHand, handSeed(seed, hands + 1 + static_cast<int>(totals.tied))));
                    break;
                case Phase::TiedHand:
                    ++totals.tied;
                    ++hands;
                    totals.turns += game.turnsThisHand();
                    done = game.apply(Action::withSeed(Action::ContinueAfterTie, handSeed(seed, hands + 1000)));
                    break;
                default: break;
            }
            if (!done) {
                std::fprintf(stderr, "velloran-sim: game %ld: no action accepted in phase %d\n",
                             g + 1, static_cast<int>(game.phase()));
                return 1;
            }
        }
        // Who won, by the final score of the deciding column (Hollywood: the
        // net over the columns).
        // Who won: the deciding column's winner by its final score (an exact
        // tie of the sums still has a winner); with Hollywood scoring the net
        // of the three finals, which can be a tie.
        int net;
        bool tiedGame;
        if (options.hollywood) {
            net = game.scores.hollywoodNet();
            tiedGame = net == 0;
        } else {
            const ColumnScore& col = game.scores.columns[0];
            net = col.won[kPlayerSide] ? col.finalScore[kPlayerSide] : -col.finalScore[kComputerSide];
            tiedGame = false;
        }
        const bool playerWonGame = options.hollywood ? net > 0 : game.scores.columns[0].won[kPlayerSide];
        ++totals.games;
        totals.hands += hands;
        const char* seatName[2] = {"computer seat", "person seat"};
        if (tiedGame) {
            ++totals.tiedGames;
            if (!options.quiet) std::printf("game %ld: tied in %d hands\n", g + 1, hands);
        } else {
            const bool playerWon = playerWonGame;
            const int winner = playerWon ? playerLevel : computerLevel;
            ++totals.wins[winner];
            if (!options.quiet) {
                std::printf("game %ld: %s (%s) wins by %d in %d hands\n", g + 1,
                            levelName(options.levels[winner]), seatName[playerWon ? 1 : 0],
                            playerWon ? net : -net, hands);
            }
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("%ld games, %s vs %s, deal %d, to %d%s%s\n", totals.games,
                levelName(options.levels[0]), levelName(options.levels[1]), options.deal,
                options.points, options.hollywood ? ", Hollywood" : "", options.hints ? ", hints" : "");
    for (int side = 0; side < 2; ++side) {
        double lo, hi;
        wilson(totals.wins[side], totals.games, lo, hi);
        std::printf("%s (%s): won %ld = %.2f %% (95 %% interval %.2f-%.2f)\n",
                    side == 0 ? "first" : "second", levelName(options.levels[side]),
                    totals.wins[side], 100.0 * totals.wins[side] / totals.games, 100 * lo, 100 * hi);
    }
    if (totals.tiedGames) std::printf("tied games: %ld\n", totals.tiedGames);
    const double hands = static_cast<double>(totals.hands);
    std::printf("hands per game: %.2f\n", hands / totals.games);
    std::printf("hands won by gin %.2f %%, knock %.2f %%, undercut %.2f %%; tied %.2f %% (%ld at the turn cap)\n",
                100 * totals.gin / hands, 100 * totals.knock / hands, 100 * totals.undercut / hands,
                100 * totals.tied / hands, totals.capped);
    std::printf("mean least deadwood of dealt 10-card hands: %.2f (%ld hands)\n",
                static_cast<double>(totals.dealtDeadwood) / static_cast<double>(totals.dealtHands),
                totals.dealtHands);
    std::printf("decisions per second: %.0f (%lld turns in %.2f s)\n",
                static_cast<double>(totals.turns) / seconds, totals.turns, seconds);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(usageText(), stderr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        std::fputs(usageText(), stdout);
        return 0;
    }
    if (args[0] == "deadwood") {
        if (args.size() > 1) {
            std::fprintf(stderr, "velloran-sim deadwood: unknown argument \"%s\"\n", args[1].c_str());
            return 2;
        }
        return runDeadwood();
    }
    if (args[0] == "play") {
        PlayOptions options;
        std::string error;
        if (!parsePlayOptions({args.begin() + 1, args.end()}, options, error)) {
            std::fprintf(stderr, "velloran-sim play: %s\n%s", error.c_str(), usageText());
            return 2;
        }
        return runPlay(options);
    }
    std::fprintf(stderr, "velloran-sim: unknown command \"%s\"\n%s", args[0].c_str(), usageText());
    return 2;
}

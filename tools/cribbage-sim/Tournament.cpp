// The play subcommand: whole games (or sets) between two computer levels
// through the program's own rules. Blue is the program's computer; Red is
// played by the same procedures at its own level, as a computer would.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "games/cribbage/rules/ComputerPlayer.h"
#include "games/cribbage/rules/CribbageGame.h"
#include "tools/cribbage-sim/SimCommon.h"

using namespace cribbage;

namespace cribbage_sim {

namespace {

const char* const kLevelNames[3] = {"beginning", "standard", "expert"};

int parseLevel(const std::string& word) {
    for (int i = 0; i < 3; ++i) {
        if (word == kLevelNames[i]) return i;
    }
    refuse("unknown level \"" + word + "\" (beginning, standard or expert)");
}

struct Interval {
    double low, high;
};

// The Wilson score interval at 95 %.
Interval wilson(long wins, long n) {
    if (n == 0) return {0, 0};
    const double z = 1.959964;
    const double p = static_cast<double>(wins) / n;
    const double denom = 1 + z * z / n;
    const double centre = (p + z * z / (2.0 * n)) / denom;
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4.0 * n * n)) / denom;
    return {centre - half, centre + half};
}

struct SideTotals {
    long wins = 0;
    long sets = 0;
    long long handPoints = 0, hands = 0;
    long long cribPoints = 0, cribs = 0;
    long long pegged = 0;
    long long heels = 0;
    long long points = 0;
};

uint32_t mixSeed(uint32_t seed, uint32_t n) {
    uint64_t z = (static_cast<uint64_t>(seed) << 32 | n) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>(z ^ (z >> 31));
}

}  // namespace

int runPlay(const Arguments& args) {
    args.allowOnly({"--levels", "--games", "--seed"}, {"--sets"});
    if (!args.has("--levels") || !args.has("--games") || !args.has("--seed"))
        refuse("play needs --levels <a>,<b> --games N --seed S [--sets]");
    const std::string levels = args.value("--levels");
    const size_t comma = levels.find(',');
    if (comma == std::string::npos) refuse("--levels must be two levels separated by a comma");
    const int level[2] = {parseLevel(levels.substr(0, comma)), parseLevel(levels.substr(comma + 1))};
    char* end = nullptr;
    const std::string gamesText = args.value("--games");
    const long games = std::strtol(gamesText.c_str(), &end, 10);
    if (gamesText.empty() || *end != 0 || games < 1 || games > 100000000)
        refuse("--games must be a count from 1, not \"" + gamesText + "\"");
    const std::string seedText = args.value("--seed");
    const unsigned long seed = std::strtoul(seedText.c_str(), &end, 10);
    if (seedText.empty() || *end != 0) refuse("--seed must be a number, not \"" + seedText + "\"");
    const bool sets = args.has("--sets");

    SideTotals totals[2];
    long long deals = 0;
    long long decisions = 0;
    long setsPlayed = 0;
    CribbageGame game(static_cast<uint32_t>(seed));
    GameOptions options;
    options.learningMessages = false;
    options.multipleGames = sets;
    game.apply(Action::simple(ActionKind::Continue));  // past the opening screen
    const auto t0 = std::chrono::steady_clock::now();

    long setIndex = -1;
    for (long g = 0; g < games; ++g) {
        // A (the first level) sits Red in even games (even sets), and the
        // first dealer alternates every two, so each seat deals first as often.
        const bool newSet = !sets || game.wins(Side::Red) >= kSetWins ||
                            game.wins(Side::Blue) >= kSetWins || g == 0;
        if (newSet) ++setIndex;
        const long turn = sets ? setIndex : g;
        const bool aIsRed = turn % 2 == 0;
        const bool aDealsFirst = (turn / 2) % 2 == 0;
        const int redPlayer = aIsRed ? 0 : 1;
        const int seat[2] = {redPlayer, 1 - redPlayer};  // player of Red, of Blue
        options.computerAI = level[seat[1]];
        game.setOptions(options);
        const bool computerDealsFirst = aDealsFirst != aIsRed;
        const int decisionsBefore = game.stats().decisions;
        ApplyResult started =
            game.newGameWithDealer(mixSeed(static_cast<uint32_t>(seed), static_cast<uint32_t>(g)),
                                   !newSet, computerDealsFirst);
        if (!started.accepted) refuse("internal: a new game was refused");
        const Side firstDealer = game.dealer();
        int gameDeals = 0;
        while (!game.gameOver()) {
            Action action;
            switch (game.state()) {
                case GameState::Discarding: {
                    const DiscardChoice c =
                        chooseDiscards(game, Side::Red, level[seat[0]], true);
                    ++decisions;
                    action = Action::discard(Side::Red, c.first, c.second);
                    break;
                }
                case GameState::Playing:
                    if (!game.playOver() && game.redToPlay()) {
                        if (game.canLay(Side::Red)) {
                            action = Action::lay(Side::Red, choosePlay(game, Side::Red, level[seat[0]]));
                            ++decisions;
                        } else {
                            action = Action::go(Side::Red);
                        }
                        break;
                    }
                    [[fallthrough]];
                default: {
                    ActionList list;
                    game.legalActions(list);
                    if (list.count != 1) refuse("internal: no single step in state " +
                                                std::to_string(static_cast<int>(game.state())));
                    action = list.actions[0];
                }
            }
            if (action.kind == ActionKind::Deal) ++gameDeals;
            ApplyResult r = game.apply(action);
            if (!r.accepted) refuse("internal: the rules refused the computer's own choice");
            for (const GameEvent& e : r.events) {
                if (e.kind != EventKind::PegMoved) continue;
                SideTotals& t = totals[seat[e.side == Side::Red ? 0 : 1]];
                t.points += e.points;
                switch (e.reason) {
                    case PegReason::Hand: t.handPoints += e.points; break;
                    case PegReason::Crib: t.cribPoints += e.points; break;
                    case PegReason::HisHeels: t.heels += e.points; break;
                    default: t.pegged += e.points; break;
                }
            }
            for (const GameEvent& e : r.events) {
                if (e.kind != EventKind::HandCounted) continue;
                SideTotals& t = totals[seat[e.side == Side::Red ? 0 : 1]];
                if (e.crib) ++t.cribs; else ++t.hands;
            }
        }
        decisions += game.stats().decisions - decisionsBefore;
        deals += gameDeals;
        const int winner = seat[game.winner() == Side::Red ? 0 : 1];
        ++totals[winner].wins;
        const bool setOver = sets && game.wins(game.winner()) >= kSetWins;
        if (setOver) {
            ++totals[winner].sets;
            ++setsPlayed;
        }
        std::printf("game %ld A=%s B=%s first=%s A=%d B=%d deals=%d winner=%s", g + 1,
                    sideName(aIsRed ? Side::Red : Side::Blue), sideName(aIsRed ? Side::Blue : Side::Red),
                    firstDealer == (aIsRed ? Side::Red : Side::Blue) ? "A" : "B",
                    game.score(aIsRed ? Side::Red : Side::Blue), game.score(aIsRed ? Side::Blue : Side::Red),
                    gameDeals, winner == 0 ? "A" : "B");
        if (sets) {
            std::printf(" set=%ld wins A=%d B=%d%s", setIndex + 1,
                        game.wins(aIsRed ? Side::Red : Side::Blue), game.wins(aIsRed ? Side::Blue : Side::Red),
                        setOver ? " set over" : "");
        }
        std::printf("\n");
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    std::printf("totals games=%ld deals=%lld deals/game=%.2f\n", games, deals,
                static_cast<double>(deals) / games);
    for (int p = 0; p < 2; ++p) {
        const SideTotals& t = totals[p];
        const Interval w = wilson(t.wins, games);
        std::printf("%s (%s) wins %ld of %ld = %.2f %% (95 %% Wilson %.2f-%.2f %%)\n", p == 0 ? "A" : "B",
                    kLevelNames[level[p]], t.wins, games, 100.0 * t.wins / games, 100 * w.low,
                    100 * w.high);
    }
    if (sets) {
        for (int p = 0; p < 2; ++p) {
            const Interval w = wilson(totals[p].sets, setsPlayed);
            std::printf("%s (%s) sets %ld of %ld = %.2f %% (95 %% Wilson %.2f-%.2f %%)\n",
                        p == 0 ? "A" : "B", kLevelNames[level[p]], totals[p].sets, setsPlayed,
                        setsPlayed ? 100.0 * totals[p].sets / setsPlayed : 0.0, 100 * w.low,
                        100 * w.high);
        }
    }
    for (int p = 0; p < 2; ++p) {
        const SideTotals& t = totals[p];
        std::printf("%s (%s) per hand %.3f per crib %.3f pegged per deal %.3f heels per deal %.3f\n",
                    p == 0 ? "A" : "B", kLevelNames[level[p]],
                    t.hands ? static_cast<double>(t.handPoints) / t.hands : 0.0,
                    t.cribs ? static_cast<double>(t.cribPoints) / t.cribs : 0.0,
                    deals ? static_cast<double>(t.pegged) / deals : 0.0,
                    deals ? static_cast<double>(t.heels) / deals : 0.0);
    }
    std::printf("decisions=%lld in %.2f s: %.0f decisions/s (rules included)\n", decisions, seconds,
                seconds > 0 ? decisions / seconds : 0.0);
    return 0;
}

}  // namespace cribbage_sim

// Pellandine rules: the search for an allowed group (run after every step by
// a player helper or a simulator) and a whole game played at random.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "games/pellandine/rules/GroupRules.h"
#include "games/pellandine/rules/PellandineRules.h"

using namespace pellandine;

namespace {

// Dealt tables of the variation, several seeds so the timing is not of one
// lucky layout. The games stay alive: their shoes own the cards.
struct DealtTables {
    std::vector<std::unique_ptr<PellandineRules>> games;
    std::vector<TableGrid> tables;
};

DealtTables dealtTables(int gameType) {
    DealtTables dealt;
    for (uint32_t seed = 1; seed <= 64; ++seed) {
        dealt.games.push_back(std::make_unique<PellandineRules>(seed, gameType));
        dealt.games.back()->newGame(seed);
        dealt.tables.push_back(dealt.games.back()->grid());
    }
    return dealt;
}

void BM_HasAllowedGroup(benchmark::State& state) {
    const DealtTables dealt = dealtTables(static_cast<int>(state.range(0)));
    const std::vector<TableGrid>& tables = dealt.tables;
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hasAllowedGroup(tables[k]));
        k = (k + 1) % tables.size();
    }
}
BENCHMARK(BM_HasAllowedGroup)->DenseRange(kPairs, kSum14);

void BM_FindAllGroups(benchmark::State& state) {
    const DealtTables dealt = dealtTables(static_cast<int>(state.range(0)));
    const std::vector<TableGrid>& tables = dealt.tables;
    std::vector<Group> groups;
    size_t k = 0;
    for (auto _ : state) {
        findGroups(tables[k], groups);
        benchmark::DoNotOptimize(groups.data());
        k = (k + 1) % tables.size();
    }
}
BENCHMARK(BM_FindAllGroups)->DenseRange(kPairs, kSum14);

// Deal, then remove a random allowed group by tapping its cards, tapping the
// deck only when none is allowed, until the deck tap changes nothing.
void BM_RandomGame(benchmark::State& state) {
    const int gameType = static_cast<int>(state.range(0));
    std::mt19937 pick(5);
    std::vector<Group> groups;
    uint32_t seed = 1;
    for (auto _ : state) {
        PellandineRules rules(seed, gameType);
        rules.newGame(seed++);
        while (rules.phase() == GamePhase::Playing) {
            findGroups(rules.grid(), groups);
            if (groups.empty()) {
                if (rules.tapDeck().events.empty()) break;
                continue;
            }
            const Group& g = groups[pick() % groups.size()];
            for (int i = 0; i < g.size; ++i) {
                rules.select(g.index[i] / kColumns, g.index[i] % kColumns);
                rules.evaluateSelection();
            }
        }
        benchmark::DoNotOptimize(rules.score());
    }
}
BENCHMARK(BM_RandomGame)->DenseRange(kPairs, kSum14);

}  // namespace

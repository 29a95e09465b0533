// The reflection rules: listing the legal moves of a position, and whole
// greedy games, played directly and through the command history.

#include <benchmark/benchmark.h>

#include <vector>

#include "games/reflection/rules/CommandHistory.h"
#include "games/reflection/rules/DealSolver.h"
#include "games/reflection/rules/GreedyPlayer.h"
#include "games/reflection/rules/ReflectionGame.h"

using namespace reflection;

namespace {

// A game of the seed played `greedyMoves` greedy moves in, so the talons
// hold cards, with a dealt card waiting.
void midGame(ReflectionGame& game, uint32_t seed, int greedyMoves) {
    game.newGame(seed);
    game.dealOpeningCards();
    Move move;
    for (int i = 0; i < greedyMoves && nextGreedyMove(game, ParkingRule::Shortest, move); ++i) {
        game.tryMove(move);
    }
    // With a card waiting every kind of placement is open, not just the deal.
    if (game.dealtCard() == nullptr) game.tryMove(Move::dealCard());
}

void BM_LegalMoves(benchmark::State& state) {
    ReflectionGame game;
    midGame(game, 17, static_cast<int>(state.range(0)));
    long long moves = 0;
    for (auto _ : state) {
        MoveList list;
        game.legalMoves(list);
        moves += list.count;
        benchmark::DoNotOptimize(list);
    }
    state.counters["moves"] =
        benchmark::Counter(static_cast<double>(moves) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_LegalMoves)->Arg(0)->Arg(40)->Arg(80);

void BM_GreedyGame(benchmark::State& state) {
    ReflectionGame game;
    uint32_t seed = 1;
    for (auto _ : state) {
        game.newGame(seed++);
        game.dealOpeningCards();
        benchmark::DoNotOptimize(playGreedy(game, ParkingRule::Shortest));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GreedyGame);

void BM_GreedyGameThroughHistory(benchmark::State& state) {
    ReflectionGame game;
    CommandHistory history;
    uint32_t seed = 1;
    for (auto _ : state) {
        history.clearHistory();
        game.newGame(seed++);
        game.dealOpeningCards();
        benchmark::DoNotOptimize(playGreedy(game, ParkingRule::Shortest, &history));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GreedyGameThroughHistory);

void BM_UndoRedoWholeGame(benchmark::State& state) {
    ReflectionGame game;
    CommandHistory history;
    game.newGame(5);
    game.dealOpeningCards();
    playGreedy(game, ParkingRule::Shortest, &history);
    for (auto _ : state) {
        while (history.undoLast()) {
        }
        while (history.redoNext()) {
        }
    }
    state.SetItemsProcessed(state.iterations() * history.size() * 2);
}
BENCHMARK(BM_UndoRedoWholeGame);

// The solver's speed in positions per second, over a fixed budget.
void BM_SolverPositions(benchmark::State& state) {
    ReflectionGame game;
    game.newGame(9);  // a deal the solver does not finish within the budget
    int codes[kDeckSize];
    for (int i = 0; i < kDeckSize; ++i) codes[i] = cardCode(game.deck().cards[i]);
    long long nodes = 0;
    for (auto _ : state) {
        DealSolver solver(codes, false);
        nodes += solver.solve(state.range(0)).nodes;
    }
    state.SetItemsProcessed(nodes);
}
BENCHMARK(BM_SolverPositions)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

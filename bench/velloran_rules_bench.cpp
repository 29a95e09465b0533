// The Velloran rules: the least deadwood of 10 and 11 random cards, the full
// meld search beside it, and one Expert decision of the computer's turn
// (take or not, the throw, the knock) on random positions; a copy of the
// 153,600-byte screen image is the yardstick of the same run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "games/velloran/rules/HandAnalysis.h"
#include "games/velloran/rules/VelloranGame.h"

using namespace velloran;

namespace {

void BM_MemcpyScreen(benchmark::State& state) {
    std::vector<unsigned char> from(153600, 7), to(153600);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), 153600);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 153600);
}
BENCHMARK(BM_MemcpyScreen);

// The same 4,096 hands every run.
std::vector<std::vector<Card>> randomHands(int size) {
    std::mt19937 rng(1234);
    std::vector<std::vector<Card>> hands;
    for (int i = 0; i < 4096; ++i) {
        std::vector<Card> deck(kDeckSize);
        for (int c = 0; c < kDeckSize; ++c) deck[c] = static_cast<Card>(c);
        std::shuffle(deck.begin(), deck.end(), rng);
        deck.resize(static_cast<size_t>(size));
        hands.push_back(deck);
    }
    return hands;
}

void BM_ComputeDeadwood(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const auto hands = randomHands(size);
    std::vector<HandMask> masks;
    for (const auto& h : hands) masks.push_back(handMask(h.data(), size));
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(leastDeadwood(masks[i]));
        i = (i + 1) & 4095;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeDeadwood)->Arg(10)->Arg(11);

// The search the meld screens use, for comparison.
void BM_FullMeldSearch(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const auto hands = randomHands(size);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(analyseHand(hands[i].data(), size));
        i = (i + 1) & 4095;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullMeldSearch)->Arg(10)->Arg(11);

// Random positions of a game between two experts, each stopped where the
// computer is about to move with ten cards.
std::vector<VelloranGame> expertPositions() {
    std::vector<VelloranGame> positions;
    std::mt19937 rng(99);
    for (uint32_t seed = 1; positions.size() < 256; ++seed) {
        VelloranGame game;
        game.options().level = Level::Expert;
        game.options().deal10Cards = false;
        game.shuffleAtStart(seed);
        Action start = Action::withSeed(Action::NewGame, seed);
        start.index = 0;  // the person deals: the computer throws first, then draws
        game.apply(start);
        game.apply(Action::of(Action::BeginPlay));
        // A few turns in, the stock between 31 and 15 cards.
        const int turns = static_cast<int>(rng() % 8);
        for (int t = 0; t < turns && game.phase() == Phase::Play && game.playerActive; ++t) {
            game.apply(Action::of(Action::TakeStock));
            const int slot = game.chooseDiscard(Side::Player, VelloranGame::levelStrategy(Level::Expert, false));
            game.apply(Action::withSlot(Action::TapSlot, slot));
            VelloranGame before = game;
            game.apply(Action::of(Action::Discard));
            if (!game.playerActive || game.phase() != Phase::Play) {
                game = before;  // keep a position where the computer still moves
                break;
            }
        }
        if (game.phase() == Phase::Play && game.playerActive && game.computerCardCount() == 10 &&
            game.playerCardCount() == 11) {
            // Put the person's last card on the pile, as his discard would.
            const int slot = game.chooseDiscard(Side::Player, VelloranGame::levelStrategy(Level::Expert, false));
            game.discardPile.push_back(game.playerHand[slot]);
            game.playerHand[slot] = kNoCard;
            positions.push_back(game);
        }
    }
    return positions;
}

// Take the discard or not, the throw of the eleven cards, and the knock.
void BM_ExpertDecision(benchmark::State& state) {
    std::vector<VelloranGame> positions = expertPositions();
    const Strategy expert = VelloranGame::levelStrategy(Level::Expert, false);
    size_t i = 0;
    for (auto _ : state) {
        VelloranGame& game = positions[i];
        const bool take = game.shouldTakeDiscard(Side::Computer, expert);
        game.computerHand[kComputerDrawSlot] = take ? game.discardTop() : game.stock[game.nextCard];
        const int slot = game.chooseDiscard(Side::Computer, expert);
        const Card thrown = game.computerHand[slot];
        game.computerHand[slot] = kNoCard;
        const int d = leastDeadwood(game.sideMask(Side::Computer));
        benchmark::DoNotOptimize(game.wantsToKnock(Side::Computer, Level::Expert, d));
        // Back to the position for the next round.
        game.computerHand[slot] = thrown;
        game.computerHand[kComputerDrawSlot] = kNoCard;
        i = (i + 1) % positions.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExpertDecision);

}  // namespace

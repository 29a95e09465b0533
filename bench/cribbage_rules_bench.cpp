// The cribbage hand count and the expert's discard decision, beside the
// 153,600-byte frame copy that every benchmark carries as its yardstick.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "games/cribbage/rules/ComputerPlayer.h"
#include "games/cribbage/rules/CribbageGame.h"
#include "games/cribbage/rules/HandCount.h"

using namespace cribbage;

namespace {

struct HandWithStarter {
    Card cards[4];
    Card starter;
};

// A fixed set of random hands: five distinct cards each, from a seeded
// generator, so every run counts the same hands.
std::vector<HandWithStarter> randomHands(int n) {
    std::vector<HandWithStarter> hands(n);
    uint32_t state = 12345;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7fff;
    };
    for (HandWithStarter& h : hands) {
        bool used[52] = {};
        Card five[5];
        for (Card& c : five) {
            int index;
            do index = static_cast<int>(next() % 52);
            while (used[index]);
            used[index] = true;
            c = Card::fromIndex(index);
        }
        for (int i = 0; i < 4; ++i) h.cards[i] = five[i];
        h.starter = five[4];
    }
    return hands;
}

void BM_CountHand(benchmark::State& state) {
    const std::vector<HandWithStarter> hands = randomHands(4096);
    size_t i = 0;
    for (auto _ : state) {
        const HandWithStarter& h = hands[i++ & 4095];
        benchmark::DoNotOptimize(countHand(h.cards, h.starter, false));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CountHand);

// Every four-card hand with every starter: 12,994,800 counts an iteration.
void BM_CountAllHands(benchmark::State& state) {
    long long sum = 0;
    for (auto _ : state) {
        Card hand[4];
        for (int a = 0; a < 52; ++a) {
            hand[0] = Card::fromIndex(a);
            for (int b = a + 1; b < 52; ++b) {
                hand[1] = Card::fromIndex(b);
                for (int c = b + 1; c < 52; ++c) {
                    hand[2] = Card::fromIndex(c);
                    for (int d = c + 1; d < 52; ++d) {
                        hand[3] = Card::fromIndex(d);
                        for (int s = 0; s < 52; ++s) {
                            if (s == a || s == b || s == c || s == d) continue;
                            sum += countHand(hand, Card::fromIndex(s), false).total;
                        }
                    }
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 12994800LL);
}
BENCHMARK(BM_CountAllHands)->Unit(benchmark::kMillisecond);

// The four deals of one shuffle, each dealt and ready for the computer's
// discards (46, 33, 20 and 7 starter candidates).
std::vector<CribbageGame> dealsOfAShuffle(uint32_t seed) {
    std::vector<CribbageGame> deals;
    CribbageGame game(seed);
    GameOptions options;
    options.multipleGames = false;
    options.learningMessages = false;
    game.setOptions(options);
    game.apply(Action::simple(ActionKind::Continue));
    game.apply(Action::newGame(seed, false));
    for (int d = 0; d < 4 && !game.gameOver(); ++d) {
        game.apply(Action::simple(ActionKind::Deal));
        deals.push_back(game);
        while (!game.gameOver() && game.state() != GameState::Dealing) {
            ActionList list;
            game.legalActions(list);
            game.apply(list.actions[0]);
        }
    }
    return deals;
}

// One expert discard decision for each deal of a shuffle, in turn.
void BM_ExpertDiscardsEachDeal(benchmark::State& state) {
    const std::vector<CribbageGame> deals = dealsOfAShuffle(2026);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chooseDiscards(deals[i++ % deals.size()], Side::Blue, kExpert, true));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExpertDiscardsEachDeal)->Unit(benchmark::kMicrosecond);

// The first deal of a shuffle: 15 pairs x 46 starters = 690 counts.
void BM_ExpertDiscardsFirstDeal(benchmark::State& state) {
    const std::vector<CribbageGame> deals = dealsOfAShuffle(2026);
    for (auto _ : state) {
        benchmark::DoNotOptimize(chooseDiscards(deals[0], Side::Blue, kExpert, true));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExpertDiscardsFirstDeal)->Unit(benchmark::kMicrosecond);

void BM_Memcpy153600(benchmark::State& state) {
    std::vector<unsigned char> from(153600, 0x5a), to(153600);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 153600LL);
}
BENCHMARK(BM_Memcpy153600)->Unit(benchmark::kMicrosecond);

}  // namespace

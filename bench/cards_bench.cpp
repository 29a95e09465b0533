// Drawing a full table of 52 cards, and one card flight at the default speed.

#include <benchmark/benchmark.h>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/sound/CardFlight.h"

using namespace gamekit;

namespace {

struct Table {
    Surface screen{kScreenWidth, kScreenHeight};
    std::vector<uint16_t> strip = std::vector<uint16_t>(kBackStripWidth * kBackStripHeight, 0x0010);
    GArray<CardTheme*> themes = makeStandardThemes();
    Table() { giveStrip(themes, strip.data()); }
    ~Table() { destroyThemes(themes); }
};

void BM_Draw52Cards(benchmark::State& state) {
    Table t;
    for (auto _ : state) {
        t.screen.fill(t.themes[5]->tableColour);
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 0; rank < 13; ++rank) {
                PlayingCard card(rank, suit, (rank + suit) % 3 != 0);
                drawCard(t.screen, card, t.themes[5], 4 + 17 * rank, 22 + 60 * suit, 0, 0,
                         rank == 5);
            }
        }
        benchmark::DoNotOptimize(t.screen.pixels());
    }
}
BENCHMARK(BM_Draw52Cards);

// The work of a flight of 10 steps (speed 6) without its 16-ms step waits.
void BM_CardFlightWork(benchmark::State& state) {
    Table t;
    PlayingCard card(kQueen, kHearts, true);
    for (auto _ : state) {
        animateCardMovePaused(t.screen, &card, t.themes[5], 13, 81, 165, 183, animationSteps(6), 0);
    }
}
BENCHMARK(BM_CardFlightWork);

// The whole flight as the player sees it: 11 positions held 16 ms each.
void BM_CardFlightAtDefaultSpeed(benchmark::State& state) {
    Table t;
    PlayingCard card(kQueen, kHearts, true);
    for (auto _ : state) {
        animateCardMove(t.screen, &card, t.themes[5], 13, 81, 165, 183, animationSteps(6));
    }
}
BENCHMARK(BM_CardFlightAtDefaultSpeed)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

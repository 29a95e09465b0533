// One full frame of the reflection table: a game in full swing (cards on the
// sequences, crowded store talons, a card picked with its rank marks) drawn
// whole into the 240 x 320 image, as the main loop does every frame.

#include <benchmark/benchmark.h>

#include <vector>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/Surface.h"
#include "games/reflection/ReflectionSprites.h"
#include "games/reflection/rules/GreedyPlayer.h"
#include "games/reflection/table/TableView.h"

using namespace reflection;

namespace {

// Plays a deal greedily until the table is crowded: every talon used and a
// dealt card waiting.
void crowdedTable(ReflectionGame& game) {
    game.newGame(20240601);
    game.dealOpeningCards();
    Move m;
    int moves = 0;
    while (moves < 70 && nextGreedyMove(game, ParkingRule::Shortest, m) && game.tryMove(m)) {
        ++moves;
    }
    if (game.dealtCard() == nullptr) game.tryMove(Move::dealCard());
}

void BM_ReflectionTableFrame(benchmark::State& state) {
    std::vector<uint16_t> strip(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x8410);
    std::vector<uint16_t> sheet(reflection_sprites::kSheetWidth * reflection_sprites::kSheetHeight,
                                0xFFE0);
    gamekit::GArray<gamekit::CardTheme*> themes = gamekit::makeStandardThemes(strip.data());
    ReflectionGame game;
    crowdedTable(game);
    TableScene scene;
    scene.game = &game;
    scene.theme = themes[5];
    scene.sheet = sheet.data();
    scene.sheetStride = reflection_sprites::kSheetWidth;
    scene.showScore = scene.showTime = true;
    scene.seconds = 123;
    scene.pick.source = game.dealtCard() ? PickKind::DealtCard : PickKind::None;
    scene.pick.waiting = true;
    gamekit::Surface screen(gamekit::kScreenWidth, gamekit::kScreenHeight);
    for (auto _ : state) {
        drawTable(screen, scene);
        benchmark::DoNotOptimize(screen.pixels()[160 * gamekit::kScreenWidth + 120]);
    }
    gamekit::destroyThemes(themes);
}
BENCHMARK(BM_ReflectionTableFrame);

}  // namespace

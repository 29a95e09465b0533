// One full frame of the Pellandine table: background, deck, banners, places,
// counters, twenty cards (two selected), the prompt box and the menu bar,
// drawn into a 240 x 320 surface as every frame of play does.
#include <benchmark/benchmark.h>

#include <vector>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "games/pellandine/PellandineSprites.h"
#include "games/pellandine/TableView.h"
#include "games/pellandine/rules/PellandineRules.h"

namespace {

void BM_PellandineTableFrame(benchmark::State& state) {
    const int gameType = static_cast<int>(state.range(0));
    pellandine::PellandineRules rules(42, gameType);
    rules.newGame(7);
    rules.select(0, 0);
    rules.select(0, 1);

    std::vector<uint16_t> backs(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x7BEF);
    std::vector<uint16_t> sheet(pellandine_sprites::kSheetWidth * pellandine_sprites::kSheetHeight,
                                gamekit::colours::kSheetKey);
    for (int i = 0; i < pellandine_sprites::kSheetWidth * 60; i += 3) sheet[i] = 0x0000;
    gamekit::GArray<gamekit::CardTheme*> themes = gamekit::makeStandardThemes(backs.data());

    gamekit::MenuBar bar(&gamekit::font1());
    gamekit::MenuItem game("Game", &bar), configure("Configure", &bar), help("Help", &bar);
    bar.addMenu(&game, 0);
    bar.addMenu(&configure, 0);
    bar.addMenu(&help, 1);
    gamekit::MessageLog prompts(3, 286, 234, 31, &gamekit::font1());
    const pellandine::PromptLines lines = rules.promptLines();
    prompts.addLine(lines.first);
    prompts.addLine(lines.second);

    pellandine::TableScene scene;
    scene.grid = &rules.grid();
    scene.theme = themes[5];
    scene.sheet = sheet.data();
    scene.score = rules.score();
    scene.cardsLeft = rules.cardsLeft();
    scene.prompts = &prompts;
    scene.bar = &bar;
    gamekit::Surface surface(gamekit::kScreenWidth, gamekit::kScreenHeight);
    for (auto _ : state) {
        pellandine::drawTable(surface, scene);
        benchmark::DoNotOptimize(surface.pixels()[160 * gamekit::kScreenWidth + 120]);
    }
    gamekit::destroyThemes(themes);
}
BENCHMARK(BM_PellandineTableFrame)->Arg(pellandine::kPairs)->Arg(pellandine::kSum14);

}  // namespace

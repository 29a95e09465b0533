// One full frame of the Velloran play screen, as the main loop makes it:
// the person's deadwood counted again, the whole table drawn (both hands,
// the piles, the panel, the turn button, the hint marks, the menu bar)
// through the frame record and the rows it changed presented, beside the
// one block copy of a 240 x 320 screen. BM_VelloranPlayFrame is the usual
// frame, like the one before; BM_VelloranPlayFrameWhole the frame painted
// whole after a tap.

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/DrawingRecord.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/shell/Presentation.h"
#include "gamekit/ui/Menu.h"
#include "games/velloran/VelloranSprites.h"
#include "games/velloran/rules/VelloranGame.h"
#include "games/velloran/table/TableView.h"

using namespace velloran;

namespace {

constexpr size_t kScreenBytes = 240 * 320 * 2;  // 153,600

// A hand in play: the person holds eleven cards, one of them selected, with
// hints on, so every part of the play screen is drawn.
void handInPlay(VelloranGame& game) {
    game.options().hints = true;
    Action deal = Action::withSeed(Action::NewGame, 20240601);
    deal.index = 1;  // the computer deals: the person is offered the upcard
    game.apply(deal);
    game.apply(Action::of(Action::BeginPlay));
    game.apply(Action::of(Action::TakeDiscard));
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        if (game.playerSlot(slot) != kNoCard) {
            game.apply(Action::withSlot(Action::TapSlot, slot));
            break;
        }
    }
}

// The pictures a table draws with: a plain grey back strip, a sheet of key.
struct Pictures {
    Pictures()
        : strip(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x8410),
          sheet(velloran_sprites::kSheetWidth * velloran_sprites::kSheetHeight, velloran_sprites::kKey),
          themes(gamekit::makeStandardThemes(strip.data())) {}
    ~Pictures() { gamekit::destroyThemes(themes); }
    TableScene scene(const VelloranGame& game) const {
        TableScene s;
        s.game = &game;
        s.theme = themes[5];
        s.sheet = sheet.data();
        s.displayHints = true;
        s.displayCardsInDeck = true;
        return s;
    }
    std::vector<uint16_t> strip;
    std::vector<uint16_t> sheet;
    gamekit::GArray<gamekit::CardTheme*> themes;
};

void playFrames(benchmark::State& state, bool whole) {
    const Pictures pictures;
    VelloranGame game;
    handInPlay(game);
    gamekit::MenuBar bar(&gamekit::font1());
    gamekit::MenuItem gameMenu("Game", &bar), configure("Configure", &bar), help("Help", &bar);
    bar.addMenu(&gameMenu, 0);
    bar.addMenu(&configure, 0);
    bar.addMenu(&help, 1);
    TableButtons buttons;
    const TableScene scene = pictures.scene(game);
    std::vector<uint16_t> image(gamekit::kScreenWidth * gamekit::kScreenHeight);
    gamekit::Surface screen(image.data(), gamekit::kScreenWidth, gamekit::kScreenHeight);
    std::vector<uint8_t> display(kScreenBytes);
    const gamekit::DisplayInfo portrait;
    gamekit::DrawingRecord record;
    for (auto _ : state) {
        if (whole) record.forget();
        record.drawFrame(screen, [&](gamekit::Surface& s) {
            game.computeDeadwood(Side::Player);
            drawPlayScreen(s, scene, buttons);
            bar.draw(s);
        });
        const gamekit::ScreenBox rows = record.changed().bounds();
        gamekit::convertRows(image.data(), portrait, display.data(), rows.top, rows.bottom);
        benchmark::DoNotOptimize(display[kScreenBytes / 2]);
    }
}

void BM_VelloranPlayFrame(benchmark::State& state) {
    playFrames(state, false);
}
void BM_VelloranPlayFrameWhole(benchmark::State& state) {
    playFrames(state, true);
}
BENCHMARK(BM_VelloranPlayFrame);
BENCHMARK(BM_VelloranPlayFrameWhole);

// The analysis the frame repeats: the person's least deadwood.
void BM_VelloranFrameAnalysis(benchmark::State& state) {
    VelloranGame game;
    handInPlay(game);
    for (auto _ : state) {
        game.computeDeadwood(Side::Player);
        benchmark::DoNotOptimize(game.playerDeadwood);
    }
}
BENCHMARK(BM_VelloranFrameAnalysis);

// The drawing alone, without the analysis and the presentation.
void BM_VelloranPlayDraw(benchmark::State& state) {
    const Pictures pictures;
    VelloranGame game;
    handInPlay(game);
    TableButtons buttons;
    const TableScene scene = pictures.scene(game);
    gamekit::Surface screen(gamekit::kScreenWidth, gamekit::kScreenHeight);
    for (auto _ : state) {
        drawPlayScreen(screen, scene, buttons);
        benchmark::DoNotOptimize(screen.pixels()[160 * gamekit::kScreenWidth + 120]);
    }
}
BENCHMARK(BM_VelloranPlayDraw);

// The yardstick of the same run: one block copy of a whole screen.
void BM_ScreenMemcpy(benchmark::State& state) {
    std::vector<uint8_t> from(kScreenBytes, 0x5A), to(kScreenBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kScreenBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScreenMemcpy);

}  // namespace

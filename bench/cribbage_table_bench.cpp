// One full frame of the cribbage table in the Playing state, drawn into the
// 240 x 320 image through the frame record and its changed rows presented
// to a portrait frame buffer as the main loop does every frame, beside the
// same run's copy of the 153,600-byte screen image, the yardstick every
// frame is held to. BM_CribbageTableFrame is the usual frame, like the one
// before; BM_CribbageTableFrameWhole the frame painted whole after a tap.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/DrawingRecord.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/shell/Presentation.h"
#include "gamekit/ui/Controls.h"
#include "games/cribbage/CribbageSprites.h"
#include "games/cribbage/table/TableLayout.h"
#include "games/cribbage/table/TableView.h"

using namespace cribbage;

namespace {

// A play in full swing: both players have laid cards, the pegs have moved.
void midPlay(CribbageGame& game) {
    game.apply(Action::simple(ActionKind::Continue));
    game.apply(Action::newGame(20240601, true));
    game.apply(Action::simple(ActionKind::Deal));
    game.apply(Action::discard(Side::Red, 0, 1));
    game.apply(Action::simple(ActionKind::RevealStarter));
    for (int moves = 0; moves < 2 && game.state() == GameState::Playing && !game.playOver();) {
        ActionList legal;
        game.legalActions(legal);
        if (legal.count == 0) break;
        game.apply(legal.actions[0]);
        ++moves;
    }
}

void tableFrames(benchmark::State& state, bool whole) {
    std::vector<uint16_t> strip(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x8410);
    std::vector<uint16_t> sheet(cribbage_sprites::kSheetWidth * cribbage_sprites::kSheetHeight,
                                0x001F);
    for (size_t i = 0; i < sheet.size(); i += 3) sheet[i] = 0xA145;  // keyed and opaque pixels
    gamekit::GArray<gamekit::CardTheme*> themes = gamekit::makeStandardThemes(strip.data());
    CribbageGame game(7);
    midPlay(game);
    gamekit::MessageLog red(kRedMessages.left, kRedMessages.top, 202, 29, &gamekit::font1());
    gamekit::MessageLog status(kStatusLine.left, kStatusLine.top, 120, 15, &gamekit::font1());
    red.addLine("Select a card to play and");
    red.addLine("then tap the play area");
    status.addLine("Waiting for Red...");
    TableScene scene;
    scene.game = &game;
    scene.state = GameState::Playing;
    scene.theme = themes[5];
    scene.sheet = sheet.data();
    scene.sheetStride = cribbage_sprites::kSheetWidth;
    scene.selected[1] = true;
    scene.pegs[0] = {game.score(Side::Red), game.backPeg(Side::Red)};
    scene.pegs[1] = {game.score(Side::Blue), game.backPeg(Side::Blue)};
    scene.redMessages = &red;
    scene.statusLine = &status;
    TableView view;
    std::vector<uint16_t> image(gamekit::kScreenWidth * gamekit::kScreenHeight);
    gamekit::Surface screen(image.data(), gamekit::kScreenWidth, gamekit::kScreenHeight);
    std::vector<uint8_t> frameBuffer(153600);
    const gamekit::DisplayInfo portrait{16, 2, 480, false};
    gamekit::DrawingRecord record;
    for (auto _ : state) {
        if (whole) record.forget();
        record.drawFrame(screen, [&](gamekit::Surface& s) { view.draw(s, scene); });
        const gamekit::ScreenBox rows = record.changed().bounds();
        gamekit::convertRows(image.data(), portrait, frameBuffer.data(), rows.top, rows.bottom);
        benchmark::DoNotOptimize(frameBuffer.data());
    }
    gamekit::destroyThemes(themes);
}

void BM_CribbageTableFrame(benchmark::State& state) {
    tableFrames(state, false);
}
void BM_CribbageTableFrameWhole(benchmark::State& state) {
    tableFrames(state, true);
}
BENCHMARK(BM_CribbageTableFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CribbageTableFrameWhole)->Unit(benchmark::kMicrosecond);

void BM_Memcpy153600(benchmark::State& state) {
    std::vector<unsigned char> from(153600, 0x5a), to(153600);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(BM_Memcpy153600)->Unit(benchmark::kMicrosecond);

}  // namespace

// Whole frames as the main loop makes them: every game's table (reflection,
// Pellandine, Velloran, cribbage) drawn, menu bar included, into the 240 x 320
// image through the frame record and presented on each display kind; the
// present step alone per kind; and the 153,600-byte copy every figure is
// measured against, in the same run.
//
// The main loop keeps the last frame and paints only what changed, and on
// the displays whose rows are the image's presents only the rows that
// changed; so each table is measured three ways: <Game>Table, a frame like the one before
// (the usual frame: the game's whole drawing code runs and is compared,
// nothing needs painting); <Game>TableChanging, one thing changing every
// frame (a clock, a score, a selection); <Game>TableWhole, the frame painted
// whole, as after a tap or key. <Game>DrawOnly draws straight onto the image
// with no record, for the cost of the drawing code itself.

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <vector>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/DrawingRecord.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/shell/Presentation.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "games/cribbage/CribbageSprites.h"
#include "games/cribbage/table/TableLayout.h"
#include "games/cribbage/table/TableView.h"
#include "games/pellandine/PellandineSprites.h"
#include "games/pellandine/TableView.h"
#include "games/pellandine/rules/PellandineRules.h"
#include "games/reflection/ReflectionSprites.h"
#include "games/reflection/rules/GreedyPlayer.h"
#include "games/reflection/table/TableView.h"
#include "games/velloran/VelloranSprites.h"
#include "games/velloran/rules/VelloranGame.h"
#include "games/velloran/table/TableView.h"
#include "platform/core/Display.h"

using platform::DisplayKind;

namespace {

constexpr int kKinds = 6;

// The emulated frame-buffer memory of one display kind, presented into the
// way presentFrame does it.
struct Display {
    explicit Display(DisplayKind kind)
        : kind(kind), layout(platform::display::layoutOf(kind)), memory(layout.bytes) {
        GXDisplayProperties p = platform::display::propertiesOf(kind);
        info = {static_cast<int32_t>(p.cBPP), static_cast<int32_t>(p.cbxPitch),
                static_cast<int32_t>(p.cbyPitch), kind == DisplayKind::Fixed};
    }
    void present(const uint16_t* back) {
        if (info.fixedFrameBuffer) {
            gamekit::convertFrameFixed(back, memory.data() + layout.topLeftOffset);
        } else {
            gamekit::convertFrame(back, info, memory.data() + layout.topLeftOffset);
        }
    }
    // The rows a frame changed where the layout allows, as presentFrame
    // does after the main loop's frame.
    void presentChanged(const uint16_t* back, const gamekit::ChangedArea& changed) {
        const gamekit::ScreenBox rows = changed.bounds();
        if (info.fixedFrameBuffer ||
            !gamekit::convertRows(back, info, memory.data() + layout.topLeftOffset, rows.top,
                                  rows.bottom)) {
            present(back);
        }
    }
    DisplayKind kind;
    platform::display::Layout layout;
    std::vector<uint8_t> memory;
    gamekit::DisplayInfo info;
};

void addMenus(gamekit::MenuBar& bar, gamekit::MenuItem& game, gamekit::MenuItem& configure,
              gamekit::MenuItem& help) {
    bar.addMenu(&game, 0);
    bar.addMenu(&configure, 0);
    bar.addMenu(&help, 1);
}

// A reflection deal in full swing: played greedily until every talon is
// used and a card is dealt, that card picked with its rank marks.
struct ReflectionFrame {
    ReflectionFrame()
        : strip(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x8410),
          sheet(reflection_sprites::kSheetWidth * reflection_sprites::kSheetHeight, 0xFFE0),
          themes(gamekit::makeStandardThemes(strip.data())),
          bar(&gamekit::font1()),
          game("Game", &bar),
          configure("Configure", &bar),
          help("Help", &bar) {
        addMenus(bar, game, configure, help);
        deal.newGame(20240601);
        deal.dealOpeningCards();
        reflection::Move m;
        for (int moves = 0; moves < 70 && nextGreedyMove(deal, reflection::ParkingRule::Shortest, m) &&
                            deal.tryMove(m);
             ++moves) {
        }
        if (deal.dealtCard() == nullptr) deal.tryMove(reflection::Move::dealCard());
        scene.game = &deal;
        scene.theme = themes[5];
        scene.sheet = sheet.data();
        scene.sheetStride = reflection_sprites::kSheetWidth;
        scene.showScore = scene.showTime = true;
        scene.seconds = 123;
        scene.pick.source = deal.dealtCard() ? reflection::PickKind::DealtCard : reflection::PickKind::None;
        scene.pick.waiting = true;
    }
    ~ReflectionFrame() { gamekit::destroyThemes(themes); }
    // The clock moves on a second.
    void change(int step) { scene.seconds = 123 + step; }
    void draw(gamekit::Surface& surface) {
        reflection::drawTable(surface, scene);
        bar.draw(surface);
    }
    std::vector<uint16_t> strip, sheet;
    gamekit::GArray<gamekit::CardTheme*> themes;
    gamekit::MenuBar bar;
    gamekit::MenuItem game, configure, help;
    reflection::ReflectionGame deal;
    reflection::TableScene scene;
};

// A Pellandine pairs game after its first pair is picked, prompts showing.
struct PellandineFrame {
    PellandineFrame()
        : rules(42, pellandine::kPairs),
          backs(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x7BEF),
          sheet(pellandine_sprites::kSheetWidth * pellandine_sprites::kSheetHeight, gamekit::colours::kSheetKey),
          themes(gamekit::makeStandardThemes(backs.data())),
          bar(&gamekit::font1()),
          game("Game", &bar),
          configure("Configure", &bar),
          help("Help", &bar),
          prompts(3, 286, 234, 31, &gamekit::font1()) {
        rules.newGame(7);
        rules.select(0, 0);
        rules.select(0, 1);
        for (int i = 0; i < pellandine_sprites::kSheetWidth * 60; i += 3) sheet[i] = 0x0000;
        addMenus(bar, game, configure, help);
        const pellandine::PromptLines lines = rules.promptLines();
        prompts.addLine(lines.first);
        prompts.addLine(lines.second);
        scene.grid = &rules.grid();
        scene.theme = themes[5];
        scene.sheet = sheet.data();
        scene.score = rules.score();
        scene.cardsLeft = rules.cardsLeft();
        scene.prompts = &prompts;
        scene.bar = &bar;
    }
    ~PellandineFrame() { gamekit::destroyThemes(themes); }
    // The score counts.
    void change(int step) { scene.score = rules.score() + step % 100; }
    void draw(gamekit::Surface& surface) { pellandine::drawTable(surface, scene); }
    pellandine::PellandineRules rules;
    std::vector<uint16_t> backs, sheet;
    gamekit::GArray<gamekit::CardTheme*> themes;
    gamekit::MenuBar bar;
    gamekit::MenuItem game, configure, help;
    gamekit::MessageLog prompts;
    pellandine::TableScene scene;
};

void BM_Memcpy153600(benchmark::State& state) {
    std::vector<uint16_t> from(240 * 320, 0x1234), to(240 * 320);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), 153600);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 153600);
}
BENCHMARK(BM_Memcpy153600);

void BM_Present(benchmark::State& state) {
    Display display(static_cast<DisplayKind>(state.range(0)));
    std::vector<uint16_t> back(240 * 320);
    for (size_t i = 0; i < back.size(); ++i) back[i] = static_cast<uint16_t>(i * 2654435761u >> 7);
    for (auto _ : state) {
        display.present(back.data());
        benchmark::DoNotOptimize(display.memory.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(platform::displayKindName(display.kind));
}
BENCHMARK(BM_Present)->DenseRange(0, kKinds - 1);

// How the frames of one table run follow one another.
enum class Frames { Alike, Changing, Whole };

template <class Frame>
void tableFrames(benchmark::State& state, Frames frames) {
    Display display(static_cast<DisplayKind>(state.range(0)));
    Frame frame;
    std::vector<uint16_t> back(240 * 320);
    gamekit::Surface surface(back.data(), 240, 320);
    gamekit::DrawingRecord record;
    int step = 0;
    long painted = 0;
    for (auto _ : state) {
        if (frames == Frames::Changing) frame.change(++step);
        if (frames == Frames::Whole) record.forget();
        record.drawFrame(surface, [&frame](gamekit::Surface& s) { frame.draw(s); });
        display.presentChanged(back.data(), record.changed());
        painted += record.changed().area();
        benchmark::DoNotOptimize(display.memory.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(platform::displayKindName(display.kind));
    state.counters["painted"] = benchmark::Counter(static_cast<double>(painted) / 76800.0,
                                                   benchmark::Counter::kAvgIterations);
    state.counters["calls"] = static_cast<double>(record.calls());
}

template <class Frame>
void tableDrawOnly(benchmark::State& state) {
    Frame frame;
    std::vector<uint16_t> back(240 * 320);
    gamekit::Surface surface(back.data(), 240, 320);
    for (auto _ : state) {
        frame.draw(surface);
        benchmark::DoNotOptimize(back.data());
        benchmark::ClobberMemory();
    }
}

// Every table, each way, on every display kind.
#define TABLE_BENCHMARKS(Game, Frame)                               \
    void BM_##Game##Table(benchmark::State& state) {                \
        tableFrames<Frame>(state, Frames::Alike);                   \
    }                                                               \
    void BM_##Game##TableChanging(benchmark::State& state) {        \
        tableFrames<Frame>(state, Frames::Changing);                \
    }                                                               \
    void BM_##Game##TableWhole(benchmark::State& state) {           \
        tableFrames<Frame>(state, Frames::Whole);                   \
    }                                                               \
    void BM_##Game##DrawOnly(benchmark::State& state) {             \
        tableDrawOnly<Frame>(state);                                \
    }                                                               \
    BENCHMARK(BM_##Game##Table)->DenseRange(0, kKinds - 1);         \
    BENCHMARK(BM_##Game##TableChanging)->DenseRange(0, kKinds - 1); \
    BENCHMARK(BM_##Game##TableWhole)->DenseRange(0, kKinds - 1);    \
    BENCHMARK(BM_##Game##DrawOnly)

TABLE_BENCHMARKS(Reflection, ReflectionFrame);
TABLE_BENCHMARKS(Pellandine, PellandineFrame);

// The menu bar every table screen ends with, its three menus in place.
struct TableMenuBar {
    TableMenuBar() : bar(&gamekit::font1()), game("Game", &bar), configure("Configure", &bar), help("Help", &bar) {
        addMenus(bar, game, configure, help);
    }
    gamekit::MenuBar bar;
    gamekit::MenuItem game, configure, help;
};

// A Velloran hand in play: the person has taken the upcard and selected a
// card, hints on, so every part of the play screen is drawn.
struct VelloranFrame {
    VelloranFrame()
        : strip(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x8410),
          sheet(velloran_sprites::kSheetWidth * velloran_sprites::kSheetHeight, velloran_sprites::kKey),
          themes(gamekit::makeStandardThemes(strip.data())) {
        game.options().hints = true;
        velloran::Action deal = velloran::Action::withSeed(velloran::Action::NewGame, 20240601);
        deal.index = 1;  // the computer deals: the person is offered the upcard
        game.apply(deal);
        game.apply(velloran::Action::of(velloran::Action::BeginPlay));
        game.apply(velloran::Action::of(velloran::Action::TakeDiscard));
        for (int slot = 0; slot < velloran::kPlayerSlots; ++slot) {
            if (game.playerSlot(slot) != velloran::kNoCard) {
                game.apply(velloran::Action::withSlot(velloran::Action::TapSlot, slot));
                break;
            }
        }
        scene.game = &game;
        scene.theme = themes[5];
        scene.sheet = sheet.data();
        scene.displayHints = true;
        scene.displayCardsInDeck = true;
    }
    ~VelloranFrame() { gamekit::destroyThemes(themes); }
    // The hint markers come and go.
    void change(int step) { scene.displayHints = step % 2 == 0; }
    void draw(gamekit::Surface& surface) {
        velloran::drawPlayScreen(surface, scene, buttons);
        menus.bar.draw(surface);
    }
    std::vector<uint16_t> strip, sheet;
    gamekit::GArray<gamekit::CardTheme*> themes;
    velloran::VelloranGame game;
    velloran::TableScene scene;
    velloran::TableButtons buttons;
    TableMenuBar menus;
};

// A cribbage play in full swing: both players have laid cards, the pegs
// have moved, Red's prompt and the status line showing.
struct CribbageFrame {
    CribbageFrame()
        : strip(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x8410),
          sheet(cribbage_sprites::kSheetWidth * cribbage_sprites::kSheetHeight, 0x001F),
          themes(gamekit::makeStandardThemes(strip.data())),
          game(7),
          red(cribbage::kRedMessages.left, cribbage::kRedMessages.top, 202, 29, &gamekit::font1()),
          status(cribbage::kStatusLine.left, cribbage::kStatusLine.top, 120, 15, &gamekit::font1()) {
        using cribbage::Action;
        using cribbage::ActionKind;
        for (size_t i = 0; i < sheet.size(); i += 3) sheet[i] = 0xA145;  // keyed and opaque pixels
        game.apply(Action::simple(ActionKind::Continue));
        game.apply(Action::newGame(20240601, true));
        game.apply(Action::simple(ActionKind::Deal));
        game.apply(Action::discard(cribbage::Side::Red, 0, 1));
        game.apply(Action::simple(ActionKind::RevealStarter));
        for (int moves = 0; moves < 2 && game.state() == cribbage::GameState::Playing && !game.playOver(); ++moves) {
            cribbage::ActionList legal;
            game.legalActions(legal);
            if (legal.count == 0) break;
            game.apply(legal.actions[0]);
        }
        red.addLine("Select a card to play and");
        red.addLine("then tap the play area");
        status.addLine("Waiting for Red...");
        scene.game = &game;
        scene.state = cribbage::GameState::Playing;
        scene.theme = themes[5];
        scene.sheet = sheet.data();
        scene.sheetStride = cribbage_sprites::kSheetWidth;
        scene.selected[1] = true;
        scene.pegs[0] = {game.score(cribbage::Side::Red), game.backPeg(cribbage::Side::Red)};
        scene.pegs[1] = {game.score(cribbage::Side::Blue), game.backPeg(cribbage::Side::Blue)};
        scene.redMessages = &red;
        scene.statusLine = &status;
    }
    ~CribbageFrame() { gamekit::destroyThemes(themes); }
    // The person's selection moves from card to card.
    void change(int step) {
        for (int i = 0; i < 4; ++i) scene.selected[i] = i == step % 4;
    }
    void draw(gamekit::Surface& surface) {
        view.draw(surface, scene);
        menus.bar.draw(surface);
    }
    std::vector<uint16_t> strip, sheet;
    gamekit::GArray<gamekit::CardTheme*> themes;
    cribbage::CribbageGame game;
    gamekit::MessageLog red, status;
    cribbage::TableScene scene;
    cribbage::TableView view;
    TableMenuBar menus;
};

TABLE_BENCHMARKS(Velloran, VelloranFrame);
TABLE_BENCHMARKS(Cribbage, CribbageFrame);

}  // namespace

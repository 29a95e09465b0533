#include "games/cribbage/table/CribbageTable.h"

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/shell/Shell.h"
#include "gamekit/sound/Sound.h"
#include "games/cribbage/CribbageSettings.h"
#include "games/cribbage/CribbageSprites.h"
#include "games/cribbage/rules/ComputerPlayer.h"
#include "games/cribbage/table/CribbageTexts.h"
#include "games/cribbage/table/DealSeeds.h"
#include "games/cribbage/table/TableLayout.h"
#include "platform/Windows.h"

namespace cribbage {

namespace sprites = cribbage_sprites;

namespace {

constexpr uint32_t kLayPauseMs = 100;  // between the card sound and the card laid

// Configure Appearance: two switches, the speed row, then the themes.
gamekit::AppearanceScreen::Layout appearanceLayout(CribbageOptions& o) {
    static const char* const kLabels[3] = {"Display score as text", "Display learning msgs", ""};
    bool* values[3] = {&o.displayScore, &o.learningMessages, nullptr};
    gamekit::AppearanceScreen::Layout l =
        gamekit::AppearanceScreen::fullLayout(const_cast<const char**>(kLabels), values,
                                              &o.animationSpeed);
    l.switchCount = 2;
    l.speedRowY = 60;
    l.themesLabelY = 101;
    l.themeListY = 118;
    l.themeTapTop = 115;
    l.previewTop = 118;
    return l;
}

gamekit::MessageLog makeLog(const ScreenBox& box) {
    return gamekit::MessageLog(box.left, box.top, box.right - box.left + 1,
                               box.bottom - box.top + 1, &gamekit::font1());
}

bool isPage(int screen) {
    return screen >= static_cast<int>(GameState::ConfigureAppearance) &&
           screen <= static_cast<int>(GameState::Help);
}

}  // namespace

CribbageTable::CribbageTable(gamekit::SettingsRecord& record)
    : record_(record),
      options_(loadOptions(record)),
      game_(nextDealSeed()),
      redMessages_(makeLog(kRedMessages)),
      blueMessages_(makeLog(kBlueMessages)),
      statusLine_(makeLog(kStatusLine)),
      configureGame_(options_),
      frame_(frameSetup()) {
    // The program chooses Blue's cards itself, one move at a time, so each
    // of the computer's cards is seen landing before the next is chosen.
    game_.setComputerPlaysBlue(false);
    game_.setOptions(options_.gameOptions());
    game_.setWins(options_.redWins, options_.blueWins);
}

gamekit::ProgramFrame::Setup CribbageTable::frameSetup() {
    return {
        .sheet = sprites::kSheet,
        .screens = &screens_,
        .pages = {static_cast<int>(GameState::ConfigureAppearance),
                  static_cast<int>(GameState::About), static_cast<int>(GameState::Rules),
                  static_cast<int>(GameState::Help)},
        .rules = {kRulesLines, kRulesLineCount},
        .help = {kHelpLines, kHelpLineCount},
        .appearance = appearanceLayout(options_),
        .cardBack = &options_.cardBack,
        .soundOn = &options_.soundOn,
        .record = &record_,
        .menus = menuTable(),
        .screenChanged = [this](int screen) { screenChanged(screen); },
    };
}

// "New" clicks once it has closed what was open (and not on the opening
// screen); "Game..." opens Configure Game, which the game draws itself.
gamekit::MenuTable CribbageTable::menuTable() {
    using gamekit::menuCommand;
    return {
        .game = {menuCommand("New", [this] { commandNew(); }, nullptr, false)},
        .configure = {menuCommand(
            "Game...", [this] { frame_.openPage(static_cast<int>(GameState::ConfigureGame)); })},
    };
}

void CribbageTable::saveSettings() {
    syncWins();
    storeOptions(options_, record_);
    gamekit::saveSettings(cribbageSettings, record_);
}

void CribbageTable::syncWins() {
    options_.redWins = game_.wins(Side::Red);
    options_.blueWins = game_.wins(Side::Blue);
}

void CribbageTable::clearSelection() {
    for (bool& s : selected_) s = false;
}

void CribbageTable::pause(uint32_t ms) {
    const uint32_t end = GetTickCount() + ms;
    while (static_cast<int32_t>(end - GetTickCount()) > 0) {
        gamekit::pumpMessages(false);
        Sleep(1);
    }
}

// --- Screens -------------------------------------------------------------

bool CribbageTable::onPage() const {
    return isPage(state());
}

// Opening a page keeps the game state to return to; back at the game the
// options take effect (the advice is worked out again for the state
// returned to; "Single Game" ends the set).
void CribbageTable::screenChanged(int screen) {
    pressOnTable_ = false;
    if (isPage(screen)) {
        game_.openScreen(static_cast<GameState>(screen));
        return;
    }
    game_.closeScreen(options_.gameOptions());
    syncWins();
    screens_.show(state());
}

// --- Games ---------------------------------------------------------------

void CribbageTable::commandNew() {
    pressOnTable_ = false;
    if (onPage()) {
        frame_.closePage();
    } else {
        frame_.closeMenus();
    }
    if (game_.state() == GameState::Splash) return;
    click();
    startNewGame(false);
}

void CribbageTable::startNewGame(bool keepSet) {
    clearSelection();
    // A deal planned and not yet played gives way to the new game's.
    frame_.cancelFlights();
    step(Action::newGame(nextDealSeed(), keepSet));
    pegs_[0] = pegs_[1] = PegView{};
    syncWins();
}

bool CribbageTable::step(const Action& action) {
    const CribbageGame before = game_;
    ApplyResult result = game_.apply(action);
    if (!result.accepted) return false;
    animate(before, result.events);
    if (!game_.gameOver()) shownState_ = game_.state();
    syncWins();
    screens_.show(state());
    planStateFlight();
    return true;
}

// The computer lays its cards (or says go) until the turn comes back to the
// person, the play ends or the game does.
void CribbageTable::computerMoves() {
    while (game_.state() == GameState::Playing && !game_.playOver() && !game_.redToPlay()) {
        const int slot = game_.canLay(Side::Blue)
                             ? choosePlay(game_, Side::Blue, game_.options().computerAI)
                             : -1;
        if (!step(slot >= 0 ? Action::lay(Side::Blue, slot) : Action::go(Side::Blue))) return;
    }
}

// --- Taps ----------------------------------------------------------------

void CribbageTable::penDown(int x, int y) {
    pressOnTable_ = false;
    if (frame_.penDown(x, y)) return;
    switch (game_.state()) {
        case GameState::Splash:
            click();
            step(Action::simple(ActionKind::Continue));
            return;
        case GameState::Dealing:
        case GameState::CuttingStarter:
            return;  // the next redraw carries these on
        case GameState::ConfigureGame:
            configureGameDown(x, y);
            return;
        case GameState::Table:
        case GameState::Discarding:
        case GameState::Playing:
        case GameState::CountingPone:
        case GameState::CountingDealer:
        case GameState::CountingCrib:
        case GameState::GameOver:
            // A tap that closes an open menu does nothing else.
            if (frame_.menusOpen() || y < frame_.menuBar().barHeight) {
                frame_.tapMenus(x, y);
                return;
            }
            pressOnTable_ = true;
            tableDown(x, y);
            break;
        default:
            return;
    }
    // Presses made while the computer laid its cards or a peg moved belong
    // to no state: they are dropped, not handed to the one that follows.
    gamekit::takeTap();
}

void CribbageTable::tableDown(int x, int y) {
    switch (game_.state()) {
        case GameState::Table:
            if (onDeck(game_.computerDeals(), x, y)) startNewGame(true);
            return;
        case GameState::GameOver:
            startNewGame(true);
            return;
        case GameState::Discarding: {
            if (onCribBox(game_.computerDeals(), x, y)) {
                giveToCrib();
                return;
            }
            const int slot = discardSlotAt(x, y);
            if (slot >= 0 && slot < game_.handSize(Side::Red)) selected_[slot] = !selected_[slot];
            return;
        }
        case GameState::Playing:
            playDown(x, y);
            return;
        default:  // the counts
            step(Action::simple(ActionKind::CountNext));
            return;
    }
}

void CribbageTable::playDown(int x, int y) {
    if (game_.playOver()) {
        clearSelection();
        step(Action::simple(ActionKind::CountNext));
        return;
    }
    if (!game_.redToPlay()) return;
    if (!game_.canLay(Side::Red) || inPlayArea(x, y)) {
        redPlays();
        return;
    }
    const int slot = playSlotAt(x, y);
    if (slot >= 0 && !game_.played(Side::Red, slot)) selected_[slot] = !selected_[slot];
}

void CribbageTable::giveToCrib() {
    int picked[2];
    int n = 0;
    for (int i = 0; i < game_.handSize(Side::Red); ++i) {
        if (selected_[i]) {
            if (n == 2) return;
            picked[n++] = i;
        }
    }
    if (n != 2) return;
    clearSelection();
    step(Action::discard(Side::Red, picked[0], picked[1]));
    const DiscardChoice blue = chooseDiscards(game_, Side::Blue, game_.options().computerAI, true);
    step(Action::discard(Side::Blue, blue.first, blue.second));
}

// The person's move: the one selected card that fits, or the go when no
// card fits; then the computer answers.
void CribbageTable::redPlays() {
    if (game_.canLay(Side::Red)) {
        int slot = -1;
        for (int i = 0; i < 4; ++i) {
            if (!selected_[i] || game_.played(Side::Red, i)) continue;
            if (slot >= 0) return;  // more than one card selected
            slot = i;
        }
        if (slot < 0 || !game_.fits(Side::Red, slot)) return;
        gamekit::playSound(gamekit::kSoundCardFlick, options_.soundOn);
        pause(kLayPauseMs);
        clearSelection();
        step(Action::lay(Side::Red, slot));
    } else {
        step(Action::go(Side::Red));
    }
    computerMoves();
}

// A card that no longer fits under 31 is put down again when the pen comes up.
void CribbageTable::penUp(int x, int y) {
    (void)x;
    (void)y;
    if (!pressOnTable_) return;
    pressOnTable_ = false;
    if (game_.state() != GameState::Playing) return;
    int slot = -1, count = 0;
    for (int i = 0; i < 4; ++i) {
        if (selected_[i] && !game_.played(Side::Red, i)) {
            slot = i;
            ++count;
        }
    }
    if (count == 1 && !game_.fits(Side::Red, slot)) selected_[slot] = false;
}

}  // namespace cribbage

#include "games/cribbage/table/CribbageTable.h"

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFile.h"
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

// The sheet's standard pieces lie where the standard screens look for them
// (the sprite map says so once, and a test holds the two together).
gamekit::ScreenSprites screenSprites(const uint16_t* sheet) {
    gamekit::ScreenSprites s;
    s.sheet = sheet;
    s.stride = sprites::kSheetWidth;
    return s;
}

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

}  // namespace

CribbageTable::CribbageTable(gamekit::SettingsRecord& record)
    : record_(record),
      options_(loadOptions(record)),
      game_(nextDealSeed()),
      backs_(gamekit::kBackStripWidth * gamekit::kBackStripHeight),
      sheet_(sprites::kSheetWidth * sprites::kSheetHeight),
      themes_(gamekit::makeStandardThemes()),
      redMessages_(kRedMessages.left, kRedMessages.top, kRedMessages.right - kRedMessages.left + 1,
                   kRedMessages.bottom - kRedMessages.top + 1, &gamekit::font1()),
      blueMessages_(kBlueMessages.left, kBlueMessages.top,
                    kBlueMessages.right - kBlueMessages.left + 1,
                    kBlueMessages.bottom - kBlueMessages.top + 1, &gamekit::font1()),
      statusLine_(kStatusLine.left, kStatusLine.top, kStatusLine.right - kStatusLine.left + 1,
                  kStatusLine.bottom - kStatusLine.top + 1, &gamekit::font1()),
      menuBar_(&gamekit::font1()),
      ok_(60, 20, "OK", 160, 280, &gamekit::font1()),
      configureGame_(options_),
      rules_("Rules", kRulesLines, kRulesLineCount),
      help_("Help", kHelpLines, kHelpLineCount) {
    // The program chooses Blue's cards itself, one move at a time, so each
    // of the computer's cards is seen landing before the next is chosen.
    game_.setComputerPlaysBlue(false);
    game_.setOptions(options_.gameOptions());
    game_.setWins(options_.redWins, options_.blueWins);
    gamekit::loadBitmapOrDie(L"TarnwickSoftware_CardBacks.bmp", gamekit::kBackStripWidth,
                             gamekit::kBackStripHeight, backs_.data(), gamekit::kBackStripWidth,
                             gamekit::kBackStripHeight);
    gamekit::loadBitmapOrDie(sprites::kSheetFileWide, sprites::kSheetWidth, sprites::kSheetHeight,
                             sheet_.data(), sprites::kSheetWidth, sprites::kSheetHeight);
    gamekit::giveStrip(themes_, backs_.data());
    sprites_ = screenSprites(sheet_.data());
    appearance_ = std::make_unique<gamekit::AppearanceScreen>(appearanceLayout(options_),
                                                              &options_.cardBack);
    buildMenus();
}

CribbageTable::~CribbageTable() {
    gamekit::destroyThemes(themes_);
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

void CribbageTable::click() const {
    gamekit::playSound(gamekit::kSoundClick, options_.soundOn);
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

void CribbageTable::openScreen(GameState screen) {
    menuBar_.closeAll();
    pressOnTable_ = false;
    if (!game_.openScreen(screen)) return;
    if (screen == GameState::Rules) rules_.setPage(0);
    if (screen == GameState::Help) help_.setPage(0);
}

// Back to the game: the options take effect (the advice is worked out again
// for the state returned to; "Single Game" ends the set).
void CribbageTable::closeScreen() {
    game_.closeScreen(options_.gameOptions());
    syncWins();
}

// --- Games ---------------------------------------------------------------

void CribbageTable::commandNew() {
    pressOnTable_ = false;
    menuBar_.closeAll();
    const int s = static_cast<int>(game_.state());
    if (s >= static_cast<int>(GameState::ConfigureAppearance) &&
        s <= static_cast<int>(GameState::Help)) {
        closeScreen();
    }
    if (game_.state() == GameState::Splash) return;
    click();
    startNewGame(false);
}

void CribbageTable::startNewGame(bool keepSet) {
    clearSelection();
    menuBar_.closeAll();
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
    switch (game_.state()) {
        case GameState::Splash:
            click();
            step(Action::simple(ActionKind::Continue));
            return;
        case GameState::Dealing:
        case GameState::CuttingStarter:
            return;  // the next redraw carries these on
        case GameState::Table:
        case GameState::Discarding:
        case GameState::Playing:
        case GameState::CountingPone:
        case GameState::CountingDealer:
        case GameState::CountingCrib:
        case GameState::GameOver:
            // A tap that closes an open menu does nothing else.
            if (menuBar_.anyOpen() || y < menuBar_.barHeight) {
                menuBar_.handleTap({x, y});
                return;
            }
            pressOnTable_ = true;
            tableDown(x, y);
            break;
        default:
            pageDown(x, y);
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

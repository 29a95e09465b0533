#include "games/reflection/table/ReflectionTable.h"

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFile.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/shell/Shell.h"
#include "gamekit/sound/Sound.h"
#include "games/reflection/ReflectionSprites.h"
#include "games/reflection/table/DealSeeds.h"
#include "games/reflection/table/ReflectionSettings.h"
#include "games/reflection/table/ReflectionTexts.h"
#include "games/reflection/table/SystemClock.h"
#include "games/reflection/table/TableLayout.h"
#include "platform/Windows.h"

namespace reflection {

namespace sprites = reflection_sprites;

namespace {

constexpr const wchar_t* kCongratulations = L"Congratulations!";

gamekit::ScreenSprites screenSprites(const uint16_t* sheet) {
    gamekit::ScreenSprites s;
    s.sheet = sheet;
    s.stride = sprites::kSheetWidth;
    s.logo = {sprites::kLogo.x, sprites::kLogo.y};
    s.aboutLogo = {sprites::kAboutLogo.x, sprites::kAboutLogo.y};
    s.nameArt = {sprites::kNameArt.x, sprites::kNameArt.y};
    s.emblem = {sprites::kEmblem.x, sprites::kEmblem.y};
    s.aboutEmblem = {sprites::kAboutEmblem.x, sprites::kAboutEmblem.y};
    s.boxOff = {sprites::kCheckBoxEmpty.x, sprites::kCheckBoxEmpty.y};
    s.boxOn = {sprites::kCheckBoxTicked.x, sprites::kCheckBoxTicked.y};
    return s;
}

}  // namespace

ReflectionTable::ReflectionTable(gamekit::SettingsRecord& record)
    : record_(record),
      options_(loadOptions(record, session_)),
      backs_(gamekit::kBackStripWidth * gamekit::kBackStripHeight),
      sheet_(sprites::kSheetWidth * sprites::kSheetHeight),
      themes_(gamekit::makeStandardThemes()),
      menuBar_(&gamekit::font1()),
      ok_(60, 20, "OK", 160, 280, &gamekit::font1()),
      reset_(60, 20, "Reset", 15, 280, &gamekit::font1()),
      rules_("Rules", kRulesLines, kRulesLineCount),
      help_("Help", kHelpLines, kHelpLineCount) {
    game().setExpertMode(options_.expert);
    gamekit::loadBitmapOrDie(L"TarnwickSoftware_CardBacks.bmp", gamekit::kBackStripWidth,
                             gamekit::kBackStripHeight, backs_.data(), gamekit::kBackStripWidth,
                             gamekit::kBackStripHeight);
    gamekit::loadBitmapOrDie(sprites::kSheetFileWide, sprites::kSheetWidth, sprites::kSheetHeight,
                             sheet_.data(), sprites::kSheetWidth, sprites::kSheetHeight);
    gamekit::giveStrip(themes_, backs_.data());
    sprites_ = screenSprites(sheet_.data());

    static const char* const kLabels[2] = {"Display Score", "Display Time"};
    bool* values[2] = {&options_.displayScore, &options_.displayTime};
    static const int kTapRights[2] = {151, 151};
    appearance_ = std::make_unique<gamekit::AppearanceScreen>(
        gamekit::AppearanceScreen::compactLayout(2, kLabels, values, kTapRights),
        &options_.cardBack);
    buildMenus();
    shuffleAtStart(session_);
}

ReflectionTable::~ReflectionTable() {
    gamekit::destroyThemes(themes_);
}

void ReflectionTable::saveSettings() {
    storeOptions(options_, session_, record_);
    gamekit::saveSettings(reflectionSettings, record_);
}

// No move may be made outside the Playing state, so the game is told every
// time the screen changes.
void ReflectionTable::setState(int state) {
    state_ = state;
    game().setPlaying(state == kStatePlaying);
}

void ReflectionTable::openScreen(int screen) {
    pick_.clear();
    menuBar_.closeAll();
    returnState_ = state_;
    if (screen == kStateRules) rules_.setPage(0);
    if (screen == kStateHelp) help_.setPage(0);
    setState(screen);
}

void ReflectionTable::closeScreen() {
    session_.normalList().clearHighlight();
    session_.expertList().clearHighlight();
    setState(returnState_);
}

void ReflectionTable::click() const {
    gamekit::playSound(gamekit::kSoundClick, options_.soundOn);
}

void ReflectionTable::cardSound() const {
    gamekit::playSound(gamekit::kSoundCardFlick, options_.soundOn);
}

void ReflectionTable::commandNew() {
    pressOnTable_ = false;
    startNewGame();
    click();
}

void ReflectionTable::startNewGame() {
    pick_.clear();
    menuBar_.closeAll();
    announceEnd(session_.newGame(nextDealSeed(), systemNow()), false);
    setState(kStateDealing);
}

void ReflectionTable::restart() {
    pick_.clear();
    if (session_.restartGame(systemNow())) setState(kStateDealing);
}

// Undo and redo also drop a card picked and waiting: the next tap starts a
// new move rather than aiming the old card at a table that has changed.
void ReflectionTable::undo() {
    pick_.clear();
    if (session_.undoLast()) cardSound();
}

void ReflectionTable::redo() {
    pick_.clear();
    if (session_.redoNext()) cardSound();
}

void ReflectionTable::setExpertMode(bool expert) {
    options_.expert = expert;
    pick_.clear();
    announceEnd(session_.setExpertMode(expert, nextDealSeed(), systemNow()), false);
    setState(kStateDealing);
}

// A game ended by a move shows the list it entered; one ended by "New" or
// the mode switch only says so, and the new deal follows at once.
void ReflectionTable::announceEnd(const GameEndRecord& record, bool fromPlay) {
    if (record.outcome == GameEnd::Nothing) return;
    // A list that changed is written at once: the entry the player is shown
    // survives a kill or a crash.
    if (record.outcome == GameEnd::EnteredList) saveSettings();
    if (fromPlay) {
        // The winning move is seen before its box: the table with the last
        // card in place and the final score.
        gamekit::Surface screen(gamekit::backBuffer(), gamekit::kScreenWidth,
                                gamekit::kScreenHeight);
        drawTableScreen(screen);
        gamekit::pumpMessages(true);
    }
    if (record.outcome == GameEnd::EnteredList) {
        if (fromPlay) setState(kStateGameOver);
        MessageBoxW(nullptr, L"You made the high score list", kCongratulations, MB_OK);
        if (fromPlay) openScreen(kStateHighScores);
    } else if (record.outcome == GameEnd::Won) {
        MessageBoxW(nullptr, L"You Won.", kCongratulations, MB_OK);
        if (fromPlay) setState(kStateGameOver);
    }
}

void ReflectionTable::penDown(int x, int y) {
    pressOnTable_ = false;
    switch (state_) {
        case kStateSplash:
            setState(kStateTable);
            return;
        case kStateTable:
        case kStatePlaying:
        case kStateGameOver:
            // A tap that closes an open menu does nothing else.
            if (menuBar_.anyOpen() || y < menuBar_.barHeight) {
                menuBar_.handleTap({x, y});
                return;
            }
            pressOnTable_ = true;
            tableDown(x, y);
            return;
        case kStateDealing:
            return;
        default:
            pageDown(x, y);
            return;
    }
}

void ReflectionTable::tableDown(int x, int y) {
    // The second tap of a move is decided where the pen comes up.
    if (pick_.waiting) return;
    pick_.clear();
    if (onDeck(x, y)) {
        if (state_ == kStateTable || state_ == kStateGameOver) {
            startNewGame();
        } else if (session_.doCommand(std::make_unique<DealCard>(game()))) {
            cardSound();
        }
        return;
    }
    if (state_ != kStatePlaying) return;
    const int talon = storeTalonPickAt(x, y);
    if (onDealtCard(x, y)) {
        if (game().dealtCard() != nullptr) pick_.source = PickKind::DealtCard;
    } else if (talon >= 0) {
        if (game().storeTalonTop(talon) != nullptr) {
            pick_.source = PickKind::StoreTalon;
            pick_.index = talon;
        }
    } else if (inKingsTalonArea(x, y) && game().kingsTalonTop() != nullptr) {
        pick_.source = PickKind::KingsTalon;
    }
}

void ReflectionTable::penUp(int x, int y) {
    if (!pressOnTable_) return;
    pressOnTable_ = false;
    if (state_ == kStatePlaying) tableUp(x, y);
}

void ReflectionTable::tableUp(int x, int y) {
    if (pick_.source == PickKind::None) return;
    if (!pick_.waiting) {
        pick_.waiting = true;  // shown highlighted with its rank marks
        return;
    }
    const Destination to = destinationAt(x, y);
    auto command = commandForTaps(game(), pick_.source, pick_.index, to.kind, to.index);
    pick_.clear();
    if (command == nullptr || !session_.doCommand(std::move(command))) return;
    cardSound();
    if (game().score() == kWinningScore) announceEnd(session_.recordGameEnd(systemNow()), true);
}

}  // namespace reflection

#include "games/reflection/table/ReflectionTable.h"

#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/shell/Shell.h"
#include "gamekit/sound/Sound.h"
#include "games/reflection/ReflectionSprites.h"
#include "games/reflection/table/DealSeeds.h"
#include "games/reflection/table/ReflectionSettings.h"
#include "games/reflection/table/ReflectionTexts.h"
#include "games/reflection/table/SystemClock.h"
#include "games/reflection/table/TableLayout.h"

namespace reflection {

namespace sprites = reflection_sprites;

namespace {

constexpr const char* kCongratulations = "Congratulations!";

}  // namespace

ReflectionTable::ReflectionTable(gamekit::SettingsRecord& record)
    : record_(record), options_(loadOptions(record, session_)), frame_(frameSetup()) {
    game().setExpertMode(options_.expert);
    shuffleAtStart(session_);
}

gamekit::ProgramFrame::Setup ReflectionTable::frameSetup() {
    static const char* const kLabels[2] = {"Display Score", "Display Time"};
    bool* values[2] = {&options_.displayScore, &options_.displayTime};
    static const int kTapRights[2] = {151, 151};
    return {
        .sheet = sprites::kSheet,
        .screens = &screens_,
        .pages = {kStateAppearance, kStateAbout, kStateRules, kStateHelp},
        .rules = {kRulesLines, kRulesLineCount},
        .help = {kHelpLines, kHelpLineCount},
        .appearance = gamekit::AppearanceScreen::compactLayout(2, kLabels, values, kTapRights),
        .cardBack = &options_.cardBack,
        .soundOn = &options_.soundOn,
        .record = &record_,
        .menus = menuTable(),
        // No move may be made outside the Playing state, and a card picked
        // before a page opened is dropped.
        .screenChanged =
            [this](int screen) {
                pick_.clear();
                game().setPlaying(screen == kStatePlaying);
            },
    };
}

// The program's entries of the standard menus. Undo and Redo are greyed
// while there is nothing to undo or redo; a tap on a greyed entry still
// arrives and simply does nothing.
gamekit::MenuTable ReflectionTable::menuTable() {
    using gamekit::menuCommand;
    return {
        .game =
            {
                menuCommand("New", [this] { commandNew(); }, nullptr, false),
                menuCommand(
                    "Restart", [this] { restart(); }, [this] { return session_.hasGame(); }),
                menuCommand(
                    "Undo", [this] { undo(); }, [this] { return session_.history().canUndo(); }),
                menuCommand(
                    "Redo", [this] { redo(); }, [this] { return session_.history().canRedo(); }),
                menuCommand("High Scores...", [this] { openScreen(kStateHighScores); }),
            },
        .configure = {gamekit::menuCheck(
            "Expert Mode", [this] { return options_.expert; },
            [this](bool on) { setExpertMode(on); })},
    };
}

void ReflectionTable::saveSettings() {
    storeOptions(options_, session_, record_);
    gamekit::saveSettings(reflectionSettings, record_);
}

// No move may be made outside the Playing state, so the game is told every
// time the screen changes.
void ReflectionTable::setState(int state) {
    screens_.show(state);
    game().setPlaying(state == kStatePlaying);
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
    frame_.closeMenus();
    announceEnd(session_.newGame(nextDealSeed(), systemNow()), false);
    deal();
}

void ReflectionTable::restart() {
    pick_.clear();
    if (session_.restartGame(systemNow())) deal();
}

void ReflectionTable::deal() {
    frame_.planFlight([this](gamekit::Surface& surface) { dealOpeningCards(surface); });
    setState(kStateDealing);
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
    deal();
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
        frame_.messageBox("You made the high score list", kCongratulations);
        if (fromPlay) openScreen(kStateHighScores);
    } else if (record.outcome == GameEnd::Won) {
        frame_.messageBox("You Won.", kCongratulations);
        if (fromPlay) setState(kStateGameOver);
    }
}

void ReflectionTable::penDown(int x, int y) {
    pressOnTable_ = false;
    if (frame_.penDown(x, y)) return;
    switch (state()) {
        case kStateSplash:
            setState(kStateTable);
            return;
        case kStateTable:
        case kStatePlaying:
        case kStateGameOver:
            // A tap that closes an open menu does nothing else.
            if (frame_.menusOpen() || y < frame_.menuBar().barHeight) {
                frame_.tapMenus(x, y);
                return;
            }
            pressOnTable_ = true;
            tableDown(x, y);
            return;
        case kStateHighScores:
            highScoresDown(x, y);
            return;
        default:
            return;
    }
}

void ReflectionTable::tableDown(int x, int y) {
    // The second tap of a move is decided where the pen comes up.
    if (pick_.waiting) return;
    pick_.clear();
    if (onDeck(x, y)) {
        if (state() == kStateTable || state() == kStateGameOver) {
            startNewGame();
        } else if (session_.doCommand(std::make_unique<DealCard>(game()))) {
            cardSound();
        }
        return;
    }
    if (state() != kStatePlaying) return;
    const int talon = storeTalonPickAt(game(), x, y);
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
    if (state() == kStatePlaying) tableUp(x, y);
}

void ReflectionTable::tableUp(int x, int y) {
    if (pick_.source == PickKind::None) return;
    if (!pick_.waiting) {
        pick_.waiting = true;  // shown highlighted with its rank marks
        return;
    }
    const Destination to = destinationAt(game(), x, y);
    auto command = commandForTaps(game(), pick_.source, pick_.index, to.kind, to.index);
    pick_.clear();
    if (command == nullptr || !session_.doCommand(std::move(command))) return;
    cardSound();
    if (game().score() == kWinningScore) announceEnd(session_.recordGameEnd(systemNow()), true);
}

}  // namespace reflection

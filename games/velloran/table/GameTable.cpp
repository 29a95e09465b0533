#include "games/velloran/table/GameTable.h"

#include "gamekit/cards/Random.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/shell/Shell.h"
#include "games/velloran/VelloranSettings.h"
#include "games/velloran/VelloranSprites.h"
#include "games/velloran/table/ScoreView.h"
#include "games/velloran/table/VelloranTexts.h"

namespace velloran {

namespace sprites = velloran_sprites;

uint32_t dealSeed() {
    const uint32_t high = static_cast<uint32_t>(gamekit::nextRandom());
    const uint32_t low = static_cast<uint32_t>(gamekit::nextRandom());
    return high << 15 | low;
}

int screenOfPhase(Phase phase) {
    return phase == Phase::TiedHand ? static_cast<int>(Phase::Play) : static_cast<int>(phase);
}

GameTable::GameTable(gamekit::SettingsRecord& record)
    : record_(record), options_(loadOptions(record)), frame_(frameSetup()) {
    game_.options() = rulesOptions(options_);
    game_.shuffleAtStart(dealSeed());
}

gamekit::ProgramFrame::Setup GameTable::frameSetup() {
    static const char* kLabels[3] = {"Display Hints", "Display cards left in deck",
                                     "Display points in hand"};
    bool* values[3] = {&options_.displayHints, &options_.displayCardsInDeck,
                       &options_.displayScore};
    return {
        .sheet = sprites::kSheet,
        .screens = &screens_,
        .pages = {kScreenAppearance, kScreenAbout, kScreenRules, kScreenHelp},
        .rules = {kRulesLines, kRulesLineCount},
        .help = {kHelpLines, kHelpLineCount},
        .appearance =
            gamekit::AppearanceScreen::fullLayout(kLabels, values, &options_.animationSpeed),
        .cardBack = &options_.cardBack,
        .soundOn = &options_.soundOn,
        .record = &record_,
        .menus = menuTable(),
        .drawOverHelp = [this](gamekit::Surface& surface) { drawHelpKeys(surface); },
        .screenChanged = [this](int screen) { screenChanged(screen); },
    };
}

// "New" clicks with the new hand's own sound; "Suspend" clicks like every
// other entry.
gamekit::MenuTable GameTable::menuTable() {
    using gamekit::menuCommand;
    return {
        .game = {menuCommand("New", [this] { commandNew(); }, nullptr, false)},
        .configure = {menuCommand("Game...", [this] { openConfigureGame(); })},
        .suspendClicks = true,
    };
}

void GameTable::openConfigureGame() {
    keptScoring_ = scoringOf(options_);
    frame_.openPage(kScreenConfigureGame);
}

void GameTable::screenChanged(int screen) {
    if (screen != kScreenTable) return;
    game_.options().hints = options_.displayHints;
    game_.updateHints();
}

int GameTable::state() const {
    return screens_.screen() != kScreenTable ? screens_.screen() : screenOfPhase(game_.phase());
}

void GameTable::saveSettings() {
    storeOptions(options_, record_);
    gamekit::saveSettings(velloranSettings, record_);
}

void GameTable::commandNew() {
    frame_.closeMenus();
    screens_.show(kScreenTable);
    startNewGame();
}

void GameTable::startNewGame() {
    act(Action::withSeed(Action::NewGame, dealSeed()));
}

TableScene GameTable::sceneOf(const VelloranGame& state, bool busy) const {
    TableScene s;
    s.game = &state;
    s.theme = &frame_.theme();
    s.sheet = frame_.sheet();
    s.displayHints = options_.displayHints;
    s.displayCardsInDeck = options_.displayCardsInDeck;
    s.displayScore = options_.displayScore;
    s.busy = busy;
    return s;
}

void GameTable::drawTableState(gamekit::Surface& surface, const VelloranGame& state, Phase phase,
                               bool busy, Card floating, ScreenPoint floatingAt) {
    TableScene scene = sceneOf(state, busy);
    scene.floating = floating;
    scene.floatingAt = floatingAt;
    switch (phase) {
        case Phase::Idle: drawIdleTable(surface, scene); break;
        case Phase::Dealing: drawDealingTable(surface, scene); break;
        case Phase::Play:
        case Phase::TiedHand: drawPlayScreen(surface, scene, buttons_); break;
        case Phase::Meld: drawMeldScreen(surface, scene, buttons_); break;
        case Phase::LayOff: drawLayOffScreen(surface, scene, buttons_); break;
        case Phase::HandResult: drawHandResult(surface, scene, buttons_); break;
        case Phase::ScoreSheet:
        case Phase::GameOver: drawScoreSheet(surface, scene, buttons_); break;
    }
    frame_.drawMenuBar(surface);
}

void GameTable::draw(gamekit::Surface& surface) {
    if (frame_.draw(surface)) return;
    switch (screens_.screen()) {
        case kScreenSplash: gamekit::drawStartupScreen(surface, frame_.sprites()); return;
        case kScreenConfigureGame:
            drawConfigureGame(surface, frame_.menuBar(), frame_.sheet(), options_, frame_.ok());
            return;
        default: break;
    }
    if (game_.phase() == Phase::Dealing) {
        frame_.playFlights(surface);
        // A deal whose flight was not planned (none was kept) begins at once.
        if (game_.phase() == Phase::Dealing) dealAnimation(surface, {});
    }
    // The play screen shows the deadwood of the hand as it stands, counted
    // again every frame.
    if (game_.phase() == Phase::Play) game_.computeDeadwood(Side::Player);
    drawTableState(surface, game_, game_.phase(), false);
}

void GameTable::drawHelpKeys(gamekit::Surface& surface) const {
    const struct {
        int x, y;
        const gamekit::SheetRect& icon;
    } keys[] = {{kUpKeyIconX, kUpKeyIconY, sprites::kUpKey},
                {kDownKeyIconX, kDownKeyIconY, sprites::kDownKey}};
    for (const auto& k : keys) {
        gamekit::blitKeyed(surface, k.x, k.y, frame_.sheet(), sprites::kSheetWidth, k.icon.x,
                           k.icon.y, k.icon.width, k.icon.height, sprites::kKey);
    }
}

// --- Taps ------------------------------------------------------------------

void GameTable::penDown(int x, int y) {
    if (x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight) return;
    if (frame_.penDown(x, y)) {
        // a standard page took it
    } else if (screens_.screen() == kScreenSplash) {
        screens_.show(kScreenTable);
    } else if (screens_.screen() == kScreenConfigureGame) {
        configureGameDown(x, y);
    } else {
        tableDown(x, y);
    }
    // The idle table deals at once, whatever the tap did (a menu opened too).
    if (state() == static_cast<int>(Phase::Idle)) startNewGame();
}

void GameTable::tableDown(int x, int y) {
    if (frame_.menusOpen() || y < frame_.menuBar().barHeight) {
        frame_.tapMenus(x, y);
        return;
    }
    switch (game_.phase()) {
        case Phase::Play: playDown(x, y); return;
        case Phase::Meld: meldDown(x, y); return;
        case Phase::LayOff: layOffDown(x, y); return;
        case Phase::HandResult:
            if (buttons_.tableOk.hitTest(x, y)) act(Action::of(Action::RecordHand));
            return;
        case Phase::ScoreSheet:
        case Phase::GameOver: sheetDown(x, y); return;
        default: return;
    }
}

void GameTable::playDown(int x, int y) {
    const VelloranGame& g = game_;
    if (!g.playerActive) {
        if (buttons_.tableOk.hitTest(x, y)) act(Action::of(Action::Acknowledge));
        return;
    }
    // Knock, Gin and Pass share a place. The Pass button is never disabled,
    // so its test holds whichever of the three is shown (a disabled button
    // is not hit, and the drawing disables Knock and Gin while they may not
    // be used).
    const bool onTurnButton = buttons_.pass.hitTest(x, y);
    const int n = g.playerCardCount();
    const int s = g.selectedCount();
    if (onTurnButton && g.canGin()) return act(Action::of(Action::Gin));
    if (onTurnButton && g.canKnock()) return act(Action::of(Action::Knock));
    if (onTurnButton && g.playerOffered()) return act(Action::of(Action::Pass));
    if (inPlayerRow(y)) {
        const int slot = playSlotAt(x);
        if (slot >= 0) act(Action::withSlot(Action::TapSlot, slot));
        return;
    }
    if (s == 1 && n == 11 && onDiscardPile(x, y)) return act(Action::of(Action::Discard));
    if (s == 0 && n == 10) {
        if (g.upcardOffer == 0 && onStock(x, y)) return act(Action::of(Action::TakeStock));
        if (onDiscardPile(x, y)) return act(Action::of(Action::TakeDiscard));
    }
}

namespace {

std::vector<int> groupSizes(const std::vector<CardGroup>& groups) {
    std::vector<int> sizes;
    for (const CardGroup& g : groups) sizes.push_back(g.count);
    return sizes;
}

int groupUnder(int x, const std::vector<CardGroup>& groups) {
    const std::vector<int> sizes = groupSizes(groups);
    return groupAt(x, sizes.data(), static_cast<int>(sizes.size()));
}

}  // namespace

void GameTable::meldDown(int x, int y) {
    const VelloranGame& g = game_;
    if (aboveHandRow(y)) {
        if (g.selectedMeld >= 0) {
            if (buttons_.ungroup.hitTest(x, y)) act(Action::of(Action::UngroupMeld));
        } else if (buttons_.createMeld.hitTest(x, y)) {
            if (g.selectedCount() >= 3) act(Action::of(Action::CreateMeld));
        } else if (g.canFinishMelding()) {
            // The drawing keeps the button's state; a tap is tested against
            // the button as the rules see it now.
            buttons_.meld.setEnabled(true);
            if (buttons_.meld.hitTest(x, y)) act(Action::of(Action::FinishMelding));
        }
        return;
    }
    const int slot = meldSlotAt(x);
    const bool onCard = slot >= 0 && g.playerSlot(slot) != kNoCard;
    const int group = groupUnder(x, g.playerMelds);
    if (g.selectedMeld >= 0) {
        if (!onCard) act(Action::withIndex(Action::SelectMeld, group));
    } else if (onCard) {
        act(Action::withSlot(Action::ToggleCard, slot));
    } else if (g.selectedCount() == 0 && group >= 0) {
        act(Action::withIndex(Action::SelectMeld, group));
    }
}

void GameTable::layOffDown(int x, int y) {
    const VelloranGame& g = game_;
    if (aboveHandRow(y)) {
        if (buttons_.finish.hitTest(x, y)) {
            act(Action::of(Action::FinishLayOff));
        } else if (inComputerRow(y)) {
            act(Action::withIndex(Action::LayOffOnto, groupUnder(x, g.layOffTargets)));
        }
        return;
    }
    const int slot = meldSlotAt(x);
    if (slot >= 0 && g.playerSlot(slot) != kNoCard) act(Action::withSlot(Action::ToggleCard, slot));
}

void GameTable::sheetDown(int x, int y) {
    if (buttons_.sheetOk.hitTest(x, y)) {
        act(Action::withSeed(Action::NextHand, dealSeed()));
        return;
    }
    const bool hollywood = game_.options().hollywood;
    const int column = sheetColumnAt(x, hollywood);
    const int rows = game_.scores.rowsShown();
    const ScrollZone zone = scrollZoneAt(x, y, column, hollywood, rows);
    if (zone == ScrollZone::None) return;
    ColumnScore& col = game_.scores.columns[column];
    if (!columnScrolls(col, rows)) return;
    scrollColumn(col, zone, rows);
}

// Configure Game is the game's own page: its OK hands the options to the
// rules, and a change of scoring since the page opened starts a new game.
void GameTable::configureGameDown(int x, int y) {
    if (frame_.ok().hitTest(x, y)) {
        frame_.click();
        frame_.closePage();
        game_.options() = rulesOptions(options_);
        if (scoringOf(options_) != keptScoring_) startNewGame();
    } else if (tapConfigureGame(x, y, options_)) {
        frame_.click();
    }
}

}  // namespace velloran

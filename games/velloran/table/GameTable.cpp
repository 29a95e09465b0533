#include "games/velloran/table/GameTable.h"

#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/Random.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/BitmapFile.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/shell/Shell.h"
#include "gamekit/sound/Sound.h"
#include "games/velloran/VelloranSettings.h"
#include "games/velloran/VelloranSprites.h"
#include "games/velloran/table/ScoreView.h"
#include "games/velloran/table/VelloranTexts.h"
#include "platform/Windows.h"

namespace velloran {

namespace sprites = velloran_sprites;

namespace {

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

const char* kAppearanceLabels[3] = {"Display Hints", "Display cards left in deck",
                                    "Display points in hand"};

}  // namespace

uint32_t dealSeed() {
    const uint32_t high = static_cast<uint32_t>(gamekit::nextRandom());
    const uint32_t low = static_cast<uint32_t>(gamekit::nextRandom());
    return high << 15 | low;
}

int screenOfPhase(Phase phase) {
    return phase == Phase::TiedHand ? static_cast<int>(Phase::Play) : static_cast<int>(phase);
}

GameTable::GameTable(gamekit::SettingsRecord& record)
    : record_(record),
      options_(loadOptions(record)),
      backs_(gamekit::kBackStripWidth * gamekit::kBackStripHeight),
      sheet_(sprites::kSheetWidth * sprites::kSheetHeight),
      themes_(gamekit::makeStandardThemes()),
      menuBar_(&gamekit::font1()),
      ok_(kPageOkButton.width, kButtonHeight, "OK", kPageOkButton.left, kPageOkButton.top,
          &gamekit::font1()),
      rules_("Rules", kRulesLines, kRulesLineCount),
      help_("Help", kHelpLines, kHelpLineCount) {
    game_.options() = rulesOptions(options_);
    gamekit::loadBitmapOrDie(L"TarnwickSoftware_CardBacks.bmp", gamekit::kBackStripWidth,
                             gamekit::kBackStripHeight, backs_.data(), gamekit::kBackStripWidth,
                             gamekit::kBackStripHeight);
    gamekit::loadBitmapOrDie(sprites::kSheetFileWide, sprites::kSheetWidth, sprites::kSheetHeight,
                             sheet_.data(), sprites::kSheetWidth, sprites::kSheetHeight);
    gamekit::giveStrip(themes_, backs_.data());
    sprites_ = screenSprites(sheet_.data());
    bool* values[3] = {&options_.displayHints, &options_.displayCardsInDeck, &options_.displayScore};
    appearance_ = std::make_unique<gamekit::AppearanceScreen>(
        gamekit::AppearanceScreen::fullLayout(kAppearanceLabels, values, &options_.animationSpeed),
        &options_.cardBack);
    buildMenus();
    game_.shuffleAtStart(dealSeed());
}

GameTable::~GameTable() {
    gamekit::destroyThemes(themes_);
}

int GameTable::state() const {
    return page_ != kScreenNone ? page_ : screenOfPhase(game_.phase());
}

void GameTable::saveSettings() {
    storeOptions(options_, record_);
    gamekit::saveSettings(velloranSettings, record_);
}

void GameTable::click() const {
    gamekit::playSound(gamekit::kSoundClick, options_.soundOn);
}

void GameTable::openPage(int screen) {
    menuBar_.closeAll();
    if (screen == kScreenRules) rules_.setPage(0);
    if (screen == kScreenHelp) help_.setPage(0);
    page_ = screen;
}

void GameTable::closePage() {
    page_ = kScreenNone;
}

void GameTable::commandNew() {
    menuBar_.closeAll();
    page_ = kScreenNone;
    startNewGame();
}

void GameTable::startNewGame() {
    act(Action::withSeed(Action::NewGame, dealSeed()));
}

TableScene GameTable::sceneOf(const VelloranGame& state, bool busy) const {
    TableScene s;
    s.game = &state;
    s.theme = themes_[options_.cardBack];
    s.sheet = sheet_.data();
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
    menuBar_.draw(surface);
}

void GameTable::draw(gamekit::Surface& surface) {
    switch (page_) {
        case kScreenSplash: gamekit::drawStartupScreen(surface, sprites_); return;
        case kScreenAppearance: appearance_->draw(surface, menuBar_, sprites_, themes_, ok_); return;
        case kScreenConfigureGame:
            drawConfigureGame(surface, menuBar_, sheet_.data(), options_, ok_);
            return;
        case kScreenAbout:
            gamekit::drawAboutScreen(surface, menuBar_, sprites_, options_.majorVersion,
                                     options_.minorVersion, ok_);
            return;
        case kScreenRules: rules_.draw(surface, menuBar_, gamekit::font1(), gamekit::font2(), ok_); return;
        case kScreenHelp: drawHelp(surface); return;
        default: break;
    }
    if (game_.phase() == Phase::Dealing) dealAnimation(surface);
    // The play screen shows the deadwood of the hand as it stands, counted
    // again every frame.
    if (game_.phase() == Phase::Play) game_.computeDeadwood(Side::Player);
    drawTableState(surface, game_, game_.phase(), false);
}

void GameTable::drawHelp(gamekit::Surface& surface) {
    help_.draw(surface, menuBar_, gamekit::font1(), gamekit::font2(), ok_);
    gamekit::blitKeyed(surface, kUpKeyIconX, kUpKeyIconY, sheet_.data(), sprites::kSheetWidth,
                       sprites::kUpKey.x, sprites::kUpKey.y, sprites::kUpKey.width,
                       sprites::kUpKey.height, sprites::kKey);
    gamekit::blitKeyed(surface, kDownKeyIconX, kDownKeyIconY, sheet_.data(), sprites::kSheetWidth,
                       sprites::kDownKey.x, sprites::kDownKey.y, sprites::kDownKey.width,
                       sprites::kDownKey.height, sprites::kKey);
}

// --- Taps ------------------------------------------------------------------

void GameTable::penDown(int x, int y) {
    if (x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight) return;
    playedBack_ = false;
    if (page_ == kScreenSplash) {
        page_ = kScreenNone;
    } else if (page_ != kScreenNone) {
        pageDown(x, y);
    } else {
        tableDown(x, y);
    }
    // The idle table deals at once, whatever the tap did (a menu opened too).
    if (state() == static_cast<int>(Phase::Idle)) startNewGame();
    if (playedBack_) dropTapsMadeMeanwhile();
}

// A tap made while the computer played or cards flew was meant for the
// table as it was then: it is dropped rather than applied to the table that
// followed, where it could throw a card the person never chose.
void GameTable::dropTapsMadeMeanwhile() {
    while (gamekit::takeTap()) {
    }
}

void GameTable::tableDown(int x, int y) {
    if (menuBar_.anyOpen() || y < menuBar_.barHeight) {
        menuBar_.handleTap({x, y});
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

void GameTable::pageDown(int x, int y) {
    const gamekit::Point p{x, y};
    switch (page_) {
        case kScreenAppearance: {
            const auto tap = appearance_->tap(p, ok_);
            if (tap == gamekit::AppearanceScreen::Tap::None) return;
            click();
            if (tap != gamekit::AppearanceScreen::Tap::Ok) return;
            closePage();
            game_.options().hints = options_.displayHints;
            game_.updateHints();
            return;
        }
        case kScreenConfigureGame:
            if (ok_.hitTest(x, y)) {
                click();
                closePage();
                game_.options() = rulesOptions(options_);
                if (scoringOf(options_) != keptScoring_) startNewGame();
            } else if (tapConfigureGame(x, y, options_)) {
                click();
            }
            return;
        case kScreenAbout:
            if (ok_.hitTest(x, y)) {
                click();
                closePage();
            }
            return;
        case kScreenRules:
        case kScreenHelp: {
            gamekit::Pager& pager = page_ == kScreenRules ? rules_ : help_;
            const auto tap = pager.tap(p, ok_);
            if (tap != gamekit::Pager::Tap::None) click();
            if (tap == gamekit::Pager::Tap::Ok) closePage();
            return;
        }
        default: return;
    }
}

}  // namespace velloran

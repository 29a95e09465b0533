#include "games/pellandine/PellandineGame.h"

#include "gamekit/graphics/BitmapFile.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/shell/Shell.h"
#include "gamekit/sound/Sound.h"
#include "games/pellandine/Pages.h"
#include "games/pellandine/PellandineSettings.h"
#include "games/pellandine/PellandineSprites.h"
#include "games/pellandine/RulesText.h"
#include "games/pellandine/TableAnimation.h"
#include "games/pellandine/TableView.h"
#include "platform/Windows.h"

namespace pellandine {

namespace {

using gamekit::Surface;

gamekit::ScreenSprites screenSprites(const uint16_t* sheet) {
    using namespace pellandine_sprites;
    gamekit::ScreenSprites s;
    s.sheet = sheet;
    s.stride = kSheetWidth;
    s.logo = {kLogo.x, kLogo.y};
    s.aboutLogo = {kAboutLogo.x, kAboutLogo.y};
    s.nameArt = {kNameArt.x, kNameArt.y};
    s.emblem = {kEmblem.x, kEmblem.y};
    s.aboutEmblem = {kAboutEmblem.x, kAboutEmblem.y};
    s.boxOff = {kCheckBoxEmpty.x, kCheckBoxEmpty.y};
    s.boxOn = {kCheckBoxTicked.x, kCheckBoxTicked.y};
    return s;
}

}  // namespace

PellandineGame::PellandineGame(gamekit::SettingsRecord& record)
    : record_(record),
      backs_(static_cast<size_t>(gamekit::kBackStripWidth) * gamekit::kBackStripHeight),
      sheet_(static_cast<size_t>(pellandine_sprites::kSheetWidth) *
             pellandine_sprites::kSheetHeight),
      themes_(gamekit::makeStandardThemes()),
      bar_(&gamekit::font1()),
      ok_(60, 20, "OK", 160, 280, &gamekit::font1()),
      reset_(60, 20, "Reset", 15, 280, &gamekit::font1()),
      prompts_(3, 286, 234, 31, &gamekit::font1()),
      rulesPager_("Rules", kRulesLines, kRulesLineCount),
      helpPager_("Help", kHelpLines, kHelpLineCount) {
    ScoreLists scores;
    const bool corrected = takeOptions(record_, options_, scores);
    // The shoe is shuffled from the tick count, as every shuffle of the game.
    session_ = std::make_unique<PellandineSession>(GetTickCount(), options_);
    session_->rules().scores() = scores;
    if (corrected) saveSettings();

    gamekit::loadBitmapOrDie(L"TarnwickSoftware_CardBacks.bmp", gamekit::kBackStripWidth,
                             gamekit::kBackStripHeight, backs_.data(), gamekit::kBackStripWidth,
                             gamekit::kBackStripHeight);
    gamekit::loadBitmapOrDie(pellandine_sprites::kSheetFileWide, pellandine_sprites::kSheetWidth,
                             pellandine_sprites::kSheetHeight, sheet_.data(),
                             pellandine_sprites::kSheetWidth, pellandine_sprites::kSheetHeight);
    gamekit::giveStrip(themes_, backs_.data());
    sprites_ = screenSprites(sheet_.data());

    const char* labels[3] = {"Show cards left", "Show prompts", "Show end game dialog"};
    bool* values[3] = {&options_.displayCardsLeft, &options_.displayPrompts,
                       &options_.displayDialogs};
    const int tapRights[3] = {151, 151, 171};
    appearance_ = std::make_unique<gamekit::AppearanceScreen>(
        gamekit::AppearanceScreen::compactLayout(3, labels, values, tapRights), &options_.cardBack);
    buildMenus();
}

PellandineGame::~PellandineGame() {
    gamekit::destroyThemes(themes_);
}

void PellandineGame::click() const {
    gamekit::playSound(gamekit::kSoundClick, options_.soundsOn);
}

void PellandineGame::saveSettings() {
    storeOptions(options_, session_->rules().scores(), record_);
    gamekit::saveSettings(pellandineSettings, record_);
}

void PellandineGame::open(int page) {
    click();
    bar_.closeAll();
    session_->openPage(page);
}

void PellandineGame::keepDeal(const PlayResult& result) {
    if (!result.dealt) return;
    pendingDeal_ = result;
    dealPending_ = true;
}

void PellandineGame::announce(const Announcement& announcement) {
    if (announcement.presentTableFirst) {
        Surface screen(gamekit::backBuffer(), gamekit::kScreenWidth, gamekit::kScreenHeight);
        drawTableScreen(screen, true, nullptr);
        gamekit::pumpMessages(true);
    }
    if (announcement.message != nullptr) {
        gamekit::showMessageBox(announcement.message, ScoreOffer::caption());
    }
    if (announcement.scoresChanged) saveSettings();
}

void PellandineGame::commandNew() {
    Announcement announcement;
    keepDeal(session_->newGame(GetTickCount(), announcement));
    click();
    announce(announcement);
}

void PellandineGame::restart() {
    Announcement announcement;
    keepDeal(session_->restartGame(announcement));
    click();
    announce(announcement);
}

void PellandineGame::commandLeft() {
    restart();
}

void PellandineGame::commandRight() {
    open(kScreenHighScores);
}

void PellandineGame::drawTableScreen(Surface& surface, bool showCards, const TableGrid* grid) {
    const PellandineRules& rules = session_->rules();
    TableScene scene;
    scene.grid = grid != nullptr ? grid : &rules.grid();
    scene.theme = &theme();
    scene.sheet = sheet_.data();
    scene.deckHasCards = !rules.shoeExhausted();
    scene.score = rules.score();
    scene.cardsLeft = rules.cardsLeft();
    scene.showCardsLeft = options_.displayCardsLeft;
    scene.showCards = showCards;
    prompts_.clear();
    if (options_.displayPrompts) {
        const PromptLines lines = rules.promptLines();
        if (lines.first[0] != '\0') prompts_.addLine(lines.first);
        if (lines.second[0] != '\0') prompts_.addLine(lines.second);
        scene.prompts = &prompts_;
    }
    restartItem_->setEnabled(rules.canRestart());
    scene.bar = &bar_;
    drawTable(surface, scene);
}

void PellandineGame::showDeal(Surface& surface) {
    if (dealPending_) {
        dealPending_ = false;
        drawTableScreen(surface, false, &pendingDeal_.before);
        gamekit::pumpMessages(true);
        animateDeal(surface, pendingDeal_, theme());
    }
    session_->dealShown();
    drawTableScreen(surface, true, nullptr);
}

void PellandineGame::draw(Surface& surface) {
    const PellandineRules& rules = session_->rules();
    switch (session_->screen()) {
        case kScreenStartup:
            gamekit::drawStartupScreen(surface, sprites_);
            break;
        case kScreenDealing:
            showDeal(surface);
            break;
        case kScreenHighScores:
            drawHighScorePage(surface, bar_, rules.scores().list(rules.gameType()),
                              rules.gameType(), reset_, ok_);
            break;
        case kScreenAppearance:
            appearance_->draw(surface, bar_, sprites_, themes_, ok_);
            break;
        case kScreenAbout:
            gamekit::drawAboutScreen(surface, bar_, sprites_,
                                     record_.words[gamekit::kMajorVersionWord],
                                     record_.words[gamekit::kMinorVersionWord], ok_);
            break;
        case kScreenRules:
            rulesPager_.draw(surface, bar_, gamekit::font1(), gamekit::font2(), ok_);
            break;
        case kScreenSettings:
            drawSettingsPage(surface, bar_, sheet_.data(), options_, ok_);
            break;
        case kScreenHelp:
            helpPager_.draw(surface, bar_, gamekit::font1(), gamekit::font2(), ok_);
            break;
        default:
            drawTableScreen(surface, true, nullptr);
            break;
    }
}

void PellandineGame::tapOnTable(int x, int y) {
    if (bar_.handleTap({x, y})) return;
    Announcement announcement;
    const PlayResult result = session_->tapTable(x, y, GetTickCount(), announcement);
    keepDeal(result);
    if (result.tap == TapKind::DeckTapped) {
        Surface screen(gamekit::backBuffer(), gamekit::kScreenWidth, gamekit::kScreenHeight);
        drawTableScreen(screen, true, &result.before);
        animateDeckTap(screen, result, theme());
    }
    announce(announcement);
}

void PellandineGame::tapOnSettings(int x, int y) {
    const SettingsTap tap = settingsTap(x, y, ok_);
    switch (tap.kind) {
        case SettingsTap::Ok:
            click();
            session_->closePage();
            break;
        case SettingsTap::Variation: {
            click();
            PlayResult result;
            Announcement announcement;
            if (session_->chooseVariation(tap.gameType, GetTickCount(), result, announcement)) {
                keepDeal(result);
                announce(announcement);
            }
            break;
        }
        case SettingsTap::ToggleSlide:
            click();
            session_->toggleSlideChallenge();
            break;
        case SettingsTap::None:
            break;
    }
}

void PellandineGame::tapOnHighScores(int x, int y) {
    if (ok_.hitTest(x, y)) {
        click();
        session_->closePage();
    } else if (reset_.hitTest(x, y)) {
        click();
        session_->resetScores();
        saveSettings();
    }
}

void PellandineGame::penDown(int x, int y) {
    const int screen = session_->screen();
    if (isTableScreen(screen)) {
        tapOnTable(x, y);
        return;
    }
    switch (screen) {
        case kScreenStartup:
            click();
            session_->leaveStartup();
            break;
        case kScreenHighScores:
            tapOnHighScores(x, y);
            break;
        case kScreenAppearance: {
            const auto tap = appearance_->tap({x, y}, ok_);
            if (tap != gamekit::AppearanceScreen::Tap::None) click();
            if (tap == gamekit::AppearanceScreen::Tap::Ok) session_->closePage();
            break;
        }
        case kScreenAbout:
            if (ok_.hitTest(x, y)) {
                click();
                session_->closePage();
            }
            break;
        case kScreenRules:
        case kScreenHelp: {
            gamekit::Pager& pager = screen == kScreenRules ? rulesPager_ : helpPager_;
            const auto tap = pager.tap({x, y}, ok_);
            if (tap != gamekit::Pager::Tap::None) click();
            if (tap == gamekit::Pager::Tap::Ok) session_->closePage();
            break;
        }
        case kScreenSettings:
            tapOnSettings(x, y);
            break;
        default:
            break;
    }
}

void PellandineGame::penUp(int /*x*/, int /*y*/) {
    if (!isTableScreen(session_->screen())) return;
    Announcement announcement;
    const PlayResult result = session_->penUp(bar_.anyOpen(), announcement);
    if (result.removed) click();
    announce(announcement);
}

}  // namespace pellandine

#include "games/pellandine/PellandineGame.h"

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/shell/Shell.h"
#include "games/pellandine/Pages.h"
#include "games/pellandine/PellandineSettings.h"
#include "games/pellandine/PellandineSprites.h"
#include "games/pellandine/RulesText.h"
#include "games/pellandine/TableAnimation.h"
#include "games/pellandine/TableView.h"
#include "platform/Windows.h"

namespace pellandine {

using gamekit::Surface;

PellandineGame::PellandineGame(gamekit::SettingsRecord& record)
    : record_(record), prompts_(3, 286, 234, 31, &gamekit::font1()) {
    ScoreLists scores;
    const bool corrected = takeOptions(record_, options_, scores);
    // The shoe is shuffled from the tick count, as every shuffle of the game.
    session_ = std::make_unique<PellandineSession>(GetTickCount(), options_);
    session_->rules().scores() = scores;
    if (corrected) saveSettings();
    frame_ = std::make_unique<gamekit::ProgramFrame>(frameSetup());
}

gamekit::ProgramFrame::Setup PellandineGame::frameSetup() {
    namespace sprites = pellandine_sprites;
    static const char* const kLabels[3] = {"Show cards left", "Show prompts",
                                           "Show end game dialog"};
    bool* values[3] = {&options_.displayCardsLeft, &options_.displayPrompts,
                       &options_.displayDialogs};
    static const int kTapRights[3] = {151, 151, 171};
    return {
        .sheet = sprites::kSheet,
        .screens = &session_->screens(),
        .pages = {kScreenAppearance, kScreenAbout, kScreenRules, kScreenHelp},
        .rules = {kRulesLines, kRulesLineCount},
        .help = {kHelpLines, kHelpLineCount},
        .appearance = gamekit::AppearanceScreen::compactLayout(3, kLabels, values, kTapRights),
        .cardBack = &options_.cardBack,
        .soundOn = &options_.soundsOn,
        .record = &record_,
        .menus = menuTable(),
    };
}

// "New" and "Restart" click once the game has answered; Restart is drawn
// disabled until the first deal (the rules ignore it until then).
gamekit::MenuTable PellandineGame::menuTable() {
    using gamekit::menuCommand;
    return {
        .game =
            {
                menuCommand("New", [this] { commandNew(); }, nullptr, false),
                menuCommand(
                    "Restart", [this] { restart(); },
                    [this] { return session_->rules().canRestart(); }, false),
                menuCommand("High Scores...", [this] { frame_->openPage(kScreenHighScores); }),
            },
        .configure = {menuCommand("Game...", [this] { frame_->openPage(kScreenSettings); })},
    };
}

void PellandineGame::saveSettings() {
    storeOptions(options_, session_->rules().scores(), record_);
    gamekit::saveSettings(pellandineSettings, record_);
}

void PellandineGame::open(int page) {
    click();
    frame_->openPage(page);
}

// Only the latest deal is shown: one made while an earlier one waited (a
// variation chosen twice on the settings page) replaces it.
void PellandineGame::keepDeal(const PlayResult& result) {
    if (!result.dealt) return;
    frame_->cancelFlights();
    frame_->planFlight([this, result](Surface& surface) {
        drawTableScreen(surface, false, &result.before);
        gamekit::pumpMessages(true);
        animateDeal(surface, result, theme());
    });
}

void PellandineGame::announce(const Announcement& announcement) {
    if (announcement.presentTableFirst) {
        Surface screen(gamekit::backBuffer(), gamekit::kScreenWidth, gamekit::kScreenHeight);
        drawTableScreen(screen, true, nullptr);
        gamekit::pumpMessages(true);
    }
    if (announcement.message != nullptr) {
        frame_->messageBox(announcement.message, ScoreOffer::caption());
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
    scene.sheet = frame_->sheet();
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
    drawTable(surface, scene);
    frame_->drawMenuBar(surface);
}

void PellandineGame::draw(Surface& surface) {
    if (frame_->draw(surface)) return;
    const PellandineRules& rules = session_->rules();
    switch (session_->screen()) {
        case kScreenStartup:
            gamekit::drawStartupScreen(surface, frame_->sprites());
            break;
        case kScreenDealing:
            frame_->playFlights(surface);
            session_->dealShown();
            drawTableScreen(surface, true, nullptr);
            break;
        case kScreenHighScores:
            drawHighScorePage(surface, frame_->menuBar(), rules.scores().list(rules.gameType()),
                              rules.gameType(), frame_->reset(), frame_->ok());
            break;
        case kScreenSettings:
            drawSettingsPage(surface, frame_->menuBar(), frame_->sheet(), options_, frame_->ok());
            break;
        default:
            drawTableScreen(surface, true, nullptr);
            break;
    }
}

void PellandineGame::tapOnTable(int x, int y) {
    if (frame_->tapMenus(x, y)) return;
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
    const SettingsTap tap = settingsTap(x, y, frame_->ok());
    switch (tap.kind) {
        case SettingsTap::Ok:
            click();
            frame_->closePage();
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
    if (frame_->ok().hitTest(x, y)) {
        click();
        frame_->closePage();
    } else if (frame_->reset().hitTest(x, y)) {
        click();
        session_->resetScores();
        saveSettings();
    }
}

void PellandineGame::penDown(int x, int y) {
    if (frame_->penDown(x, y)) return;
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
    const PlayResult result = session_->penUp(frame_->menusOpen(), announcement);
    if (result.removed) click();
    announce(announcement);
}

}  // namespace pellandine

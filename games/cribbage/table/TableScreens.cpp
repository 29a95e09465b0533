// Drawing of every screen state and the taps of the pages.
#include "gamekit/graphics/BitmapFont.h"
#include "games/cribbage/table/CribbageTable.h"

namespace cribbage {

void CribbageTable::draw(gamekit::Surface& surface) {
    switch (game_.state()) {
        case GameState::Splash:
            gamekit::drawStartupScreen(surface, sprites_);
            return;
        case GameState::Dealing:
            dealAnimated();
            break;
        case GameState::CuttingStarter:
            revealStarterAnimated();
            break;
        default:
            break;
    }
    const int s = static_cast<int>(game_.state());
    if (s >= static_cast<int>(GameState::ConfigureAppearance) &&
        s <= static_cast<int>(GameState::Help)) {
        drawPage(surface);
        return;
    }
    drawTableScreen(surface);
}

void CribbageTable::drawPage(gamekit::Surface& surface) {
    switch (game_.state()) {
        case GameState::ConfigureAppearance:
            appearance_->draw(surface, menuBar_, sprites_, themes_, ok_);
            return;
        case GameState::ConfigureGame:
            configureGame_.draw(surface, menuBar_, sprites_, ok_);
            return;
        case GameState::About:
            gamekit::drawAboutScreen(surface, menuBar_, sprites_, options_.majorVersion,
                                     options_.minorVersion, ok_);
            return;
        case GameState::Rules:
            rules_.draw(surface, menuBar_, gamekit::font1(), gamekit::font2(), ok_);
            return;
        case GameState::Help:
            help_.draw(surface, menuBar_, gamekit::font1(), gamekit::font2(), ok_);
            return;
        default:
            return;
    }
}

void CribbageTable::pageDown(int x, int y) {
    const gamekit::Point p{x, y};
    switch (game_.state()) {
        case GameState::ConfigureAppearance: {
            const auto tap = appearance_->tap(p, ok_);
            if (tap != gamekit::AppearanceScreen::Tap::None) click();
            if (tap == gamekit::AppearanceScreen::Tap::Ok) closeScreen();
            return;
        }
        case GameState::ConfigureGame: {
            const auto tap = configureGame_.tap(p, ok_);
            if (tap != ConfigureGameScreen::Tap::None) click();
            if (tap == ConfigureGameScreen::Tap::Ok) closeScreen();
            return;
        }
        case GameState::About:
            if (ok_.hitTest(x, y)) {
                click();
                closeScreen();
            }
            return;
        case GameState::Rules:
        case GameState::Help: {
            gamekit::Pager& pager = game_.state() == GameState::Rules ? rules_ : help_;
            const auto tap = pager.tap(p, ok_);
            if (tap != gamekit::Pager::Tap::None) click();
            if (tap == gamekit::Pager::Tap::Ok) closeScreen();
            return;
        }
        default:
            return;
    }
}

}  // namespace cribbage

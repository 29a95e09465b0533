// Drawing of every screen state, and the taps of Configure Game (the shared
// pages are the frame's).
#include "gamekit/ui/Screens.h"
#include "games/cribbage/table/CribbageTable.h"

namespace cribbage {

void CribbageTable::draw(gamekit::Surface& surface) {
    if (frame_.draw(surface)) return;
    switch (game_.state()) {
        case GameState::Splash:
            gamekit::drawStartupScreen(surface, frame_.sprites());
            return;
        case GameState::ConfigureGame:
            drawConfigureGame(surface);
            return;
        case GameState::Dealing:
        case GameState::CuttingStarter:
            frame_.playFlights(surface);
            break;
        default:
            break;
    }
    drawTableScreen(surface);
}

void CribbageTable::drawConfigureGame(gamekit::Surface& surface) {
    configureGame_.draw(surface, frame_.menuBar(), frame_.sprites(), frame_.ok());
}

void CribbageTable::configureGameDown(int x, int y) {
    const auto tap = configureGame_.tap({x, y}, frame_.ok());
    if (tap != ConfigureGameScreen::Tap::None) click();
    if (tap == ConfigureGameScreen::Tap::Ok) frame_.closePage();
}

}  // namespace cribbage

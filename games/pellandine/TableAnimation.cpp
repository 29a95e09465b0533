#include "games/pellandine/TableAnimation.h"

#include "gamekit/sound/CardFlight.h"
#include "games/pellandine/TableView.h"
#include "platform/Windows.h"

namespace pellandine {

namespace {

// Steps and pause of each kind of flight.
constexpr int kDealSteps = 5, kDealPauseMs = 10;
constexpr int kSlideSteps = 4, kSlidePauseMs = 15;
constexpr int kFillSteps = 5, kFillPauseMs = 25;
constexpr int kPauseBeforeRefillMs = 25;

void playFills(gamekit::Surface& target, const PlayResult& result, const gamekit::CardTheme& theme,
               int steps, int pauseMs) {
    TableGrid grid = result.before;
    const int deckY = firstRowY(grid.gameType());
    for (const TableEvent& event : result.events) {
        const ScreenPoint at = slotPlace(grid.gameType(), event.row, event.column);
        if (event.kind == EventKind::Fill) {
            gamekit::animateCardMovePaused(target, event.card, &theme, kDeckX, deckY, at.x, at.y,
                                           steps, pauseMs);
        } else if (event.kind == EventKind::Stranded) {
            drawEmptyPlace(target, theme, at.x, at.y);
        }
        grid.apply(event);
    }
}

}  // namespace

void animateDeal(gamekit::Surface& target, const PlayResult& result,
                 const gamekit::CardTheme& theme) {
    playFills(target, result, theme, kDealSteps, kDealPauseMs);
}

void animateDeckTap(gamekit::Surface& target, const PlayResult& result,
                    const gamekit::CardTheme& theme) {
    TableGrid grid = result.before;
    bool slid = false;
    PlayResult fills;
    for (const TableEvent& event : result.events) {
        if (event.kind != EventKind::Slide) continue;
        const ScreenPoint from = slotPlace(grid.gameType(), event.fromRow, event.fromColumn);
        const ScreenPoint to = slotPlace(grid.gameType(), event.row, event.column);
        drawEmptyPlace(target, theme, from.x, from.y);
        gamekit::animateCardMovePaused(target, event.card, &theme, from.x, from.y, to.x, to.y,
                                       kSlideSteps, kSlidePauseMs);
        grid.apply(event);
        slid = true;
    }
    if (slid) Sleep(kPauseBeforeRefillMs);
    fills.before = grid;
    for (const TableEvent& event : result.events) {
        if (event.kind != EventKind::Slide) fills.events.push_back(event);
    }
    playFills(target, fills, theme, kFillSteps, kFillPauseMs);
}

}  // namespace pellandine

// Drawing of every screen state and the taps of the pages.
#include <cstdio>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/sound/CardFlight.h"
#include "games/reflection/ReflectionSprites.h"
#include "games/reflection/table/ReflectionTable.h"
#include "games/reflection/table/SystemClock.h"
#include "games/reflection/table/TableLayout.h"

namespace reflection {

namespace {

using gamekit::Surface;

// The opening cards fly from the deck in ten steps (eleven positions), with
// a short pause after each.
constexpr int kDealSteps = 10;
constexpr int kDealPauseMs = 4;
constexpr int kDealFromX = 3;
constexpr int kDealFromY = 30;

constexpr gamekit::Colour kNewestRowColour = 0xFFE0;

}  // namespace

TableScene ReflectionTable::scene() {
    TableScene s;
    s.game = &game();
    s.theme = &frame_.theme();
    s.sheet = frame_.sheet();
    s.sheetStride = reflection_sprites::kSheetWidth;
    s.pick = pick_;
    const int state = screens_.screen();
    const bool dealt = state == kStateDealing || state == kStatePlaying || state == kStateGameOver;
    s.showScore = options_.displayScore && dealt;
    s.showTime = options_.displayTime && (state == kStatePlaying || state == kStateGameOver);
    s.seconds = session_.displayedSeconds(systemNow());
    return s;
}

void ReflectionTable::draw(Surface& surface) {
    if (frame_.draw(surface)) return;
    switch (state()) {
        case kStateSplash:
            gamekit::drawStartupScreen(surface, frame_.sprites());
            return;
        case kStateDealing:
            frame_.playFlights(surface);
            setState(kStatePlaying);
            drawTableScreen(surface);
            return;
        case kStateTable:
        case kStatePlaying:
        case kStateGameOver:
            drawTableScreen(surface);
            return;
        case kStateHighScores:
            drawHighScores(surface);
            return;
        default:
            return;
    }
}

void ReflectionTable::drawTableScreen(Surface& surface) {
    drawTable(surface, scene());
    frame_.drawMenuBar(surface);
}

// Each opening card is dealt, flown from the deck over the table as it was,
// and the table is then drawn again with the card in place and the score
// raised by 2.
void ReflectionTable::dealOpeningCards(Surface& surface) {
    for (;;) {
        drawTableScreen(surface);
        const int s = game().dealOpeningCard();
        if (s < 0) return;
        const PlayingCard* card = game().sequence(s)[0];
        const ScreenPoint to = sequenceCardPlace(s, 0);
        gamekit::animateCardMovePaused(surface, card, &frame_.theme(), kDealFromX,
                                       kDealFromY, to.x, to.y, kDealSteps, kDealPauseMs);
    }
}

void ReflectionTable::drawHighScores(Surface& surface) {
    const bool expert = game().expertMode();
    const HighScoreList& list = session_.currentList();
    gamekit::drawHighScoreFrame(surface, frame_.menuBar(),
                                expert ? "High Scores: (Expert Times)" : "High Score List", "Score",
                                "Time");
    gamekit::FontStyle style(gamekit::font1(), gamekit::colours::kBlack, gamekit::colours::kWhite,
                             true);
    char text[24];
    for (int row = 0; row < kListEntries && list.score(row) > 0; ++row) {
        const int y = gamekit::kHighScoreFirstRowY + gamekit::kHighScoreRowStep * row;
        if (row == list.highlightedRow()) {
            gamekit::drawRect(surface, 45, y - 2, 195, y + 13, gamekit::kShapeFilled,
                              kNewestRowColour, kNewestRowColour);
        }
        std::snprintf(text, sizeof text, "%d", list.score(row));
        gamekit::font1().draw(surface, 64, y, text);
        std::snprintf(text, sizeof text, "%d sec", list.time(row));
        gamekit::font1().draw(surface, 125, y, text);
    }
    frame_.reset().draw(surface);
    frame_.ok().draw(surface);
}

void ReflectionTable::highScoresDown(int x, int y) {
    if (frame_.reset().hitTest(x, y)) {
        session_.resetHighScores();
        saveSettings();
        click();
    } else if (frame_.ok().hitTest(x, y)) {
        click();
        session_.normalList().clearHighlight();
        session_.expertList().clearHighlight();
        frame_.closePage();
    }
}

}  // namespace reflection

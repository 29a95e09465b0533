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
    s.theme = themes_[options_.cardBack];
    s.sheet = sheet_.data();
    s.sheetStride = reflection_sprites::kSheetWidth;
    s.pick = pick_;
    const bool dealt =
        state_ == kStateDealing || state_ == kStatePlaying || state_ == kStateGameOver;
    s.showScore = options_.displayScore && dealt;
    s.showTime = options_.displayTime && (state_ == kStatePlaying || state_ == kStateGameOver);
    s.seconds = session_.displayedSeconds(systemNow());
    return s;
}

void ReflectionTable::draw(Surface& surface) {
    switch (state_) {
        case kStateSplash:
            gamekit::drawStartupScreen(surface, sprites_);
            return;
        case kStateDealing:
            dealOpeningCards(surface);
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
        case kStateAppearance:
            appearance_->draw(surface, menuBar_, sprites_, themes_, ok_);
            return;
        case kStateAbout:
            gamekit::drawAboutScreen(surface, menuBar_, sprites_, options_.majorVersion,
                                     options_.minorVersion, ok_);
            return;
        case kStateRules:
            rules_.draw(surface, menuBar_, gamekit::font1(), gamekit::font2(), ok_);
            return;
        case kStateHelp:
            help_.draw(surface, menuBar_, gamekit::font1(), gamekit::font2(), ok_);
            return;
        default:
            return;
    }
}

void ReflectionTable::drawTableScreen(Surface& surface) {
    updateMenus();
    drawTable(surface, scene());
    menuBar_.draw(surface);
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
        gamekit::animateCardMovePaused(surface, card, themes_[options_.cardBack], kDealFromX,
                                       kDealFromY, to.x, to.y, kDealSteps, kDealPauseMs);
    }
}

void ReflectionTable::drawHighScores(Surface& surface) {
    const bool expert = game().expertMode();
    const HighScoreList& list = session_.currentList();
    gamekit::drawHighScoreFrame(surface, menuBar_,
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
    reset_.draw(surface);
    ok_.draw(surface);
}

void ReflectionTable::pageDown(int x, int y) {
    const gamekit::Point p{x, y};
    switch (state_) {
        case kStateHighScores:
            if (reset_.hitTest(x, y)) {
                session_.resetHighScores();
                saveSettings();
                click();
            } else if (ok_.hitTest(x, y)) {
                click();
                closeScreen();
            }
            return;
        case kStateAppearance: {
            const auto tap = appearance_->tap(p, ok_);
            if (tap != gamekit::AppearanceScreen::Tap::None) click();
            if (tap == gamekit::AppearanceScreen::Tap::Ok) closeScreen();
            return;
        }
        case kStateAbout:
            if (ok_.hitTest(x, y)) {
                click();
                closeScreen();
            }
            return;
        case kStateRules:
        case kStateHelp: {
            gamekit::Pager& pager = state_ == kStateRules ? rules_ : help_;
            const auto tap = pager.tap(p, ok_);
            if (tap != gamekit::Pager::Tap::None) click();
            if (tap == gamekit::Pager::Tap::Ok) closeScreen();
            return;
        }
        default:
            return;
    }
}

}  // namespace reflection

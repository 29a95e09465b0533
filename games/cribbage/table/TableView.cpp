#include "games/cribbage/table/TableView.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/DrawingRecord.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/ui/Controls.h"
#include "games/cribbage/CribbageSprites.h"
#include "games/cribbage/table/BoardGeometry.h"
#include "games/cribbage/table/TableLayout.h"

namespace cribbage {

namespace {

using gamekit::Colour;
using gamekit::Surface;
namespace sprites = cribbage_sprites;

constexpr int kBoardTop = 18;  // the menu bar lies above
constexpr int kCardRadius = 3;
constexpr int kSetGames = 6;   // holes 0 to 5 of the set score
constexpr Colour kPlayBoxFill = 0xFFFF;
constexpr Colour kPlayBoxInk = 0x0000;

bool isCounting(GameState s) {
    return s == GameState::CountingPone || s == GameState::CountingDealer ||
           s == GameState::CountingCrib;
}

bool dealt(GameState s) {
    return s != GameState::Table && s != GameState::Splash;
}

void blitPiece(Surface& surface, const TableScene& scene, const sprites::SheetRect& r, int x,
               int y) {
    if (scene.sheet == nullptr) return;
    gamekit::blitKeyed(surface, x, y, scene.sheet, scene.sheetStride, r.x, r.y, r.width, r.height,
                       gamekit::colours::kSheetKey);
}

void drawCardAt(Surface& surface, const TableScene& scene, Card card, ScreenPoint at, bool faceUp,
                bool selected = false) {
    if (!card.isCard()) return;
    const gamekit::PlayingCard shown(card.rank, card.suit, faceUp);
    gamekit::drawCard(surface, shown, scene.theme, at.x, at.y, 0, 0, selected);
}

// An empty place: a card-sized outline in the theme's line colour.
void drawEmptyFrame(Surface& surface, const TableScene& scene, ScreenPoint at) {
    gamekit::drawRoundRect(surface, at.x, at.y, at.x + kCardWidth - 1, at.y + kCardHeight - 1,
                           kCardRadius, gamekit::kShapeOutline, scene.theme->lineColour,
                           scene.theme->tableColour);
}

void drawLabel(Surface& surface, const TableScene& scene, int x, int y, const char* text,
               bool centred) {
    gamekit::FontStyle style(gamekit::font1(), scene.theme->textColour, scene.theme->tableColour,
                             true);
    if (centred) {
        gamekit::font1().drawCentred(surface, x, y, text);
    } else {
        gamekit::font1().draw(surface, x, y, text);
    }
}

// The deck, with the starter face up on it once cut; and the crib box,
// holding the crib face down while it waits to be counted.
void drawDeckAndCrib(Surface& surface, const TableScene& scene) {
    const CribbageGame& game = *scene.game;
    const bool computerDeals = game.computerDeals();
    const ScreenPoint deck = deckPlace(computerDeals);
    scene.theme->drawBack(surface, deck.x, deck.y, kScreenWidth, kScreenHeight, false);
    if (game.starter().isCard() && scene.deal.starter) {
        drawCardAt(surface, scene, game.starter(), deck, true);
    }
    drawLabel(surface, scene, deck.x, deck.y + kDeckLabelDown, "Deck", false);

    const ScreenPoint box = cribPlace(computerDeals);
    const bool cribWaits = scene.state == GameState::Discarding ||
                           scene.state == GameState::Playing ||
                           scene.state == GameState::CountingPone ||
                           scene.state == GameState::CountingDealer ||
                           scene.state == GameState::CuttingStarter;
    const int shown = scene.deal.cribCards < game.cribCount() ? scene.deal.cribCards
                                                              : game.cribCount();
    if (cribWaits && shown > 0) {
        for (int i = 0; i < shown; ++i) {
            drawCardAt(surface, scene, game.crib()[i], cribCardPlace(computerDeals, i), false);
        }
    } else {
        drawEmptyFrame(surface, scene, box);
    }
    drawLabel(surface, scene, box.x + kCribLabelOffset.x, box.y + kCribLabelOffset.y, "Crib",
              false);
}

void drawHand(Surface& surface, const TableScene& scene, Side side) {
    const CribbageGame& game = *scene.game;
    const bool red = side == Side::Red;
    const int s = red ? 0 : 1;
    const bool playing = scene.state == GameState::Playing;
    // The crib is counted in the dealer's hand places.
    const bool showsCrib = scene.state == GameState::CountingCrib && game.dealer() == side;
    const Card* cards = showsCrib ? game.crib() : game.hand(side);
    const int count = showsCrib ? game.cribCount() : game.handSize(side);
    const int limit = count < scene.deal.handCards[s] ? count : scene.deal.handCards[s];
    const bool faceUp = showsCrib || handFaceUp(game, scene.state, side);
    // The dealer's hand is turned up card by card as its count begins.
    const bool turning = scene.state == GameState::CountingDealer && game.dealer() == side;
    for (int i = 0; i < limit; ++i) {
        if (playing && count == 4 && game.played(side, i)) continue;
        const bool selected = red && !showsCrib && scene.selected[i];
        const bool up = faceUp && !(turning && i >= scene.deal.dealerCardsUp);
        drawCardAt(surface, scene, cards[i], handCardPlace(red, i, playing && count == 4), up,
                   selected);
    }
}

void drawLabels(Surface& surface, const TableScene& scene) {
    const bool scores = scene.displayScore && scene.state != GameState::Table;
    char text[40];
    for (Side side : {Side::Blue, Side::Red}) {
        const bool red = side == Side::Red;
        const char* name = red ? "Red Player" : "Blue Player";
        if (scores) {
            std::snprintf(text, sizeof text, "%s: score = %d", name, scene.game->score(side));
        } else {
            std::snprintf(text, sizeof text, "%s", name);
        }
        drawLabel(surface, scene, kLabelCentreX, red ? kRedLabelY : kBlueLabelY, text, true);
    }
}

void drawPlayBoxFrame(Surface& surface) {
    const ScreenBox& b = kPlayBox;
    gamekit::drawRect(surface, b.left, b.top, b.right, b.bottom, gamekit::kShapeOutlineFilled,
                      kPlayBoxInk, kPlayBoxFill);
    gamekit::drawLine(surface, b.left, b.top + kPlayBoxRuleDown, b.right, b.top + kPlayBoxRuleDown,
                      kPlayBoxInk);
    gamekit::drawLine(surface, b.left, b.top + kPlayBoxRuleDown + 2, b.right,
                      b.top + kPlayBoxRuleDown + 2, kPlayBoxInk);
}

void drawPlay(Surface& surface, const TableScene& scene) {
    const CribbageGame& game = *scene.game;
    drawPlayBoxFrame(surface);
    char text[24];
    std::snprintf(text, sizeof text, "total = %d", game.runningCount());
    {
        gamekit::FontStyle style(gamekit::font1(), kPlayBoxInk, kPlayBoxFill, true);
        gamekit::font1().draw(surface, kRunningCount.x, kRunningCount.y, text);
    }
    if (scene.deal.gathering) return;
    bool redLaid[8] = {};
    const int laid = game.cardsLaid();
    for (int i = 0; i < laid; ++i) redLaid[i] = game.laidBy(i) == Side::Red;
    ScreenPoint places[8];
    laidCardPlaces(redLaid, laid, game.cardsInCount(), places);
    const int shown = laid < scene.deal.laidCards ? laid : scene.deal.laidCards;
    for (int i = 0; i < shown; ++i) drawCardAt(surface, scene, game.laidCard(i), places[i], true);
}

void drawCount(Surface& surface, const TableScene& scene) {
    drawPlayBoxFrame(surface);
    const CribbageGame& game = *scene.game;
    const std::vector<std::string> lines =
        countDisplayLines(game.lastCount(), game.lastCountSide() == Side::Red);
    int flushLine = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("A flush", 0) == 0) flushLine = static_cast<int>(i);
    }
    int ys[16];
    const int n = static_cast<int>(lines.size() < 16 ? lines.size() : 16);
    countLineYs(n, flushLine, ys);
    gamekit::FontStyle style(gamekit::font1(), kPlayBoxInk, kPlayBoxFill, true);
    for (int i = 0; i < n; ++i) {
        gamekit::font1().draw(surface, kCountFirstLine.x, ys[i], lines[i].c_str());
    }
    if (n == 0) gamekit::font1().draw(surface, kCountFirstLine.x, kCountFirstLine.y, "No points");
}

// A small plus above a suggested card, in the theme's highlight colour.
void drawHintMarker(Surface& surface, const TableScene& scene, ScreenPoint card) {
    const Colour c = scene.theme->highlightColour;
    const int cx = card.x + kHintCentreRight;
    const int top = card.y - kHintTopUp;
    gamekit::drawRect(surface, cx - 1, top, cx, top + 3, gamekit::kShapeFilled, c, c);
    gamekit::drawRect(surface, cx - 2, top + 1, cx + 1, top + 2, gamekit::kShapeFilled, c, c);
}

void drawHints(Surface& surface, const TableScene& scene) {
    const CribbageGame& game = *scene.game;
    if (game.options().hintType <= 0) return;
    if (scene.state == GameState::Discarding && game.handSize(Side::Red) == 6) {
        for (int slot : {game.hintCard(), game.hintCard2()}) {
            if (slot >= 0) drawHintMarker(surface, scene, handCardPlace(true, slot, false));
        }
    } else if (scene.state == GameState::Playing && game.redToPlay() && game.canLay(Side::Red) &&
               game.hintCard() >= 0) {
        drawHintMarker(surface, scene, handCardPlace(true, game.hintCard(), true));
    }
}

void drawPeg(Surface& surface, const TableScene& scene, bool red, int hole) {
    const HolePlace at = holePlace(red, hole);
    blitPiece(surface, scene, red ? sprites::kRedPeg : sprites::kBluePeg, at.x, at.y);
}

void drawPegs(Surface& surface, const TableScene& scene) {
    const CribbageGame& game = *scene.game;
    // Before anyone has scored in a fresh game the board stays clear.
    const bool hidden = (scene.state == GameState::Table || scene.state == GameState::Dealing) &&
                        game.score(Side::Red) == 0 && game.score(Side::Blue) == 0;
    if (hidden) return;
    for (int s = 0; s < 2; ++s) {
        const bool red = s == 0;
        drawPeg(surface, scene, red, scene.pegs[s].back);
        drawPeg(surface, scene, red, scene.pegs[s].front);
    }
}

void drawSetPegs(Surface& surface, const TableScene& scene) {
    if (!scene.setScore) return;
    for (Side side : {Side::Blue, Side::Red}) {
        const bool red = side == Side::Red;
        const HolePlace at = setPegPlace(red, scene.game->wins(side));
        blitPiece(surface, scene, red ? sprites::kRedSetPeg : sprites::kBlueSetPeg, at.x, at.y);
    }
}

}  // namespace

bool handFaceUp(const CribbageGame& game, GameState state, Side side) {
    switch (state) {
        case GameState::CountingPone:
            return side == game.pone();
        case GameState::CountingDealer:
        case GameState::CountingCrib:
            return true;
        default:
            return side == Side::Red;
    }
}

std::vector<DealtCard> dealFlights(const CribbageGame& game, const std::vector<GameEvent>& events) {
    std::vector<DealtCard> flights;
    int dealt[2] = {0, 0};
    for (const GameEvent& e : events) {
        if (e.kind != EventKind::CardDealt) continue;
        const int n = dealt[e.side == Side::Red ? 0 : 1]++;
        flights.push_back({game.hand(e.side)[n], e.side, n, e.faceUp});
    }
    return flights;
}

void TableView::paintBoard(const TableScene& scene) {
    board_.assign(static_cast<size_t>(kScreenWidth) * kScreenHeight, 0);
    Surface board(board_.data(), kScreenWidth, kScreenHeight);
    board.fill(scene.theme->tableColour);
    boardTheme_ = scene.theme;
    boardSheet_ = scene.sheet;
    boardSetScore_ = scene.setScore;
    if (scene.sheet == nullptr) return;
    // The wood of the frame: along the top and bottom, then down the sides,
    // then the four corners over the joins.
    const int band = sprites::kFrameBand;
    const int bottom = kScreenHeight - band;
    const int right = kScreenWidth - band;
    const sprites::SheetRect& across = sprites::kFrameWoodAcross;
    for (int x = 0; x < kScreenWidth; x += across.width) {
        blitPiece(board, scene, across, x, kBoardTop);
        blitPiece(board, scene, across, x, bottom);
    }
    const sprites::SheetRect& down = sprites::kFrameWoodDown;
    for (int y = kBoardTop; y < kScreenHeight; y += down.height) {
        blitPiece(board, scene, down, 0, y);
        blitPiece(board, scene, down, right, y);
    }
    const ScreenPoint corners[4] = {{0, kBoardTop}, {right, kBoardTop}, {right, bottom}, {0, bottom}};
    for (int i = 0; i < 4; ++i) {
        blitPiece(board, scene, sprites::kFrameCorners[i], corners[i].x, corners[i].y);
    }
    for (int hole = kFirstHole; hole <= kLastHole; ++hole) {
        for (bool red : {false, true}) {
            const HolePlace at = holePlace(red, hole);
            blitPiece(board, scene, sprites::kHole, at.x, at.y);
        }
    }
    if (scene.setScore) {
        for (int w = 0; w < kSetGames; ++w) {
            for (bool red : {false, true}) {
                const HolePlace at = setPegPlace(red, w);
                blitPiece(board, scene, sprites::kSetHole, at.x, at.y);
            }
        }
    }
}

void TableView::draw(Surface& surface, const TableScene& scene) {
    if (board_.empty() || boardTheme_ != scene.theme || boardSheet_ != scene.sheet ||
        boardSetScore_ != scene.setScore) {
        paintBoard(scene);
        // The board picture changed under the same pointer: no call of the
        // frame shows that, so the frame is painted whole.
        if (gamekit::DrawingRecord* record = surface.record()) record->forget();
    }
    gamekit::blitOpaque(surface, 0, 0, board_.data(), kScreenWidth, 0, 0, kScreenWidth,
                        kScreenHeight);
    if (scene.game == nullptr) return;
    drawSetPegs(surface, scene);
    drawPegs(surface, scene);
    drawDeckAndCrib(surface, scene);
    if (dealt(scene.state)) {
        drawHand(surface, scene, Side::Blue);
        drawHand(surface, scene, Side::Red);
    }
    drawLabels(surface, scene);
    if (scene.state == GameState::Playing) drawPlay(surface, scene);
    if (isCounting(scene.state)) drawCount(surface, scene);
    drawHints(surface, scene);
    const bool statusShown = scene.state == GameState::Discarding ||
                             scene.state == GameState::Playing || scene.gameOver;
    if (statusShown && scene.statusLine != nullptr) scene.statusLine->draw(surface);
    // A list is shown while the game says it has news.
    if (scene.blueMessages != nullptr && scene.game->messagesShown(Side::Blue)) {
        scene.blueMessages->draw(surface);
    }
    if (scene.redMessages != nullptr && scene.game->messagesShown(Side::Red)) {
        scene.redMessages->draw(surface);
    }
}

}  // namespace cribbage

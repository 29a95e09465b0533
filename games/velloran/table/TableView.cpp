#include "games/velloran/table/TableView.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"
#include "games/velloran/VelloranSprites.h"

namespace velloran {

const gamekit::CardTheme& themeOf(const TableScene& scene) {
    return *scene.theme;
}

namespace {

using gamekit::Surface;
namespace sprites = velloran_sprites;

gamekit::Button makeButton(const ButtonPlace& p, const char* label) {
    return gamekit::Button(p.width, kButtonHeight, label, p.left, p.top, &gamekit::font1());
}


}  // namespace

// Text of the table: the theme's text colour, transparent; the font's own
// style comes back when the routine ends.
void drawText(Surface& surface, const TableScene& scene, gamekit::BitmapFont& font, int x, int y,
              const char* text) {
    gamekit::FontStyle style(font, themeOf(scene).textColour, themeOf(scene).tableColour, true);
    font.draw(surface, x, y, text);
}

void drawCentred(Surface& surface, const TableScene& scene, gamekit::BitmapFont& font, int y,
                 const char* text, int centreX) {
    gamekit::FontStyle style(font, themeOf(scene).textColour, themeOf(scene).tableColour, true);
    font.drawCentred(surface, centreX, y, text);
}

void drawRight(Surface& surface, const TableScene& scene, gamekit::BitmapFont& font, int rightX,
               int y, const char* text) {
    gamekit::FontStyle style(font, themeOf(scene).textColour, themeOf(scene).tableColour, true);
    font.drawRight(surface, rightX, y, text);
}

namespace {

void drawEmptyPlace(Surface& surface, const TableScene& scene, int x1, int y1, int x2, int y2,
                    bool swapped) {
    const gamekit::CardTheme& t = themeOf(scene);
    const gamekit::Colour edge = swapped ? t.tableColour : t.lineColour;
    const gamekit::Colour fill = swapped ? t.lineColour : t.tableColour;
    gamekit::drawRoundRect(surface, x1, y1, x2, y2, kEmptyPlaceRadius, gamekit::kShapeOutlineFilled,
                           edge, fill);
}

void drawStock(Surface& surface, const TableScene& scene) {
    const VelloranGame& g = *scene.game;
    drawText(surface, scene, gamekit::font2(), kStockTitle.x, kStockTitle.y, "Deck");
    if (g.cardsLeft() > 0) {
        themeOf(scene).drawBack(surface, kStockPlace.x, kStockPlace.y, 0, 0, false);
    } else {
        drawEmptyPlace(surface, scene, kStockPlace.x, kStockPlace.y, kStockPlace.x + kCardHitWidth - 1,
                       kStockPlace.y + kCardHitHeight - 1, false);
    }
    if (scene.displayCardsInDeck) {
        char text[24];
        std::snprintf(text, sizeof text, "%d cards", g.cardsLeft());
        drawCentred(surface, scene, gamekit::font2(), kCardsLeftY, text, kCardsLeftCentreX);
    }
}

void drawDiscardPile(Surface& surface, const TableScene& scene, bool showTop) {
    const VelloranGame& g = *scene.game;
    drawText(surface, scene, gamekit::font2(), kDiscardTitle.x, kDiscardTitle.y, "Discard");
    if (showTop && g.discardTop() != kNoCard) {
        drawCardAt(surface, scene, g.discardTop(), kDiscardPlace, false);
    } else {
        drawEmptyPlace(surface, scene, kDiscardPlace.x, kDiscardPlace.y,
                       kDiscardPlace.x + kCardHitWidth - 1, kDiscardPlace.y + kCardHitHeight - 1,
                       false);
    }
}

void drawHeadline(Surface& surface, const TableScene& scene) {
    const std::string& line = scene.game->headline;
    if (line.empty()) return;
    drawCentred(surface, scene, gamekit::font2(), kHeadlineBottom - gamekit::font2().height(),
                line.c_str());
}

// A side's label centred at `y`: the name alone, or "<name> = <deadwood>".
void drawSideLabel(Surface& surface, const TableScene& scene, int y, const char* name,
                   const char* withDeadwood, int deadwood, bool counted) {
    char text[48];
    if (counted) {
        std::snprintf(text, sizeof text, "%s = %d", withDeadwood, deadwood);
    } else {
        std::snprintf(text, sizeof text, "%s", name);
    }
    drawCentred(surface, scene, gamekit::font2(), y, text);
}

void drawComputerLabel(Surface& surface, const TableScene& scene, bool withDeadwood) {
    drawSideLabel(surface, scene, kComputerLabelY, "Computer", "Computer's deadwood",
                  scene.game->computerDeadwood, withDeadwood);
}

void drawPlayerLabel(Surface& surface, const TableScene& scene, bool withDeadwood) {
    drawSideLabel(surface, scene, kPlayerLabelY, "You", "Your deadwood", scene.game->playerDeadwood,
                  withDeadwood);
}

// The play and meld screens: each occupied slot at its place, face down
// unless turned up.
void drawComputerRow(Surface& surface, const TableScene& scene) {
    for (int i = 0; i < kComputerSlotCount; ++i) {
        const Card c = scene.game->computerSlot(i);
        if (c != kNoCard) drawCardAt(surface, scene, c, computerSlotPlace(i), false);
    }
}

void drawPlayerRow(Surface& surface, const TableScene& scene) {
    const gamekit::CardTheme& t = themeOf(scene);
    const bool swapped = t.tableColour == 0xFFFF || t.tableColour == 0xDFFF;
    for (int i = 0; i < kPlayerSlotCount; ++i) {
        const ScreenPoint p = playerSlotPlace(i);
        const Card c = scene.game->playerSlot(i);
        if (c != kNoCard) {
            drawCardAt(surface, scene, c, p, scene.game->selected[i]);
        } else {
            drawEmptyPlace(surface, scene, p.x + kEmptySlotInsetX, kEmptySlotTop,
                           p.x + kCardHitWidth - kEmptySlotInsetX, kEmptySlotBottom, swapped);
        }
    }
}

// Groups from the left, then the hand's cards right-aligned.
void drawGroups(Surface& surface, const TableScene& scene, const std::vector<CardGroup>& groups,
                int y, int selectedGroup) {
    std::vector<int> sizes;
    for (const CardGroup& g : groups) sizes.push_back(g.count);
    std::vector<int> xs(kDeckSize + 1);
    groupCardXs(sizes.data(), static_cast<int>(sizes.size()), xs.data());
    int n = 0;
    for (int gi = 0; gi < static_cast<int>(groups.size()); ++gi) {
        for (int i = 0; i < groups[gi].count; ++i) {
            drawCardAt(surface, scene, groups[gi].cards[i], {xs[n++], y}, gi == selectedGroup);
        }
    }
}

void drawFloating(Surface& surface, const TableScene& scene) {
    if (scene.floating != kNoCard) drawCardAt(surface, scene, scene.floating, scene.floatingAt, false);
}

void drawWords(Surface& surface, const TableScene& scene, ScreenPoint meld, ScreenPoint deadwood) {
    drawText(surface, scene, gamekit::font1(), meld.x, meld.y, "meld");
    drawText(surface, scene, gamekit::font1(), deadwood.x, deadwood.y, "deadwood");
}

void drawMarker(Surface& surface, const TableScene& scene, const gamekit::SheetRect& r,
                ScreenPoint at) {
    if (scene.sheet == nullptr) return;
    const gamekit::Colour ink = themeOf(scene).highlightColour;
    for (int y = 0; y < r.height; ++y) {
        for (int x = 0; x < r.width; ++x) {
            const uint16_t p = scene.sheet[(r.y + y) * sprites::kSheetWidth + r.x + x];
            if (p != sprites::kKey) surface.putPixel(at.x + x, at.y + y, ink);
        }
    }
}

void drawHints(Surface& surface, const TableScene& scene) {
    if (scene.busy) return;
    const HintMarks h = hintMarks(*scene.game, scene.displayHints);
    if (h.take) {
        drawMarker(surface, scene,
                   h.takeThisPile ? sprites::kTakeThisMarker : sprites::kTakeElsewhereMarker, h.takeAt);
    }
    if (h.throwSlot >= 0) {
        const int x0 = throwMarkLeft(h.throwSlot);
        const gamekit::Colour ink = themeOf(scene).highlightColour;
        const int y = kThrowMarkTop;
        gamekit::drawLine(surface, x0 + 1, y, x0 + 2, y, ink);
        gamekit::drawLine(surface, x0, y + 1, x0 + 3, y + 1, ink);
        gamekit::drawLine(surface, x0, y + 2, x0 + 3, y + 2, ink);
        gamekit::drawLine(surface, x0 + 1, y + 3, x0 + 2, y + 3, ink);
    }
}

const char* const kMeldInstructions[5] = {
    "* Select sets or runs and tap", "  the 'Create set or run' button.",
    "* When you're ready to meld", "  your hand, deselect all cards", "  and tap the 'meld' button."};
const char* const kLayOffInstructions[5] = {
    "* Select cards from your", "  deadwood and tap one of your", "  opponent's set or runs.",
    "* Tap the 'Finish' button to", "  continue to scoring."};
constexpr int kInstructionX = 25;
constexpr int kInstructionYs[5] = {133, 147, 161, 175, 189};

void drawInstructions(Surface& surface, const TableScene& scene, const char* const lines[5]) {
    for (int i = 0; i < 5; ++i) {
        drawText(surface, scene, gamekit::font1(), kInstructionX, kInstructionYs[i], lines[i]);
    }
}

}  // namespace

TableButtons::TableButtons()
    : knock(makeButton(kTurnButton, "Knock")),
      gin(makeButton(kTurnButton, "Gin")),
      pass(makeButton(kTurnButton, "Pass")),
      meld(makeButton(kMeldButton, "Meld")),
      createMeld(makeButton(kCreateMeldButton, "Create set or run")),
      ungroup(makeButton(kUngroupButton, "Ungroup set")),
      finish(makeButton(kFinishButton, "Finish")),
      sheetOk(makeButton(kSheetOkButton, "OK")),
      tableOk(makeButton(kTableOkButton, "OK")) {}

void drawCardAt(Surface& surface, const TableScene& scene, Card card, ScreenPoint at, bool selected) {
    if (card == kNoCard) return;
    const gamekit::PlayingCard c(rankOf(card), suitOf(card), scene.game->faceUp[card]);
    gamekit::drawCard(surface, c, scene.theme, at.x, at.y, 0, 0, selected);
}

void drawTableBackground(Surface& surface, const TableScene& scene) {
    const gamekit::CardTheme& t = themeOf(scene);
    surface.fill(t.tableColour);
    // The panel's body is the table colour, which the fill has just laid:
    // its outline alone gives the same picture for less work every frame.
    gamekit::drawRoundRect(surface, kPanel.left, kPanel.top, kPanel.right, kPanel.bottom,
                           kPanelRadius, gamekit::kShapeOutline, t.lineColour, t.tableColour);
    for (int y : kPanelRuleYs) gamekit::drawLine(surface, kPanelRuleLeft, y, kPanelRuleRight, y, t.lineColour);
    drawCentred(surface, scene, gamekit::font2(), kStatusLineY, scene.game->statusLine.c_str());
    drawCentred(surface, scene, gamekit::font1(), kPromptLineY, scene.game->promptLine.c_str());
}

void drawIdleTable(Surface& surface, const TableScene& scene) {
    drawTableBackground(surface, scene);
}

void drawDealingTable(Surface& surface, const TableScene& scene) {
    drawTableBackground(surface, scene);
    drawStock(surface, scene);
    drawDiscardPile(surface, scene, false);
    drawComputerLabel(surface, scene, false);
    drawComputerRow(surface, scene);
    drawHeadline(surface, scene);
    drawPlayerRow(surface, scene);
    drawPlayerLabel(surface, scene, false);
}

TurnButton turnButtonShown(const VelloranGame& g) {
    if (g.phase() != Phase::Play && g.phase() != Phase::TiedHand) return TurnButton::None;
    if (g.playerOffered()) return TurnButton::Pass;
    if (!g.playerActive) return TurnButton::None;
    if (g.playerDeadwood == 0) return TurnButton::Gin;
    if (g.playerDeadwood <= 10) return TurnButton::Knock;
    return TurnButton::None;
}

HintMarks hintMarks(const VelloranGame& g, bool displayHints) {
    HintMarks h;
    if (!displayHints || !g.playerActive) return h;
    const int n = g.playerCardCount();
    if (n == 10) {
        h.take = true;
        h.takeThisPile = g.hintTakeDiscard && g.discardTop() != kNoCard;
        h.takeAt = h.takeThisPile ? kTakeThisPileMark
                   : g.playerOffered() ? kTakeBesidePass
                                       : kTakeBesideStock;
    } else if (n == 11 && g.hintDiscardSlot >= 0 && g.hintDiscardSlot < kPlayerSlotCount &&
               g.playerSlot(g.hintDiscardSlot) != kNoCard) {
        h.throwSlot = g.hintDiscardSlot;
    }
    return h;
}

void drawPlayScreen(Surface& surface, const TableScene& scene, TableButtons& buttons) {
    const VelloranGame& g = *scene.game;
    drawTableBackground(surface, scene);
    drawComputerLabel(surface, scene, false);
    drawComputerRow(surface, scene);
    drawHeadline(surface, scene);
    drawPlayerRow(surface, scene);
    drawPlayerLabel(surface, scene, scene.displayScore);
    const TurnButton turn = turnButtonShown(g);
    if (turn == TurnButton::Pass) buttons.pass.draw(surface);
    if (!g.playerActive) {
        buttons.tableOk.draw(surface);
        drawFloating(surface, scene);
        return;
    }
    drawStock(surface, scene);
    drawDiscardPile(surface, scene, true);
    if (turn == TurnButton::Knock || turn == TurnButton::Gin) {
        gamekit::Button& b = turn == TurnButton::Gin ? buttons.gin : buttons.knock;
        b.setEnabled(g.selectedCount() == 1 && g.playerCardCount() == 11);
        b.draw(surface);
    }
    drawHints(surface, scene);
    drawFloating(surface, scene);
}

void drawLaidOutSides(Surface& surface, const TableScene& scene, bool selections) {
    const VelloranGame& g = *scene.game;
    drawGroups(surface, scene, g.computerMelds, kComputerRow.y, -1);
    for (int i = 1; i < kComputerSlotCount; ++i) {
        const Card c = g.computerSlot(i);
        if (c != kNoCard) drawCardAt(surface, scene, c, computerRightSlotPlace(i), false);
    }
    drawWords(surface, scene, kComputerMeldWord, kComputerDeadwoodWord);
    drawGroups(surface, scene, g.playerMelds, kPlayerRow.y, selections ? g.selectedMeld : -1);
    for (int i = kFirstShownPlayerSlot; i < kPlayerSlotCount; ++i) {
        const Card c = g.playerSlot(i);
        if (c != kNoCard) {
            drawCardAt(surface, scene, c, playerRightSlotPlace(i), selections && g.selected[i]);
        }
    }
    drawWords(surface, scene, kPlayerMeldWord, kPlayerDeadwoodWord);
}

void drawMeldScreen(Surface& surface, const TableScene& scene, TableButtons& buttons) {
    const VelloranGame& g = *scene.game;
    drawTableBackground(surface, scene);
    drawComputerLabel(surface, scene, false);
    drawComputerRow(surface, scene);
    drawHeadline(surface, scene);
    drawGroups(surface, scene, g.playerMelds, kPlayerRow.y, g.selectedMeld);
    for (int i = kFirstShownPlayerSlot; i < kPlayerSlotCount; ++i) {
        const Card c = g.playerSlot(i);
        if (c != kNoCard) drawCardAt(surface, scene, c, playerRightSlotPlace(i), g.selected[i]);
    }
    drawWords(surface, scene, kPlayerMeldWord, kPlayerDeadwoodWord);
    drawPlayerLabel(surface, scene, true);
    drawInstructions(surface, scene, kMeldInstructions);
    buttons.meld.setEnabled(g.canFinishMelding());
    buttons.meld.draw(surface);
    if (g.selectedMeld >= 0) {
        buttons.ungroup.draw(surface);
    } else {
        buttons.createMeld.draw(surface);
    }
}

void drawLayOffScreen(Surface& surface, const TableScene& scene, TableButtons& buttons) {
    drawTableBackground(surface, scene);
    drawComputerLabel(surface, scene, true);
    drawHeadline(surface, scene);
    drawLaidOutSides(surface, scene, true);
    drawPlayerLabel(surface, scene, true);
    drawInstructions(surface, scene, kLayOffInstructions);
    buttons.finish.draw(surface);
}

}  // namespace velloran

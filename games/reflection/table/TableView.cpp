#include "games/reflection/table/TableView.h"

#include <cstdio>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/Primitives.h"
#include "games/reflection/ReflectionSprites.h"
#include "games/reflection/table/TableLayout.h"

namespace reflection {

namespace {

using gamekit::Colour;
using gamekit::Surface;
namespace sprites = reflection_sprites;

constexpr Colour kCardFill = 0xE71C;

void drawCard(Surface& surface, const TableScene& scene, const PlayingCard* card, ScreenPoint at,
              bool selected) {
    gamekit::drawCard(surface, *card, scene.theme, at.x, at.y, 0, 0, selected);
}

// An empty talon's outline and label, in the theme's line and text colours.
void drawSlot(Surface& surface, const TableScene& scene, const sprites::SheetRect& slot,
              ScreenPoint at) {
    if (scene.sheet == nullptr) return;
    const Colour from[2] = {sprites::kLabelInk, sprites::kLabelLine};
    const Colour to[2] = {scene.theme->textColour, scene.theme->lineColour};
    gamekit::blitRecolouredKeyed(surface, at.x, at.y, scene.sheet, scene.sheetStride, slot.x,
                                 slot.y, slot.width, slot.height, from, to, 2,
                                 gamekit::colours::kSheetKey);
}

void drawDeckAndDealtCard(Surface& surface, const TableScene& scene) {
    const ReflectionGame& game = *scene.game;
    // An exhausted deck leaves its place as bare table.
    if (!game.deckExhausted()) {
        scene.theme->drawBack(surface, kDeckPlace.x, kDeckPlace.y, kScreenWidth, kScreenHeight,
                              false);
    }
    if (const PlayingCard* dealt = game.dealtCard()) {
        const bool picked = scene.pick.waiting && scene.pick.source == PickKind::DealtCard;
        drawCard(surface, scene, dealt, kDealtPlace, picked);
    }
}

void drawCompleteSequence(Surface& surface, const TableScene& scene, int s) {
    const ScreenPoint at = sequenceCardPlace(s, 0);
    gamekit::drawRoundRect(surface, at.x, at.y, kScreenWidth - 1, at.y + kCompleteBarHeight, 5,
                           gamekit::kShapeOutlineFilled, scene.theme->borderColour, kCardFill);
    gamekit::FontStyle style(gamekit::font1(), gamekit::colours::kBlack, kCardFill, true);
    gamekit::font1().drawCentred(surface, (at.x + kCardWidth + kScreenWidth) / 2, at.y + 17,
                                 "Complete");
    const CardList& cards = scene.game->sequence(s);
    drawCard(surface, scene, cards[cards.iSize - 1], at, false);
}

void drawSequences(Surface& surface, const TableScene& scene) {
    for (int s = 0; s < kSequenceCount; ++s) {
        const CardList& cards = scene.game->sequence(s);
        if (cards.iSize >= kSequenceLength) {
            drawCompleteSequence(surface, scene, s);
            continue;
        }
        for (int i = 0; i < cards.iSize; ++i) {
            drawCard(surface, scene, cards[i], sequenceCardPlace(s, i), false);
        }
    }
}

void drawRankMarks(Surface& surface, const TableScene& scene) {
    if (!scene.pick.waiting || scene.sheet == nullptr) return;
    const PlayingCard* card = pickedCard(*scene.game, scene.pick);
    if (card == nullptr) return;
    RankMarkPlace places[kSequenceCount];
    const int count = rankMarkPlaces(*scene.game, card->rank, places);
    for (int i = 0; i < count; ++i) {
        const ScreenPoint at = rankMarkPlace(places[i].sequence, places[i].position);
        const sprites::SheetRect mark = sprites::rankMark(card->rank, places[i].fitsNow);
        gamekit::blitKeyed(surface, at.x, at.y, scene.sheet, scene.sheetStride, mark.x, mark.y,
                           mark.width, mark.height, gamekit::colours::kSheetKey);
    }
}

void drawKingsTalon(Surface& surface, const TableScene& scene) {
    const ReflectionGame& game = *scene.game;
    if (!game.kingsTalonInUse()) return;
    const CardList& kings = game.kingsTalon();
    if (kings.iSize == 0) {
        drawSlot(surface, scene, sprites::kKingsSlot, kingsCardPlace(0));
        return;
    }
    const bool picked = scene.pick.waiting && scene.pick.source == PickKind::KingsTalon;
    for (int i = 0; i < kings.iSize; ++i) {
        drawCard(surface, scene, kings[i], kingsCardPlace(i), picked && i == kings.iSize - 1);
    }
}

void drawStoreTalons(Surface& surface, const TableScene& scene) {
    const ReflectionGame& game = *scene.game;
    for (int t = 0; t < kStoreTalonCount; ++t) {
        if (game.storeTalon(t).iSize == 0) {
            drawSlot(surface, scene, sprites::kStoreSlot, storeCardPlace(t, 0, 1));
        }
    }
    StoreCardRef cards[kStoreCardsMax];
    const int n = storeDrawOrder(game, cards);
    for (int k = 0; k < n; ++k) {
        const CardList& talon = game.storeTalon(cards[k].talon);
        const bool top = cards[k].index == talon.iSize - 1;
        const bool picked = top && scene.pick.waiting &&
                            scene.pick.source == PickKind::StoreTalon &&
                            scene.pick.index == cards[k].talon;
        drawCard(surface, scene, talon[cards[k].index],
                 storeCardPlace(cards[k].talon, cards[k].index, talon.iSize), picked);
    }
}

void drawScoreAndTime(Surface& surface, const TableScene& scene) {
    gamekit::FontStyle style(gamekit::font1(), scene.theme->textColour, scene.theme->tableColour,
                             true);
    char text[32];
    int y = kScorePlace.y;
    if (scene.showScore) {
        std::snprintf(text, sizeof text, "Score: %d", scene.game->score());
        gamekit::font1().draw(surface, kScorePlace.x, y, text);
        y = kTimePlace.y;
    }
    if (scene.showTime) {
        std::snprintf(text, sizeof text, "Time: %d", scene.seconds);
        gamekit::font1().draw(surface, kTimePlace.x, y, text);
    }
}

}  // namespace

const PlayingCard* pickedCard(const ReflectionGame& game, const Pick& pick) {
    switch (pick.source) {
        case PickKind::DealtCard:
            return game.dealtCard();
        case PickKind::StoreTalon:
            return pick.index >= 0 && pick.index < kStoreTalonCount ? game.storeTalonTop(pick.index)
                                                                    : nullptr;
        case PickKind::KingsTalon:
            return game.kingsTalonTop();
        case PickKind::None:
            return nullptr;
    }
    return nullptr;
}

int rankMarkPlaces(const ReflectionGame& game, int rank, RankMarkPlace out[kSequenceCount]) {
    int count = 0;
    for (int s = 0; s < kSequenceCount; ++s) {
        const int next = game.sequence(s).iSize;
        if (next >= kSequenceLength) continue;
        const int p = positionOfRank(s, rank);
        if (p >= next) out[count++] = {s, p, p == next};
    }
    return count;
}

void drawTable(Surface& surface, const TableScene& scene) {
    surface.fill(scene.theme->tableColour);
    if (scene.game == nullptr) return;
    drawDeckAndDealtCard(surface, scene);
    drawSequences(surface, scene);
    drawRankMarks(surface, scene);
    drawKingsTalon(surface, scene);
    drawStoreTalons(surface, scene);
    drawScoreAndTime(surface, scene);
}

}  // namespace reflection

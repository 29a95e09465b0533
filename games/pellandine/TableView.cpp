#include "games/pellandine/TableView.h"

#include <cstdio>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "games/pellandine/PellandineSprites.h"

namespace pellandine {

namespace {

using gamekit::Colour;
using gamekit::Surface;

void drawBanner(Surface& surface, const gamekit::CardTheme& theme, const uint16_t* sheet,
                const pellandine_sprites::SheetRect& from, pellandine_sprites::ScreenPoint at) {
    const Colour source[2] = {0x0000, gamekit::colours::kSheetKey};
    const Colour target[2] = {theme.textColour, theme.tableColour};
    gamekit::blitRecoloured(surface, at.x, at.y, sheet, pellandine_sprites::kSheetWidth, from.x,
                            from.y, from.width, from.height, source, target, 2);
}

void drawNumber(Surface& surface, gamekit::BitmapFont& font, int x, int y, int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", n);
    font.draw(surface, x, y, text);
}

}  // namespace

CounterPlaces counterPlaces(int gameType) {
    switch (normalizeGameType(gameType)) {
        case kSum10:
            return {8, 250, 24, 264, 8, 199, 20, 213};
        case kSum14:
            return {8, 252, 24, 266, 8, 213, 20, 227};
        default:
            return {8, 234, 24, 248, 8, 183, 20, 197};
    }
}

// An empty place is outlined where a card's picture would lie.
constexpr int kCardRight = gamekit::kCardWidth - 1;
constexpr int kCardBottom = gamekit::kCardHeight - 1;

void drawEmptyPlace(Surface& surface, const gamekit::CardTheme& theme, int x, int y) {
    gamekit::drawRoundRect(surface, x, y, x + kCardRight, y + kCardBottom, 5,
                           gamekit::kShapeOutlineFilled, theme.lineColour, theme.tableColour);
}

bool cardShown(const TableScene& scene, const TableSlot& slot) {
    return scene.showCards && slot.holdsCard() && slot.card != nullptr;
}

bool wholeOnSurface(const Surface& surface, ScreenPoint at) {
    return at.x >= 0 && at.y >= 0 && at.x + gamekit::kCardWidth <= surface.width() &&
           at.y + gamekit::kCardHeight <= surface.height();
}

void drawTable(Surface& surface, const TableScene& scene) {
    const gamekit::CardTheme& theme = *scene.theme;
    const TableGrid& grid = *scene.grid;
    const int gameType = grid.gameType();
    const int deckY = firstRowY(gameType);
    surface.fill(theme.tableColour);

    if (scene.deckHasCards) {
        theme.drawBack(surface, kDeckX, deckY, gamekit::kScreenWidth, gamekit::kScreenHeight,
                       false);
    } else {
        gamekit::drawRoundRect(surface, kDeckX, deckY, kDeckX + kCardRight, deckY + kCardBottom, 5,
                               gamekit::kShapeOutline, theme.lineColour, theme.lineColour);
    }
    gamekit::BitmapFont& font = gamekit::font1();
    gamekit::FontStyle style(font, theme.textColour, theme.tableColour, false);
    font.draw(surface, kDeckX, deckY + 57, "Deck");

    if (scene.sheet != nullptr) {
        drawBanner(surface, theme, scene.sheet, pellandine_sprites::kTitleBanner,
                   pellandine_sprites::kTitleBannerAt);
        const int v = normalizeGameType(gameType) - 1;
        drawBanner(surface, theme, scene.sheet, pellandine_sprites::kVariationBanners[v],
                   pellandine_sprites::kVariationBannersAt[v]);
    }

    for (int i = 0; i < kSlotCount; ++i) {
        const TableSlot& slot = grid.at(i);
        if (!slot.active) continue;
        const ScreenPoint at = slotPlace(gameType, slot);
        // A card drawn below frames its place with this very round
        // rectangle, face up or down, when it lies wholly on the surface.
        if (cardShown(scene, slot) && wholeOnSurface(surface, at)) continue;
        gamekit::drawRoundRect(surface, at.x, at.y, at.x + kCardRight, at.y + kCardBottom, 5,
                               gamekit::kShapeOutline, theme.lineColour, theme.lineColour);
    }

    const CounterPlaces places = counterPlaces(gameType);
    font.draw(surface, places.scoreLabelX, places.scoreLabelY, "Score:");
    drawNumber(surface, font, places.scoreX, places.scoreY, scene.score);
    if (scene.showCardsLeft) {
        font.draw(surface, places.cardsLabelX, places.cardsLabelY, "Cards:");
        drawNumber(surface, font, places.cardsX, places.cardsY, scene.cardsLeft);
    }

    if (scene.showCards) {
        for (int i = 0; i < kSlotCount; ++i) {
            const TableSlot& slot = grid.at(i);
            if (!cardShown(scene, slot)) continue;
            const ScreenPoint at = slotPlace(gameType, slot);
            drawCard(surface, *slot.card, &theme, at.x, at.y, 0, 0, slot.selected);
        }
    }

    if (scene.prompts != nullptr) scene.prompts->draw(surface);
    if (scene.bar != nullptr) scene.bar->draw(surface);
}

}  // namespace pellandine

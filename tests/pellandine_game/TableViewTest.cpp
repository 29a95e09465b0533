// The drawn table: what shows for each variation and option, read back from
// the pixels.
#include <gtest/gtest.h>

#include <vector>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/Surface.h"
#include "games/pellandine/PellandineSprites.h"
#include "games/pellandine/TableView.h"
#include "games/pellandine/rules/PellandineRules.h"

using namespace pellandine;

namespace {

struct Table {
    gamekit::GArray<gamekit::CardTheme*> themes = gamekit::makeStandardThemes();
    std::vector<uint16_t> backs = std::vector<uint16_t>(252 * 43, 0x7BEF);
    std::vector<uint16_t> sheet;
    gamekit::Surface surface{240, 320};

    Table() {
        gamekit::giveStrip(themes, backs.data());
        // A sheet of key with the banners' rectangles in black.
        using namespace pellandine_sprites;
        sheet.assign(kSheetWidth * kSheetHeight, gamekit::colours::kSheetKey);
        auto paint = [&](const SheetRect& r) {
            for (int y = r.y; y < r.y + r.height; ++y)
                for (int x = r.x; x < r.x + r.width; ++x) sheet[y * kSheetWidth + x] = 0x0000;
        };
        paint(kTitleBanner);
        for (const SheetRect& r : kVariationBanners) paint(r);
    }
    ~Table() { gamekit::destroyThemes(themes); }

    // Counts the pixels of `colour` in a rectangle.
    int count(int x1, int y1, int x2, int y2, uint16_t colour) const {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) n += surface.pixel(x, y) == colour;
        return n;
    }

    void draw(const PellandineRules& rules, int theme, bool cardsLeft = true) {
        TableScene scene;
        scene.grid = &rules.grid();
        scene.theme = themes[theme];
        scene.sheet = sheet.data();
        scene.deckHasCards = !rules.shoeExhausted();
        scene.score = rules.score();
        scene.cardsLeft = rules.cardsLeft();
        scene.showCardsLeft = cardsLeft;
        drawTable(surface, scene);
    }
};

}  // namespace

TEST(PellandineTable, BannersTakeTheThemesTextColourWhereTheSheetIsBlack) {
    Table t;
    PellandineRules rules(3, kSum11);
    t.draw(rules, 7);  // Zen: black text on 0xDFFF
    // The painted title rectangle lands at (27, 25), 181 x 14.
    EXPECT_EQ(t.count(27, 25, 27 + 180, 25 + 13, 0x0000), 181 * 14);
    EXPECT_EQ(t.surface.pixel(26, 30), 0xDFFF);
    // Sum 11's name, 75 x 13 at (73, 49).
    EXPECT_EQ(t.count(73, 49, 73 + 74, 49 + 12, 0x0000), 75 * 13);
    EXPECT_EQ(t.surface.pixel(73 + 75, 55), 0xDFFF);
}

TEST(PellandineTable, EachVariationShowsItsOwnPlacesAndCounterRows) {
    Table t;
    for (int type = kPairs; type <= kSum14; ++type) {
        PellandineRules rules(3, type);
        t.draw(rules, 2);  // Standard 3: black lines on white
        const TableGrid& grid = rules.grid();
        for (int i = 0; i < kSlotCount; ++i) {
            const TableSlot& s = grid.at(i);
            const ScreenPoint at = slotPlace(type, s);
            // The top edge of an empty place is a line; inactive places show none.
            EXPECT_EQ(t.count(at.x + 6, at.y, at.x + 23, at.y, 0x0000), s.active ? 18 : 0)
                << type << " slot " << i;
        }
        const CounterPlaces p = counterPlaces(type);
        EXPECT_GT(
            t.count(p.scoreLabelX, p.scoreLabelY, p.scoreLabelX + 30, p.scoreLabelY + 10, 0x0000),
            0);
        EXPECT_GT(t.count(p.cardsX, p.cardsY, p.cardsX + 12, p.cardsY + 10, 0x0000), 0) << "52";
        // In the column under the deck's label, left of the cards, cards above score.
        EXPECT_GT(p.cardsLabelY, firstRowY(grid.gameType()) + 57 + 11);
        EXPECT_GT(p.scoreLabelY, p.cardsY + 11);
        EXPECT_GT(t.count(p.cardsLabelX, p.cardsLabelY - 2, 58, p.scoreY + 12, 0x0000), 0);
        EXPECT_GT(t.count(0, p.cardsLabelY, 59, p.scoreY + 12, 0xFFFF), 0);
    }
}

TEST(PellandineTable, TheCardsLeftCounterIsAbsentWhenSwitchedOffAndTheScoreStays) {
    Table t;
    PellandineRules rules(3, kPairs);
    t.draw(rules, 2, false);
    const CounterPlaces p = counterPlaces(kPairs);
    EXPECT_EQ(t.count(p.cardsLabelX, p.cardsLabelY, p.cardsLabelX + 40, p.cardsY + 10, 0x0000), 0);
    EXPECT_GT(t.count(p.scoreLabelX, p.scoreLabelY, p.scoreLabelX + 30, p.scoreY + 10, 0x0000), 0);
}

TEST(PellandineTable, TheDeckIsABackWhileTheShoeHasCardsAndAnEmptyPlaceAfter) {
    Table t;
    PellandineRules rules(3, kSum14);
    rules.newGame(5);
    t.draw(rules, 2);
    const int y = firstRowY(rules.grid().gameType());
    EXPECT_EQ(t.surface.pixel(kDeckX + 10, y + 20), 0x7BEF);  // the back's picture
    while (!rules.shoeExhausted()) {
        // Take every card off the table by hand, then refill.
        TableGrid& grid = const_cast<TableGrid&>(rules.grid());
        for (int i = 0; i < kSlotCount; ++i) {
            if (grid.at(i).holdsCard()) grid.clearSlot(grid.at(i));
        }
        rules.tapDeck();
    }
    t.draw(rules, 2);
    EXPECT_EQ(t.surface.pixel(kDeckX + 10, y + 20), 0xFFFF);  // table colour inside the outline
    EXPECT_EQ(t.surface.pixel(kDeckX + 10, y), 0x0000);       // the outline in the line colour
}

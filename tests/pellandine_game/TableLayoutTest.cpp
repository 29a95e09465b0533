// Where the table's slots and deck lie and what a press lands on.
#include "games/pellandine/TableLayout.h"
#include "pellandine_rules/PellandineTestSupport.h"

using namespace pellandine_test;

TEST(TableLayout, PositionsFollowTheColumnAndRowSteps) {
    const int firstRow[5] = {0, 81, 97, 81, 107};
    for (int type = kPairs; type <= kSum14; ++type) {
        EXPECT_EQ(firstRowY(type), firstRow[type]);
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                EXPECT_EQ(slotPlace(type, r, c).x, 60 + 35 * c);
                EXPECT_EQ(slotPlace(type, r, c).y, firstRow[type] + 51 * r);
            }
        }
    }
    EXPECT_EQ(firstRowY(0), 81);    // 0 is laid out as Pairs
    EXPECT_EQ(firstRowY(-7), 107);  // and stray values as Sum 14
}

TEST(TableLayout, CardsAreHitOverInclusiveRectanglesOfCardsOnlyInclusiveRectanglesOfCardsOnly) {
    auto rules = stacked(kSum10, "AS 2S 3S 4S 5S 6S 7S 8S 9S AC 2C 3C 4C");
    const TableGrid& grid = rules->grid();
    auto hit = [&](int x, int y) {
        const TableTarget t = tableTargetAt(grid, x, y);
        return t.kind == TableTarget::Card ? t.row * kColumns + t.column : -1;
    };
    EXPECT_EQ(hit(60, 97), 0);    // top-left corner
    EXPECT_EQ(hit(90, 142), 0);   // bottom-right corner, inclusive
    EXPECT_EQ(hit(92, 120), -1);  // the gap between columns 0 and 1
    EXPECT_EQ(hit(95, 120), 1);
    EXPECT_EQ(hit(70, 160), -1);  // row 2 column 0 is not part of Sum 10
    EXPECT_EQ(hit(100, 160), 6);
    EXPECT_EQ(hit(60, 199), 10);  // row 3 starts at 97 + 102
    EXPECT_EQ(hit(70, 250), -1);  // below the three rows in use
    EXPECT_EQ(hit(59, 97), -1);

    // An emptied slot is no longer found.
    tap(*rules, 0, 0);
    tap(*rules, 2, 0);  // A + 9 = 10
    EXPECT_EQ(at(*rules, 0, 0), "--");
    EXPECT_EQ(hit(70, 110), -1);
}

TEST(TableLayout, DeckPileIsHitBetweenItsInclusiveEdges) {
    TableGrid grid;
    grid.setLayout(kSum14);
    auto onDeck = [&](int x, int y) { return tableTargetAt(grid, x, y).kind == TableTarget::Deck; };
    EXPECT_TRUE(onDeck(13, 107));
    EXPECT_TRUE(onDeck(43, 152));
    EXPECT_FALSE(onDeck(12, 120));
    EXPECT_FALSE(onDeck(44, 120));
    EXPECT_FALSE(onDeck(20, 106));
    EXPECT_FALSE(onDeck(20, 153));
}

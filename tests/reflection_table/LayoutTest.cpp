#include <gtest/gtest.h>

#include "games/reflection/table/TableLayout.h"

using namespace reflection;

TEST(StoreTalonGrid, SmallTalonsFollowTheGridOfThreeAndFourColumns) {
    // Up to 9 cards: 3 columns 11 px apart, rows 24 px apart.
    ScreenPoint p = storeCardPlace(0, 4, 9);
    EXPECT_EQ(p.x, 2 + 11);
    EXPECT_EQ(p.y, 225 + 24);
    p = storeCardPlace(2, 8, 9);
    EXPECT_EQ(p.x, 2 + 120 + 22);
    EXPECT_EQ(p.y, 225 + 48);
    // 10 to 12 cards: 4 columns, still 24 px rows.
    p = storeCardPlace(1, 11, 12);
    EXPECT_EQ(p.x, 2 + 60 + 33);
    EXPECT_EQ(p.y, 225 + 48);
    p = storeCardPlace(3, 4, 10);
    EXPECT_EQ(p.x, 2 + 180);
    EXPECT_EQ(p.y, 225 + 24);
    EXPECT_EQ(storeCardPlace(0, 0, 1).y, 225);
}

TEST(StoreTalonGrid, ThirteenCardsOrMoreStayOnTheScreenWithEveryRankInView) {
    for (int count = 1; count <= kStoreTalonCapacity; ++count) {
        int previousRowY = -100;
        for (int i = 0; i < count; ++i) {
            const ScreenPoint p = storeCardPlace(3, i, count);
            EXPECT_LE(p.y + kCardHeight, kScreenHeight) << count << " cards, card " << i;
            EXPECT_GE(p.y, kStoreTalonTop);
            if (p.y != previousRowY && i > 0) {
                // Rows overlap no more than leaves the 14-pixel rank glyph clear.
                EXPECT_GE(p.y - previousRowY, 15) << count << " cards";
            }
            previousRowY = p.y;
        }
    }
    // 13 cards need a fourth row, which at 23 px would end at 225 + 69 + 46.
    EXPECT_LT(storeTalonRowStep(13), 23);
    EXPECT_EQ(storeTalonRowStep(12), 24);
    // 17 to 20 cards: 5 columns.
    EXPECT_EQ(storeCardPlace(0, 4, 17).x, 2 + 44);
    EXPECT_EQ(storeCardPlace(0, 5, 17).x, 2);
}

TEST(TableTaps, TheDeckAndTheDealtCardHaveBoxesOf30By45) {
    EXPECT_TRUE(onDeck(2, 30));
    EXPECT_TRUE(onDeck(31, 74));
    EXPECT_FALSE(onDeck(32, 50));
    EXPECT_FALSE(onDeck(15, 75));
    EXPECT_FALSE(onDeck(1, 50));
    EXPECT_TRUE(onDealtCard(32, 30));
    EXPECT_TRUE(onDealtCard(61, 74));
    EXPECT_FALSE(onDealtCard(62, 50));
    EXPECT_FALSE(onDealtCard(40, 29));
}

TEST(TableTaps, PicksOnTheTalonsAreTakenByColumnAndBand) {
    EXPECT_EQ(storeTalonPickAt(10, 225), -1);
    EXPECT_EQ(storeTalonPickAt(10, 226), 0);
    EXPECT_EQ(storeTalonPickAt(59, 300), 0);
    EXPECT_EQ(storeTalonPickAt(60, 300), 1);
    EXPECT_EQ(storeTalonPickAt(239, 319), 3);
    EXPECT_TRUE(inKingsTalonArea(0, 170));
    EXPECT_TRUE(inKingsTalonArea(75, 225));
    EXPECT_FALSE(inKingsTalonArea(76, 200));
    EXPECT_FALSE(inKingsTalonArea(20, 169));
    EXPECT_FALSE(inKingsTalonArea(20, 226));
}

TEST(TableTaps, TheSecondTapAimsAtATalonASequenceOrTheKings) {
    Destination d = destinationAt(130, 226);
    EXPECT_EQ(d.kind, TargetKind::StoreTalon);
    EXPECT_EQ(d.index, 2);
    d = destinationAt(76, 26);
    EXPECT_EQ(d.kind, TargetKind::Sequence);
    EXPECT_EQ(d.index, 0);
    d = destinationAt(200, 29 + 47);  // (47 x 4) div 188 = 1
    EXPECT_EQ(d.index, 1);
    d = destinationAt(200, 29 + 46);
    EXPECT_EQ(d.index, 0);
    d = destinationAt(200, 225);  // (196 x 4) div 188 = 4, clamped
    EXPECT_EQ(d.kind, TargetKind::Sequence);
    EXPECT_EQ(d.index, 3);
    EXPECT_EQ(destinationAt(75, 170).kind, TargetKind::KingsTalon);
    EXPECT_EQ(destinationAt(75, 169).kind, TargetKind::None);
    EXPECT_EQ(destinationAt(48, 50).kind, TargetKind::None);  // the dealt card's own place
    EXPECT_EQ(destinationAt(150, 25).kind, TargetKind::None);
}

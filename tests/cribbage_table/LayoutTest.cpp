// The table's taps and places: which slot a tap picks in each zone, the
// deck and crib on the dealer's side, and the laid cards packed by count.

#include <gtest/gtest.h>

#include "games/cribbage/table/TableLayout.h"

using namespace cribbage;

TEST(HandTaps, DiscardSlotsAreThirtyFourPixelsWideFromX18) {
    struct Case {
        int x, y, slot;
    } cases[] = {
        {17, 240, 0},  {18, 240, 0},  {51, 240, 0},  {52, 240, 1},  {120, 260, 3},
        {222, 285, 5}, {190, 235, 5}, {16, 240, -1}, {223, 240, -1}, {100, 234, -1},
        {100, 286, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(discardSlotAt(c.x, c.y), c.slot) << c.x << "," << c.y;
}

TEST(HandTaps, PlaySlotsRunToTheScreenEdgeAndARightTapPicksTheFourth) {
    struct Case {
        int x, y, slot;
    } cases[] = {
        {51, 240, 0},  {84, 240, 0},  {85, 240, 1},  {153, 240, 3}, {186, 284, 3},
        {230, 250, 3}, {239, 250, 3}, {50, 240, -1}, {240, 250, -1}, {100, 285, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(playSlotAt(c.x, c.y), c.slot) << c.x << "," << c.y;
    // Nothing of the zone lies off the screen.
    EXPECT_LT(kPlayHandZone.right, kScreenWidth);
}

TEST(TablePlaces, DeckAndCribSitOnTheDealersSide) {
    EXPECT_EQ(deckPlace(true).y, 100);
    EXPECT_EQ(deckPlace(false).y, 170);
    EXPECT_EQ(cribPlace(true).x, 178);
    EXPECT_EQ(cribCardPlace(false, 3).x, 178 + 12);
    EXPECT_TRUE(onDeck(true, 20, 100));
    EXPECT_TRUE(onDeck(true, 49, 129));
    EXPECT_FALSE(onDeck(true, 50, 129));
    EXPECT_FALSE(onDeck(false, 30, 110));
    EXPECT_TRUE(onCribBox(false, 227, 219));
    EXPECT_FALSE(onCribBox(false, 228, 219));
    EXPECT_TRUE(inPlayArea(55, 102));
    EXPECT_TRUE(inPlayArea(185, 232));
    EXPECT_FALSE(inPlayArea(186, 150));
}

TEST(TablePlaces, HandsStand34PixelsApartAndThePersonsFourMoveForThePlay) {
    EXPECT_EQ(handCardPlace(false, 5, false).x, 20 + 170);
    EXPECT_EQ(handCardPlace(false, 0, false).y, 53);
    EXPECT_EQ(handCardPlace(true, 2, false).x, 88);
    EXPECT_EQ(handCardPlace(true, 2, true).x, 54 + 68);
    EXPECT_EQ(handCardPlace(true, 2, true).y, 237);
}

TEST(LaidCards, TheFirstCountIsLaidInOneStepPerCardWhoeverLaidIt) {
    // Blue, Red, Blue, Red in one count: 10 px a card across both rows.
    const bool red[8] = {false, true, false, true};
    ScreenPoint at[8];
    laidCardPlaces(red, 4, 4, at);
    EXPECT_EQ(at[0].x, 57);
    EXPECT_EQ(at[0].y, 122);
    EXPECT_EQ(at[1].x, 67);
    EXPECT_EQ(at[1].y, 169);
    EXPECT_EQ(at[3].x, 87);
}

TEST(LaidCards, EarlierCountsArePackedAndTheCurrentCountFollowsAfterAGap) {
    // Five cards made 31 (Blue 3, Red 2); then Red and Blue lay one each.
    const bool red[8] = {false, true, false, true, false, true, false};
    ScreenPoint at[8];
    laidCardPlaces(red, 7, 2, at);
    EXPECT_EQ(at[0].x, 57);  // Blue's packed row: 57, 67, 77
    EXPECT_EQ(at[2].x, 67);
    EXPECT_EQ(at[4].x, 77);
    EXPECT_EQ(at[1].x, 57);  // Red's: 57, 67
    EXPECT_EQ(at[3].x, 67);
    // 10 x 3 (the longer row) + 25 past the rows' start.
    EXPECT_EQ(at[5].x, 57 + 30 + 25);
    EXPECT_EQ(at[5].y, 169);
    EXPECT_EQ(at[6].x, 57 + 30 + 25 + 10);
    EXPECT_EQ(at[6].y, 122);
}

TEST(CountLines, FirstAtFourThenTwentyThenFourteenAndFifteenBeforeTheFlush) {
    int y[5];
    countLineYs(5, 3, y);
    EXPECT_EQ(y[0], 104);
    EXPECT_EQ(y[1], 124);
    EXPECT_EQ(y[2], 138);
    EXPECT_EQ(y[3], 153);
    EXPECT_EQ(y[4], 167);
}

#include <gtest/gtest.h>

#include "games/reflection/rules/HighScoreList.h"

using namespace reflection;

TEST(HighScoreList, StartsAndResetsToScoreZeroAndTime999) {
    HighScoreList list;
    EXPECT_EQ(list.scoresText(), "0 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(list.timesText(), "999 999 999 999 999 999 999 999 999 999 ");
    list.insert(120, 300);
    list.reset();
    EXPECT_EQ(list.score(0), 0);
    EXPECT_EQ(list.time(0), 999);
    EXPECT_EQ(list.highlightedRow(), -1);
}

TEST(HighScoreList, AWinInZeroSecondsTopsAnEmptyList) {
    HighScoreList list;
    EXPECT_EQ(list.insert(200, 0), 0);
    EXPECT_EQ(list.score(0), 200);
    EXPECT_EQ(list.time(0), 0);
    EXPECT_EQ(list.highlightedRow(), 0);
    EXPECT_EQ(list.scoresText(), "200 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(list.timesText(), "0 999 999 999 999 999 999 999 999 999 ");
}

TEST(HighScoreList, HigherScoresRankFirstAndFasterGamesBreakTies) {
    HighScoreList list;
    EXPECT_EQ(list.insert(100, 50), 0);
    EXPECT_EQ(list.insert(150, 500), 0);
    EXPECT_EQ(list.insert(100, 40), 1);  // faster than the other 100
    EXPECT_EQ(list.insert(100, 60), 3);  // slower than both
    EXPECT_EQ(list.insert(12, 1), 4);
    EXPECT_EQ(list.scoresText(), "150 100 100 100 12 0 0 0 0 0 ");
    EXPECT_EQ(list.timesText(), "500 40 50 60 1 999 999 999 999 999 ");
    EXPECT_EQ(list.highlightedRow(), 4);
}

TEST(HighScoreList, EqualScoreAndTimePutsTheNewerGameAbove) {
    HighScoreList list;
    list.insert(100, 50);
    list.insert(100, 70);
    EXPECT_EQ(list.insert(100, 50), 0);
    EXPECT_EQ(list.time(0), 50);
    EXPECT_EQ(list.time(1), 50);
    EXPECT_EQ(list.time(2), 70);
}

TEST(HighScoreList, AFullListDropsItsTenthAndRefusesWorseGames) {
    HighScoreList list;
    for (int i = 0; i < 10; ++i) list.insert(20 + 10 * i, 100);  // 110 ... 20
    EXPECT_EQ(list.score(9), 20);
    EXPECT_EQ(list.placeFor(20, 101), -1);  // slower than the tenth: no room below it
    EXPECT_EQ(list.placeFor(20, 100), 9);   // the newer of two equal games goes above
    EXPECT_EQ(list.placeFor(20, 99), 9);
    EXPECT_EQ(list.insert(16, 1), -1);
    EXPECT_EQ(list.highlightedRow(), 0);  // 110 came last; a refused game marks nothing
    EXPECT_EQ(list.insert(65, 5), 5);
    EXPECT_EQ(list.scoresText(), "110 100 90 80 70 65 60 50 40 30 ");
}

TEST(ListText, ReadsTenNumbersInRange) {
    int v[10];
    EXPECT_EQ(parseListText("200 150 0 0 0 0 0 0 0 1 ", 0, 200, 0, v), ListText::Valid);
    EXPECT_EQ(v[0], 200);
    EXPECT_EQ(v[1], 150);
    EXPECT_EQ(v[9], 1);
    EXPECT_EQ(parseListText("  1 2 3 4 5 6 7 8 9 10", 0, 200, 0, v), ListText::Valid);
    EXPECT_EQ(v[9], 10);
}

TEST(ListText, OutOfRangeValuesMoveToTheNearerBoundAndAskForRepair) {
    int v[10];
    EXPECT_EQ(parseListText("250 0 0 0 0 0 0 0 0 0 ", 0, 200, 0, v), ListText::Unreadable);
    EXPECT_EQ(v[0], 200);
    EXPECT_EQ(parseListText("-3 5 1000 99999999999999999999 0 0 0 0 0 0", 0, 999, 999, v),
              ListText::Unreadable);
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[1], 5);
    EXPECT_EQ(v[2], 999);
    EXPECT_EQ(v[3], 999);
}

TEST(ListText, AnythingButTenNumbersIsUnreadableAndEveryEntryIsSet) {
    int v[10];
    for (int& x : v) x = -12345;
    EXPECT_EQ(parseListText("1 2 3", 0, 999, 999, v), ListText::Unreadable);
    EXPECT_EQ(v[2], 3);
    for (int i = 3; i < 10; ++i) EXPECT_EQ(v[i], 999);
    EXPECT_EQ(parseListText("1 2 3 4 5 6 7 8 9 10 11", 0, 999, 999, v), ListText::Unreadable);
    EXPECT_EQ(parseListText("", 0, 200, 0, v), ListText::Unreadable);
    EXPECT_EQ(parseListText(nullptr, 0, 200, 0, v), ListText::Unreadable);
    for (int x : v) EXPECT_EQ(x, 0);
    EXPECT_EQ(parseListText("1 2 3 4 5x 6 7 8 9 10", 0, 200, 0, v), ListText::Unreadable);
    EXPECT_EQ(v[4], 0);
    EXPECT_EQ(parseListText("1 2 3 4 - 6 7 8 9 10", 0, 200, 0, v), ListText::Unreadable);
}

TEST(HighScoreList, LoadRepairsDamagedStrings) {
    HighScoreList list;
    EXPECT_TRUE(list.load("200 100 0 0 0 0 0 0 0 0 ", "10 20 999 999 999 999 999 999 999 999 "));
    EXPECT_EQ(list.score(1), 100);
    EXPECT_EQ(list.time(1), 20);
    EXPECT_FALSE(list.load("250 12", nullptr));
    EXPECT_EQ(list.score(0), 200);
    EXPECT_EQ(list.score(1), 12);
    EXPECT_EQ(list.score(2), 0);
    EXPECT_EQ(list.time(0), 999);
    EXPECT_EQ(list.scoresText(), "200 12 0 0 0 0 0 0 0 0 ");
}

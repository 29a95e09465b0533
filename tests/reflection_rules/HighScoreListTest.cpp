#include <gtest/gtest.h>

#include <string>

#include "games/reflection/rules/HighScoreList.h"

using namespace reflection;

namespace {

// One line of the list as the settings record holds it: the scores, or the
// times, written out the way the registry keeps them.
std::string column(const HighScoreList& list, bool times) {
    int32_t scores[kListEntries], secs[kListEntries];
    list.store(scores, secs);
    std::string text;
    for (int32_t v : times ? secs : scores) text += std::to_string(v) + " ";
    return text;
}
std::string scoresOf(const HighScoreList& list) {
    return column(list, false);
}
std::string timesOf(const HighScoreList& list) {
    return column(list, true);
}

}  // namespace

TEST(HighScoreList, StartsAndResetsToScoreZeroAndTime999AndAFastWinTopsIt) {
    HighScoreList list;
    EXPECT_EQ(scoresOf(list), "0 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(timesOf(list), "999 999 999 999 999 999 999 999 999 999 ");
    list.insert(120, 300);
    list.reset();
    EXPECT_EQ(list.score(0), 0);
    EXPECT_EQ(list.time(0), 999);
    EXPECT_EQ(list.highlightedRow(), -1);
    // A win in zero seconds tops the empty list.
    EXPECT_EQ(list.insert(200, 0), 0);
    EXPECT_EQ(list.score(0), 200);
    EXPECT_EQ(list.time(0), 0);
    EXPECT_EQ(list.highlightedRow(), 0);
    EXPECT_EQ(scoresOf(list), "200 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(timesOf(list), "0 999 999 999 999 999 999 999 999 999 ");
}

TEST(HighScoreList, HigherScoresRankFirstAndFasterGamesBreakTies) {
    HighScoreList list;
    EXPECT_EQ(list.insert(100, 50), 0);
    EXPECT_EQ(list.insert(150, 500), 0);
    EXPECT_EQ(list.insert(100, 40), 1);  // faster than the other 100
    EXPECT_EQ(list.insert(100, 60), 3);  // slower than both
    EXPECT_EQ(list.insert(12, 1), 4);
    EXPECT_EQ(scoresOf(list), "150 100 100 100 12 0 0 0 0 0 ");
    EXPECT_EQ(timesOf(list), "500 40 50 60 1 999 999 999 999 999 ");
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
    EXPECT_EQ(scoresOf(list), "110 100 90 80 70 65 60 50 40 30 ");
}

TEST(HighScoreList, LoadMovesOutOfRangeEntriesToTheNearerBound) {
    HighScoreList list;
    list.insert(50, 10);
    const int32_t scores[kListEntries] = {250, 12, 0, -4, 0, 0, 0, 0, 0, 0};
    const int32_t times[kListEntries] = {-3, 20, 1000, 999, 999, 999, 999, 999, 999, 999};
    list.load(scores, times);
    EXPECT_EQ(list.score(0), 200);
    EXPECT_EQ(list.time(0), 0);
    EXPECT_EQ(list.score(1), 12);
    EXPECT_EQ(list.time(1), 20);
    EXPECT_EQ(list.time(2), 999);
    EXPECT_EQ(list.score(3), 0);
    EXPECT_EQ(list.highlightedRow(), -1);
    EXPECT_EQ(scoresOf(list), "200 12 0 0 0 0 0 0 0 0 ");
}

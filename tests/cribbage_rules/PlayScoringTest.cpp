#include <gtest/gtest.h>

#include "games/cribbage/rules/PlayScoring.h"
#include "tests/cribbage_rules/CribbageTestSupport.h"

using namespace cribbage_test;

namespace {

// The cards of one count in the order laid; the last is the card scored.
PlayScore play(const std::string& laid) {
    const std::vector<Card> c = cards(laid);
    int total = 0;
    for (const Card& x : c) total += cardCountValue(x);
    return scorePlay(c.data(), static_cast<int>(c.size()), total);
}

std::string messages(const PlayScore& s) {
    std::string text;
    for (int i = 0; i < s.messageCount; ++i) text += std::string(i ? " / " : "") + s.messages[i];
    return text;
}

TEST(PlayScoring, FifteenPairsAndRoyals) {
    EXPECT_EQ(play("TS 5H").points, 2);
    EXPECT_EQ(messages(play("TS 5H")), "2 pts for a fifteen");
    EXPECT_EQ(play("7S 7H").points, 2);
    EXPECT_EQ(messages(play("7S 7H")), "2 pts for a pair");
    EXPECT_EQ(play("7S 7H 7D").points, 6);
    EXPECT_EQ(messages(play("7S 7H 7D")), "6 pts for a pair royal");
    EXPECT_EQ(play("2S 2H 2D 2C").points, 12);
    EXPECT_EQ(messages(play("2S 2H 2D 2C")), "12 pts for dbl pair royal");
    // A pair only with the card just before.
    EXPECT_EQ(play("7S 8H 7D").points, 0);
    // A fifteen with a pair: one move of 4, the fifteen's message first.
    EXPECT_EQ(play("3S 6H 6D").points, 4);
    EXPECT_EQ(messages(play("3S 6H 6D")), "2 pts for a fifteen / 2 pts for a pair");
    EXPECT_EQ(play("5S 5H 5D").points, 8);  // 15 and a pair royal
}

TEST(PlayScoring, RunsInAnyOrderOfTheMostRecentCards) {
    EXPECT_EQ(play("3S 5H 4D").points, 3);
    EXPECT_EQ(messages(play("3S 5H 4D")), "3 pts for a run of three");
    EXPECT_EQ(play("6S 4H 5D 3C").points, 4);
    EXPECT_EQ(play("AS 3H 2D 5C 4S").points, 5 + 2);  // and fifteen
    EXPECT_EQ(play("AS 3H 2D 5C 4S 6D").points, 6);
    EXPECT_EQ(messages(play("AS 3H 2D 5C 4S 6D")), "6 pts for a run of six");
    EXPECT_EQ(play("AS 3H 2D 5C 4S 7D 6C").points, 7);
    EXPECT_EQ(messages(play("AS 3H 2D 5C 4S 7D 6C")), "7 pts for a run of seven");
    // A broken run: an older card between scores nothing.
    EXPECT_EQ(play("3S 9H 5D 4C").points, 0);
    // The run is only among the most recent: 2 3 4 then a 4 breaks, 5 after 4 4 is none.
    EXPECT_EQ(play("2S 3H 4D 4C 5S").points, 0);
    // The longest counts: 3 4 5 6 after a 9 is four.
    EXPECT_EQ(play("9S 3H 4D 5C 6S").points, 4);
    // A lone pair of ranks is no run, and two cards are never one.
    EXPECT_EQ(play("4S 5H").points, 0);
}

TEST(PlayScoring, GoPoints) {
    EXPECT_EQ(goPoints(31), 2);
    EXPECT_STREQ(goMessage(31), "2 pts for a go");
    EXPECT_EQ(goPoints(27), 1);
    EXPECT_STREQ(goMessage(27), "1 pt for a go");
}

TEST(PlayScoring, RunLengthForTheComputer) {
    const std::vector<Card> earlier = cards("3S 5H");
    EXPECT_EQ(playRunLength(earlier.data(), 2, card("4C")), 3);
    EXPECT_EQ(playRunLength(earlier.data(), 2, card("6C")), 0);
    EXPECT_EQ(playRunLength(earlier.data(), 0, card("6C")), 0);
}

}  // namespace

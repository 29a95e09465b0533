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

TEST(PlayScoring, TheLastCardScoresWithThoseBeforeIt) {
    const struct {
        const char* name;
        const char* laid;
        int points;
        const char* messages;
    } cases[] = {
        {"fifteen", "TS 5H", 2, "2 pts for a fifteen"},
        {"pair", "7S 7H", 2, "2 pts for a pair"},
        {"pair royal", "7S 7H 7D", 6, "6 pts for a pair royal"},
        {"double pair royal", "2S 2H 2D 2C", 12, "12 pts for dbl pair royal"},
        // A pair only with the card just before.
        {"no pair across a card", "7S 8H 7D", 0, ""},
        // A fifteen with a pair: one move of 4, the fifteen's message first.
        {"fifteen and pair", "3S 6H 6D", 4, "2 pts for a fifteen / 2 pts for a pair"},
        {"fifteen and pair royal", "5S 5H 5D", 8, "2 pts for a fifteen / 6 pts for a pair royal"},
        {"run of three in any order", "3S 5H 4D", 3, "3 pts for a run of three"},
        {"run of four", "6S 4H 5D 3C", 4, "4 pts for a run of four"},
        {"run of five and fifteen", "AS 3H 2D 5C 4S", 7,
         "2 pts for a fifteen / 5 pts for a run of five"},
        {"run of six", "AS 3H 2D 5C 4S 6D", 6, "6 pts for a run of six"},
        {"run of seven", "AS 3H 2D 5C 4S 7D 6C", 7, "7 pts for a run of seven"},
        // An older card between breaks the run.
        {"broken run", "3S 9H 5D 4C", 0, ""},
        // The run is only among the most recent: 2 3 4 then a 4 breaks, 5
        // after 4 4 is none.
        {"run broken by a pair", "2S 3H 4D 4C 5S", 0, ""},
        // The longest counts: 3 4 5 6 after a 9 is four.
        {"longest run", "9S 3H 4D 5C 6S", 4, "4 pts for a run of four"},
        // Two cards are never a run.
        {"two in sequence", "4S 5H", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PlayScore s = play(c.laid);
        EXPECT_EQ(s.points, c.points);
        EXPECT_EQ(messages(s), c.messages);
    }
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

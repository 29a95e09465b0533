#include "gamekit/cards/CardText.h"

#include <gtest/gtest.h>

using gamekit::CardCode;
using gamekit::CardListRules;
using gamekit::cardListText;
using gamekit::parseCardCode;
using gamekit::parseCardList;

TEST(CardText, EveryCardReadsBackFromItsText) {
    for (int index = 0; index < 52; ++index) {
        const CardCode code = CardCode::fromIndex(index);
        CardCode back{-1, -1};
        ASSERT_TRUE(parseCardCode(gamekit::cardCodeText(code), back)) << index;
        EXPECT_EQ(back, code);
        EXPECT_EQ(back.index(), index);
    }
}

TEST(CardText, RanksSuitsAndTheTenInEitherCase) {
    const struct {
        const char* text;
        CardCode code;
    } cases[] = {{"AS", {0, 0}},  {"as", {0, 0}},  {"TD", {9, 3}}, {"10d", {9, 3}},
                 {"10H", {9, 2}}, {"qh", {11, 2}}, {"KC", {12, 1}}, {"2c", {1, 1}}};
    for (const auto& c : cases) {
        CardCode code;
        ASSERT_TRUE(parseCardCode(c.text, code)) << c.text;
        EXPECT_EQ(code, c.code) << c.text;
    }
    EXPECT_EQ(gamekit::cardCodeText(CardCode{9, 3}), "TD");
    EXPECT_EQ(gamekit::cardCodeText(CardCode{13, 0}), "??");
    for (const char* bad : {"", "A", "1S", "11S", "0H", "AX", "ASS", "S A", "100S", "1OS"}) {
        CardCode code;
        EXPECT_FALSE(parseCardCode(bad, code)) << bad;
    }
}

TEST(CardText, ListsKeepOrderAndNameTheirFirstFault) {
    std::vector<CardCode> cards;
    std::string error;
    ASSERT_TRUE(parseCardList(" 7S,7c\t2D\n", cards, error));
    EXPECT_EQ(cardListText(cards), "7S 7C 2D");

    EXPECT_FALSE(parseCardList("7S 7X 2D", cards, error));
    EXPECT_EQ(error,
              "card 2: \"7X\" is not a card (rank A 2-9 T J Q K, then suit S C H D, e.g. AS TH QD)");
    EXPECT_FALSE(parseCardList("7S 2D 7s", cards, error));
    EXPECT_EQ(error, "the card 7S is given twice");
    EXPECT_TRUE(parseCardList("7S 2D 7s", cards, error, CardListRules{true, 1, 104}));
    EXPECT_EQ(cards.size(), 3u);
    EXPECT_FALSE(parseCardList("  ", cards, error));
    EXPECT_EQ(error, "expected 1 to 52 cards, found 0");
    EXPECT_FALSE(parseCardList("AS 2S", cards, error, CardListRules{false, 4, 4}));
    EXPECT_EQ(error, "expected 4 cards, found 2");
}

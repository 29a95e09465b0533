#include "PellandineTestSupport.h"

using namespace pellandine_test;

TEST(DeckOrder, CodesInEitherCaseWithTenWrittenTwoWays) {
    std::vector<CardCode> out;
    std::string error;
    ASSERT_TRUE(parseDeckOrder("AS 2c,10H td  qS KD", out, error));
    EXPECT_EQ(out, (std::vector<CardCode>{{0, 0}, {1, 1}, {9, 2}, {9, 3}, {11, 0}, {12, 3}}));
    EXPECT_EQ(cardCodeName(CardCode{9, 2}), "10H");
}

TEST(DeckOrder, BadCodesRepeatsAndEmptyOrdersAreRefusedWithAReason) {
    std::vector<CardCode> out;
    std::string error;
    EXPECT_FALSE(parseDeckOrder("AS 1S", out, error));
    EXPECT_NE(error.find("\"1S\" is not a card"), std::string::npos) << error;
    EXPECT_FALSE(parseDeckOrder("AS 11S", out, error));
    EXPECT_FALSE(parseDeckOrder("ASX", out, error));
    EXPECT_FALSE(parseDeckOrder("AX", out, error));
    EXPECT_FALSE(parseDeckOrder("KH 2C kh", out, error));
    EXPECT_EQ(error, "the card KH is given twice");
    EXPECT_FALSE(parseDeckOrder("  ,, ", out, error));
    EXPECT_EQ(error, "the deck order names no card");
}

TEST(DeckOrder, ArrangingPutsTheCardsOnTopAndKeepsTheOthersInOrder) {
    gamekit::PokerShoe shoe(1);  // fresh: spades, clubs, hearts, diamonds
    shoe.nextCard = 9;
    ASSERT_TRUE(arrangeShoe(shoe, {{12, 3}, {0, 1}}));
    EXPECT_EQ(shoe.nextCard, 0);
    EXPECT_EQ(cardCodeName(*shoe.cards[0]), "KD");
    EXPECT_EQ(cardCodeName(*shoe.cards[1]), "AC");
    EXPECT_EQ(cardCodeName(*shoe.cards[2]), "AS");
    EXPECT_EQ(cardCodeName(*shoe.cards[14]), "KS");
    EXPECT_EQ(cardCodeName(*shoe.cards[15]), "2C");
    EXPECT_EQ(cardCodeName(*shoe.cards[51]), "QD");
    EXPECT_FALSE(arrangeShoe(shoe, {{3, 2}, {3, 2}}));
    EXPECT_EQ(cardCodeName(*shoe.cards[0]), "KD");  // unchanged
}

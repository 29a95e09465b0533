#include "PellandineTestSupport.h"

using namespace pellandine_test;
using gamekit::cardCodeText;

TEST(DeckOrder, ArrangingPutsTheCardsOnTopAndKeepsTheOthersInOrder) {
    gamekit::PokerShoe shoe(1);  // fresh: spades, clubs, hearts, diamonds
    shoe.nextCard = 9;
    ASSERT_TRUE(arrangeShoe(shoe, codes("KD AC")));
    EXPECT_EQ(shoe.nextCard, 0);
    EXPECT_EQ(cardCodeText(*shoe.cards[0]), "KD");
    EXPECT_EQ(cardCodeText(*shoe.cards[1]), "AC");
    EXPECT_EQ(cardCodeText(*shoe.cards[2]), "AS");
    EXPECT_EQ(cardCodeText(*shoe.cards[14]), "KS");
    EXPECT_EQ(cardCodeText(*shoe.cards[15]), "2C");
    EXPECT_EQ(cardCodeText(*shoe.cards[51]), "QD");
    EXPECT_FALSE(arrangeShoe(shoe, {{3, 2}, {3, 2}}));
    EXPECT_EQ(cardCodeText(*shoe.cards[0]), "KD");  // unchanged
}

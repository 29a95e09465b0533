#include <gtest/gtest.h>

#include "gamekit/cards/CardText.h"
#include "games/reflection/rules/DeckText.h"

using namespace reflection;

namespace {
// Tens written both ways: the card text reads 10 as T.
const char* kConstructionOrder =
    "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS KS AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC "
    "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH AD 2D 3D 4D 5D 6D 7D 8D 9D td JD QD KD";
}

TEST(DeckText, ReadsAWholeDeckTopFirst) {
    int codes[52];
    std::string error;
    ASSERT_TRUE(parseDeckOrder(kConstructionOrder, codes, error)) << error;
    std::vector<gamekit::CardCode> cards;
    for (int i = 0; i < 52; ++i) {
        EXPECT_EQ(codes[i], i);
        cards.push_back(gamekit::CardCode::fromIndex(codes[i]));
    }
    EXPECT_EQ(gamekit::cardListText(cards),
              "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC "
              "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD");
}

TEST(DeckText, RefusesBadDecksWithAReason) {
    int codes[52];
    std::string error;
    std::string text = kConstructionOrder;
    EXPECT_FALSE(parseDeckOrder("AS 2S 3S 4S", codes, error));
    EXPECT_NE(error.find("52"), std::string::npos);
    EXPECT_FALSE(parseDeckOrder(text + " AS", codes, error));
    EXPECT_NE(error.find("twice"), std::string::npos);
    std::string bad = text;
    bad.replace(bad.find("7C"), 2, "7X");
    EXPECT_FALSE(parseDeckOrder(bad, codes, error));
    EXPECT_NE(error.find("7X"), std::string::npos);
    std::string swapped = "2S AS" + text.substr(5);
    EXPECT_FALSE(parseDeckOrder(swapped, codes, error));
    EXPECT_NE(error.find("first four"), std::string::npos);
}

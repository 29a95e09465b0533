#include <gtest/gtest.h>

#include "games/reflection/rules/DeckText.h"

using namespace reflection;

namespace {
const char* kConstructionOrder =
    "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS KS AC 2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC "
    "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH AD 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD";
}

TEST(DeckText, CardNames) {
    EXPECT_EQ(parseCardName("AS"), 0);
    EXPECT_EQ(parseCardName("10h"), 2 * 13 + 9);
    EXPECT_EQ(parseCardName("KD"), 51);
    EXPECT_EQ(parseCardName("1S"), -1);
    EXPECT_EQ(parseCardName("TS"), -1);
    EXPECT_EQ(parseCardName("AX"), -1);
    EXPECT_EQ(parseCardName("A"), -1);
    EXPECT_EQ(parseCardName("100S"), -1);
    EXPECT_EQ(cardName(22), "10C");
}

TEST(DeckText, ReadsAWholeDeckTopFirst) {
    int codes[52];
    std::string error;
    ASSERT_TRUE(parseDeckOrder(kConstructionOrder, codes, error)) << error;
    for (int i = 0; i < 52; ++i) EXPECT_EQ(codes[i], i);
    EXPECT_EQ(formatDeckOrder(codes), kConstructionOrder);
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

#include <gtest/gtest.h>

#include "gamekit/cards/CardText.h"
#include "games/reflection/rules/SequenceRules.h"

using namespace reflection;

namespace {

// The four sequences as the rules state them, face by face.
const char* const kTable[4][13] = {
    {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"},
    {"2", "4", "6", "8", "10", "Q", "A", "3", "5", "7", "9", "J", "K"},
    {"3", "6", "9", "Q", "2", "5", "8", "J", "A", "4", "7", "10", "K"},
    {"4", "8", "Q", "3", "7", "J", "2", "6", "10", "A", "5", "9", "K"},
};

int rankOf(const char* face) {
    gamekit::CardCode code{-1, -1};
    gamekit::parseCardCode(std::string(face) + "S", code);
    return code.rank;
}

}  // namespace

TEST(SequenceRules, RequiredRanksFollowTheTable) {
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 13; ++p) {
            EXPECT_EQ(requiredRank(s, p), rankOf(kTable[s][p])) << "sequence " << s << " pos " << p;
            EXPECT_EQ(positionOfRank(s, rankOf(kTable[s][p])), p);
        }
    }
}

TEST(SequenceRules, OutsideTheTableNothingIsRequired) {
    EXPECT_EQ(requiredRank(-1, 0), -1);
    EXPECT_EQ(requiredRank(4, 0), -1);
    EXPECT_EQ(requiredRank(0, 13), -1);
    EXPECT_EQ(requiredRank(0, -1), -1);
    EXPECT_FALSE(rankFits(0, 13, 12));
    EXPECT_FALSE(rankFits(0, -1, 0));
}

TEST(SequenceRules, SequenceTwoTakesAceThenThreeAfterQueen) {
    // 2 4 6 8 10 Q lie out: six cards.
    EXPECT_TRUE(rankFits(1, 6, rankOf("A")));
    EXPECT_FALSE(rankFits(1, 6, rankOf("3")));
    EXPECT_TRUE(rankFits(1, 7, rankOf("3")));
    EXPECT_FALSE(rankFits(1, 7, rankOf("A")));
}

TEST(SequenceRules, AKingOnlyCompletesASequence) {
    for (int s = 0; s < 4; ++s) {
        for (int length = 0; length < 13; ++length) {
            EXPECT_EQ(rankFits(s, length, rankOf("K")), length == 12) << s << " " << length;
        }
    }
}

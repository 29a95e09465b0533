#include <gtest/gtest.h>

#include <vector>

#include "TestDecks.h"
#include "gamekit/cards/Random.h"
#include "games/reflection/rules/ReflectionGame.h"

using namespace reflection;
using namespace reflection_test;

namespace {

std::vector<int> deckCodes(const ReflectionGame& game) {
    return positionOf(game).deckOrder;
}

}  // namespace

TEST(Deal, ConstructionOrderOpensWithTheLowSpades) {
    ReflectionGame game;
    std::vector<int> codes = deckCodes(game);
    ASSERT_EQ(codes.size(), 52u);
    for (int i = 0; i < 52; ++i) EXPECT_EQ(codes[i], i);  // AS 2S 3S 4S ... KD
}

TEST(Deal, ShuffleSwapsPositionsFourToFiftyOneAsSeeded) {
    ReflectionGame game;
    game.newGame(12345);
    // Position i is exchanged with 4 + rand() % 48, i from 4 to 51.
    std::vector<int> expected(52);
    for (int i = 0; i < 52; ++i) expected[i] = i;
    gamekit::seedRandom(12345);
    for (int i = 4; i < 52; ++i) std::swap(expected[i], expected[4 + gamekit::nextRandom() % 48]);
    EXPECT_EQ(deckCodes(game), expected);
}

TEST(Deal, OpeningCardsNeverMoveUnderShuffling) {
    ReflectionGame game;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        game.newGame(seed * 7919u);
        std::vector<int> codes = deckCodes(game);
        for (int i = 0; i < 4; ++i) ASSERT_EQ(codes[i], i) << "seed " << seed * 7919u;
        std::vector<bool> seen(52, false);
        for (int c : codes) seen[c] = true;
        for (bool b : seen) ASSERT_TRUE(b);
    }
}

TEST(Deal, OpeningCardsGoOneToEachSequenceForTwoPointsEach) {
    ReflectionGame game;
    game.newGame(99);
    EXPECT_FALSE(game.isPlaying());
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(game.dealOpeningCard(), s);
        EXPECT_EQ(game.score(), 2 * (s + 1));
        EXPECT_EQ(game.sequence(s).iSize, 1);
        EXPECT_EQ(game.sequence(s)[0]->rank, s);
        EXPECT_EQ(game.isPlaying(), s == 3);
    }
    EXPECT_EQ(game.dealOpeningCard(), -1);
    EXPECT_EQ(game.score(), 8);
    EXPECT_EQ(game.cardsLeftInDeck(), 48);
}

TEST(Deal, RestartDealsTheSameOrderAgain) {
    ReflectionGame game;
    game.newGame(4242);
    game.dealOpeningCards();
    const Position dealt = positionOf(game);
    std::vector<int> drawn;
    for (int n = 0; n < 10; ++n) {
        ASSERT_TRUE(game.tryMove(Move::dealCard()));
        drawn.push_back(cardCode(game.dealtCard()));
        if (!game.tryMove(Move::dealtToSequence(0)) && !game.tryMove(Move::dealtToKings())) {
            ASSERT_TRUE(game.tryMove(Move::dealtToTalon(n % 4)));
        }
    }
    game.restartGame();
    EXPECT_EQ(game.score(), 0);
    EXPECT_EQ(game.dealtCard(), nullptr);
    EXPECT_EQ(game.cardsOnSequences(), 0);
    game.dealOpeningCards();
    EXPECT_EQ(positionOf(game), dealt);
    for (int n = 0; n < 10; ++n) {
        ASSERT_TRUE(game.tryMove(Move::dealCard()));
        EXPECT_EQ(cardCode(game.dealtCard()), drawn[n]);
        ASSERT_TRUE(game.tryMove(Move::dealtToTalon(n % 4)) || game.tryMove(Move::dealtToKings()));
    }
}

TEST(Deal, NewGameShufflesTheCurrentOrderAgain) {
    ReflectionGame a, b;
    a.newGame(1);
    b.newGame(1);
    EXPECT_EQ(deckCodes(a), deckCodes(b));
    b.newGame(2);
    EXPECT_NE(deckCodes(a), deckCodes(b));
}

TEST(Deal, ArrangeDeckRefusesBadOrders) {
    ReflectionGame game;
    std::vector<int> good = deckStartingWith({"KH"});
    std::vector<int> dup = good;
    dup[10] = dup[11];
    std::vector<int> outOfRange = good;
    outOfRange[51] = 52;
    std::vector<int> badOpening = good;
    std::swap(badOpening[0], badOpening[1]);
    EXPECT_FALSE(game.arrangeDeck(dup.data()));
    EXPECT_FALSE(game.arrangeDeck(outOfRange.data()));
    EXPECT_FALSE(game.arrangeDeck(badOpening.data()));
    EXPECT_EQ(deckCodes(game)[4], 4);  // unchanged
    game.newGame(8);
    game.dealOpeningCards();
    ASSERT_TRUE(game.tryMove(Move::dealCard()));
    EXPECT_FALSE(game.arrangeDeck(dup.data()));
    EXPECT_NE(game.dealtCard(), nullptr);  // a refused order leaves the game alone
    EXPECT_TRUE(game.arrangeDeck(good.data()));
    EXPECT_EQ(deckCodes(game), good);
    // The old table is gone: nothing dealt, nothing on the piles.
    EXPECT_EQ(game.dealtCard(), nullptr);
    EXPECT_EQ(game.cardsOnSequences(), 0);
    EXPECT_EQ(game.score(), 0);
    EXPECT_FALSE(game.isPlaying());
    EXPECT_EQ(game.deck().nextCard, 0);
}

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "FatalErrorCatcher.h"
#include "gamekit/cards/PokerShoe.h"
#include "gamekit/cards/Random.h"

using namespace gamekit;
using testing_support::fatalMessageOf;

namespace {

// A card as rank and suit, to compare orders.
int id(const PlayingCard* c) {
    return c->suit * 13 + c->rank;
}

std::vector<int> order(GVector<PlayingCard*>& cards) {
    std::vector<int> ids;
    for (int i = 0; i < cards.iSize; ++i) ids.push_back(id(cards[i]));
    return ids;
}

std::vector<int> fresh(int n) {
    std::vector<int> ids;
    for (int i = 0; i < n; ++i) ids.push_back(i % 52);
    return ids;
}

}  // namespace

TEST(Random, FollowsThePortableGeneratorOfTheCStandard) {
    seedRandom(1);
    const int expected[] = {16838, 5758, 10113, 17515, 31051, 5627, 23010, 7419, 16212, 4086};
    for (int e : expected) EXPECT_EQ(nextRandom(), e);
}

TEST(PokerDeck, DealsSuitMajorAndRepeatsTheLastCardPastTheEnd) {
    PokerDeck deck(0);
    for (int i = 0; i < 52; ++i) {
        PlayingCard* c = deck.deal(true);
        EXPECT_EQ(c->suit, i / 13);
        EXPECT_EQ(c->rank, i % 13);
        EXPECT_TRUE(c->faceUp);
    }
    PlayingCard* again = deck.deal(false);
    EXPECT_EQ(again->suit, kDiamonds);
    EXPECT_EQ(again->rank, kKing);
    EXPECT_FALSE(again->faceUp);
    EXPECT_EQ(deck.nextCard, 52);
}

TEST(PokerDeck, JokersComeLastAndABadCountIsReported) {
    PokerDeck deck(2);
    ASSERT_EQ(deck.count(), 54);
    EXPECT_EQ(deck.cardAt(52)->suit, kJoker);
    EXPECT_EQ(deck.cardAt(53)->rank, 0);
    EXPECT_EQ(fatalMessageOf([] { PokerDeck bad(3); }),
              "in PokerDeck initialCards: Number of jokers is 3. Must be 0, 1, or 2");
    EXPECT_EQ(deck.cardAt(-1), deck.cardAt(53));
    EXPECT_EQ(deck.cardAt(54), deck.cardAt(53));
}

TEST(PokerDeck, CopiesMakeNewCardsInTheSameOrder) {
    PokerDeck deck(1);
    deck.shuffleSeeded(7);
    deck.deal(false);
    PokerDeck copy(deck);
    ASSERT_EQ(copy.count(), deck.count());
    EXPECT_EQ(copy.nextCard, 1);
    for (int i = 0; i < deck.count(); ++i) {
        EXPECT_NE(copy.cardAt(i), deck.cardAt(i));
        EXPECT_EQ(id(copy.cardAt(i)), id(deck.cardAt(i)));
        EXPECT_EQ(copy.cardAt(i)->faceUp, deck.cardAt(i)->faceUp);
    }
}

TEST(PokerShoe, CombinesDecksInOrderWithDistinctCards) {
    PokerShoe shoe(2);
    ASSERT_EQ(shoe.count(), 104);
    EXPECT_EQ(id(shoe.cardAt(52)), 0);  // the ace of spades of the second deck
    EXPECT_NE(shoe.cardAt(52), shoe.cardAt(0));
    EXPECT_EQ(order(shoe.cards), fresh(104));
    EXPECT_EQ(fatalMessageOf([] { PokerShoe none(0); }),
              "in PokerShoe Constructor: \nNumber of decks is 0. \nMust be >= 1");
    EXPECT_EQ(fatalMessageOf([] { PokerShoe many(9); }),
              "in PokerShoe Constructor: \nNumber of decks is 9. \nMust be <= 8");
}

TEST(Shuffles, AreReproduciblePermutationsThatRewind) {
    for (int kind = 0; kind < 3; ++kind) {
        PokerShoe a(1), b(1);
        a.deal(true);
        auto shuffle = [kind](PokerShoe& s, uint32_t seed) {
            if (kind == 0) s.riffleShuffleSeeded(seed);
            if (kind == 1) s.swapShuffleSeeded(seed);
            if (kind == 2) s.rangeShuffleSeeded(seed, 0, 52);
        };
        shuffle(a, 1234);
        shuffle(b, 1234);
        EXPECT_EQ(a.nextCard, 0);
        std::vector<int> ids = order(a.cards);
        EXPECT_EQ(ids, order(b.cards)) << kind;
        EXPECT_NE(ids, fresh(52)) << kind;
        std::sort(ids.begin(), ids.end());
        EXPECT_EQ(ids, fresh(52)) << kind;
        PokerShoe c(1);
        shuffle(c, 1235);
        EXPECT_NE(order(c.cards), order(a.cards)) << kind;
    }
}

TEST(Shuffles, TheRiffleIsSevenSplitsRifflesAndCuts) {
    PokerShoe shoe(1);
    shoe.riffleShuffleSeeded(99);
    // The same shuffle, written out from its description.
    std::vector<int> cards = fresh(52);
    const int n = 52;
    seedRandom(99);
    for (int round = 0; round < 7; ++round) {
        std::vector<int> scratch = cards;
        int c = nextRandom() % 10 + n / 2 - 5;
        int l = 0, r = c, k = 0;
        while (l < c || r < n) {
            int a = nextRandom() % 2 + 1;
            int b = nextRandom() % 2 + 1;
            while (a-- > 0 && l < c) cards[k++] = scratch[l++];
            while (b-- > 0 && r < n) cards[k++] = scratch[r++];
        }
        scratch = cards;
        int d = nextRandom() % 10 + n / 2 - 5;
        for (int i = 0; i < n; ++i) cards[i] = scratch[(d + i) % n];
    }
    EXPECT_EQ(order(shoe.cards), cards);
}

TEST(Shuffles, TheSwapPassAndTheRangeShuffleSwapWithRandomPlaces) {
    PokerShoe swapped(1);
    swapped.swapShuffleSeeded(5);
    std::vector<int> cards = fresh(52);
    seedRandom(5);
    for (int i = 0; i < 52; ++i) std::swap(cards[i], cards[nextRandom() % 52]);
    EXPECT_EQ(order(swapped.cards), cards);

    PokerShoe ranged(1);
    ranged.rangeShuffleSeeded(6, 4, 52);
    cards = fresh(52);
    seedRandom(6);
    for (int i = 4; i < 52; ++i) std::swap(cards[i], cards[4 + nextRandom() % 48]);
    EXPECT_EQ(order(ranged.cards), cards);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(id(ranged.cardAt(i)), i);  // outside the range: unmoved
}

TEST(Shuffles, ARangeOfNothingOnlyRewindsAndBoundsAreClamped) {
    PokerShoe shoe(1);
    shoe.rangeShuffleSeeded(3, 0, 52);
    std::vector<int> before = order(shoe.cards);
    for (int i = 0; i < 10; ++i) shoe.deal(true);
    shoe.rangeShuffleSeeded(8, 52, 52);
    EXPECT_EQ(shoe.nextCard, 0);
    EXPECT_EQ(order(shoe.cards), before);
    shoe.rangeShuffleSeeded(8, -10, 500);  // taken as 0..52
    std::vector<int> ids = order(shoe.cards);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, fresh(52));
}

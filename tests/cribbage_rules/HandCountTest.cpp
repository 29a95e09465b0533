#include <gtest/gtest.h>

#include <cstdint>

#include "games/cribbage/rules/HandCount.h"
#include "tests/cribbage_rules/CribbageTestSupport.h"

using namespace cribbage_test;

namespace {

TEST(HandCount, EdgeCasesOfTheCount) {
    // 5-5-5-J with the five of the jack's suit: 8 fifteens, a double pair royal, his knobs.
    HandCount h = count("5H 5C 5S JD", "5D");
    EXPECT_EQ(h.fifteens, 8);
    EXPECT_EQ(h.doublePairRoyals, 1);
    EXPECT_EQ(h.hisKnobs, 1);
    EXPECT_EQ(h.total, 29);

    // Everything sums to 15: one fifteen and nothing smaller; two pairs.
    h = count("AS AC 3D 5H", "5C");
    EXPECT_EQ(h.fifteens, 1);
    EXPECT_EQ(h.pairs, 2);
    EXPECT_EQ(h.total, 6);

    h = count("3S 3C 4D 4H", "5C");
    EXPECT_EQ(h.runCount, 4);
    EXPECT_EQ(h.runLength, 3);
    EXPECT_EQ(h.pairs, 2);
    EXPECT_EQ(h.total, 2 * h.fifteens + 12 + 4);

    h = count("3S 3C 3D 4H", "5C");
    EXPECT_EQ(h.runCount, 3);
    EXPECT_EQ(h.pairRoyals, 1);
    EXPECT_EQ(h.pairs, 0);
    EXPECT_EQ(h.total, 2 * h.fifteens + 9 + 6);

    // A run of five is one run of five, not runs of three or four.
    h = count("AS 2C 3D 4H", "5C");
    EXPECT_EQ(h.runCount, 1);
    EXPECT_EQ(h.runLength, 5);
    EXPECT_EQ(h.total, 2 * h.fifteens + 5);
}

TEST(HandCount, FlushesOfHandAndCrib) {
    EXPECT_EQ(count("2D 4D 8D QD", "KS").flush, 1);
    EXPECT_EQ(count("2D 4D 8D QD", "KS").total, 4);
    EXPECT_EQ(count("2D 4D 8D QD", "KS", true).flush, 0);
    const HandCount five = count("2D 4D 8D QD", "KD");
    const HandCount fiveCrib = count("2D 4D 8D QD", "KD", true);
    EXPECT_EQ(five.fiveCardFlush, 1);
    EXPECT_EQ(fiveCrib.fiveCardFlush, 1);
    EXPECT_EQ(five.total, fiveCrib.total);
    EXPECT_EQ(five.total - count("2D 4D 8D QD", "KS").total, 1);
    // Without a starter a hand flush counts 4, a crib flush nothing.
    EXPECT_EQ(count("2D 4D 8D QD").flush, 1);
    EXPECT_EQ(count("2D 4D 8D QD", "", true).flush, 0);
    // Three of a suit and the starter make no flush.
    EXPECT_EQ(count("2D 4D 8D QS", "KD").flush, 0);
}

TEST(HandCount, HisKnobsIsAHandJackOfTheStartersSuit) {
    const HandCount h = count("JH 2C 4S 9D", "KH");
    EXPECT_EQ(h.hisKnobs, 1);
    EXPECT_EQ(count("JH 2C 4S 9D", "KS").hisKnobs, 0);
    // The starter itself being a jack scores nothing in the count.
    EXPECT_EQ(count("AH 2C 4S 9D", "JH").hisKnobs, 0);
    EXPECT_EQ(count("JH 2C 4S 9D").hisKnobs, 0);
}

TEST(HandCount, WithoutAStarterEachTwoCardFifteenCountsOnce) {
    EXPECT_EQ(count("5S TC 5D KH").fifteens, 4);
    EXPECT_EQ(count("7S 8C AD 2H").fifteens, 1);
    EXPECT_EQ(count("5S 5C 5D 2H").fifteens, 1);  // 5+5+5
    EXPECT_EQ(count("5S 5C 5D 2H").pairRoyals, 1);
}

// A pair at the bottom of the sorted list: the runs step must not look two
// places back from the second card (caught by the address sanitizer).
TEST(HandCount, APairAtTheLowestRankIsCountedWithoutReadingBeforeTheList) {
    // Two fifteens (each ace with 2 3 9), the pair, two runs of three.
    EXPECT_EQ(count("AS AC 2D 3H", "9C").total, 4 + 2 + 6);
    EXPECT_EQ(count("AS AC 2D 3H", "9C").runCount, 2);
    EXPECT_EQ(count("AS AC 2D 3H").runCount, 2);
    EXPECT_EQ(count("2S 2C 9D KH").pairs, 1);
}

TEST(HandCount, DisplayLinesInOrder) {
    const std::vector<std::string> lines = countDisplayLines(count("5H 5C 5S JD", "5D"), true);
    const std::vector<std::string> expected = {"Red scores 29 pts", "8 fifteens = 16",
                                               "1 dbl pr royal= 12", "His knobs = 1"};
    EXPECT_EQ(lines, expected);

    const std::vector<std::string> blue =
        countDisplayLines(count("3S 3C 4D 4H", "5C"), false);
    const std::vector<std::string> blueExpected = {"Blue scores 20 pts", "2 fifteens = 4",
                                                   "4 runs of 3 = 12", "2 pairs = 4"};
    EXPECT_EQ(blue, blueExpected);

    const std::vector<std::string> flush = countDisplayLines(count("2D 4D 8D QD", "KD"), true);
    EXPECT_EQ(flush.back(), "A flush of 5 = 5");
    EXPECT_EQ(countDisplayLines(count("AS 2C 3D 5H", "6H"), true),
              (std::vector<std::string>{"Red scores 5 pts", "1 fifteen = 2", "1 run of 3 = 3"}));
    EXPECT_EQ(countDisplayLines(count("3S 3C 3D 4H", "5C"), true)[3], "1 pair royal = 6");
    EXPECT_EQ(countDisplayLines(count("2D 4D 8D QD", "KS"), true).back(), "A flush of 4 = 4");
}

// --- An independent count, from the rules as players state them ----------

struct Brute {
    int total = 0;
    int fifteens = 0;
    int runCount = 0;
    int runLength = 0;
    int pairPoints = 0;
    int flush = 0;
    int knobs = 0;
};

Brute bruteCount(const Card hand[4], Card starter, bool crib) {
    Card all[5] = {hand[0], hand[1], hand[2], hand[3], starter};
    const int n = 5;
    Brute b;
    // Every subset for fifteens.
    for (int mask = 1; mask < (1 << n); ++mask) {
        int sum = 0;
        for (int i = 0; i < n; ++i) {
            if (mask & (1 << i)) sum += all[i].rank >= 9 ? 10 : all[i].rank + 1;
        }
        b.fifteens += sum == 15;
    }
    // Every pair of cards of one rank is a pair.
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) b.pairPoints += all[i].rank == all[j].rank ? 2 : 0;
    }
    // Runs: the longest subsets of distinct, consecutive ranks, each counted.
    for (int length = 5; length >= 3 && b.runCount == 0; --length) {
        for (int mask = 1; mask < (1 << n); ++mask) {
            if (__builtin_popcount(mask) != length) continue;
            int ranks = 0, low = 99, high = -1;
            bool distinct = true;
            for (int i = 0; i < n; ++i) {
                if (!(mask & (1 << i))) continue;
                if (ranks & (1 << all[i].rank)) distinct = false;
                ranks |= 1 << all[i].rank;
                low = std::min(low, static_cast<int>(all[i].rank));
                high = std::max(high, static_cast<int>(all[i].rank));
            }
            if (distinct && high - low == length - 1) {
                ++b.runCount;
                b.runLength = length;
            }
        }
    }
    const bool handFlush =
        hand[0].suit == hand[1].suit && hand[1].suit == hand[2].suit && hand[2].suit == hand[3].suit;
    if (handFlush && starter.suit == hand[0].suit)
        b.flush = 5;
    else if (handFlush && !crib)
        b.flush = 4;
    for (int i = 0; i < 4; ++i) b.knobs += hand[i].rank == 10 && hand[i].suit == starter.suit;
    b.total = 2 * b.fifteens + b.pairPoints + b.runCount * b.runLength + b.flush + b.knobs;
    return b;
}

void expectSame(const Card hand[4], Card starter, bool crib) {
    const HandCount h = countHand(hand, starter, crib);
    const Brute b = bruteCount(hand, starter, crib);
    const int pairPoints = 2 * h.pairs + 6 * h.pairRoyals + 12 * h.doublePairRoyals;
    if (h.total != b.total || h.fifteens != b.fifteens || h.runCount != b.runCount ||
        h.runLength != b.runLength || pairPoints != b.pairPoints ||
        (h.fiveCardFlush ? 5 : h.flush ? 4 : 0) != b.flush || h.hisKnobs != b.knobs) {
        ADD_FAILURE() << cardText(hand[0]) << ' ' << cardText(hand[1]) << ' ' << cardText(hand[2])
                      << ' ' << cardText(hand[3]) << " | " << cardText(starter)
                      << (crib ? " crib" : "") << ": counted " << h.total << ", by the rules "
                      << b.total;
    }
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

#ifdef NDEBUG
constexpr bool kOptimised = true;
#else
constexpr bool kOptimised = false;
#endif

// Every hand with every starter against the independent count in an
// optimised build (seconds); a seeded sample of 300,000 under the
// sanitizers.
TEST(HandCount, AgreesWithTheCountByTheRulesOverAllHands) {
    const bool everyHand = kOptimised && !kSanitized;
    uint32_t state = 20261208u;
    long long checked = 0;
    Card hand[4];
    for (int a = 0; a < 52; ++a) {
        for (int b = a + 1; b < 52; ++b) {
            for (int c = b + 1; c < 52; ++c) {
                for (int d = c + 1; d < 52; ++d) {
                    if (!everyHand) {
                        state = state * 1103515245u + 12345u;
                        if ((state >> 16) % 43 != 0) continue;  // about 1 in 43 hands
                    }
                    hand[0] = Card::fromIndex(a);
                    hand[1] = Card::fromIndex(b);
                    hand[2] = Card::fromIndex(c);
                    hand[3] = Card::fromIndex(d);
                    for (int s = 0; s < 52; ++s) {
                        if (s == a || s == b || s == c || s == d) continue;
                        expectSame(hand, Card::fromIndex(s), false);
                        expectSame(hand, Card::fromIndex(s), true);
                        ++checked;
                    }
                    if (HasFailure()) return;
                }
            }
        }
    }
    if (everyHand) {
        EXPECT_EQ(checked, 12994800);
    }
    EXPECT_GT(checked, 250000);
}

// The count over all 12,994,800 hands with a starter: the known mean, and
// the totals no hand can make.
TEST(HandCount, MeanOverAllHandsAndTheImpossibleTotals) {
    long long histogram[30] = {};
    long long sum = 0, n = 0;
    Card hand[4];
    for (int a = 0; a < 52; ++a) {
        hand[0] = Card::fromIndex(a);
        for (int b = a + 1; b < 52; ++b) {
            hand[1] = Card::fromIndex(b);
            for (int c = b + 1; c < 52; ++c) {
                hand[2] = Card::fromIndex(c);
                for (int d = c + 1; d < 52; ++d) {
                    hand[3] = Card::fromIndex(d);
                    for (int s = 0; s < 52; ++s) {
                        if (s == a || s == b || s == c || s == d) continue;
                        const int total = countHand(hand, Card::fromIndex(s), false).total;
                        ASSERT_LE(total, 29);
                        ++histogram[total];
                        sum += total;
                        ++n;
                    }
                }
            }
        }
    }
    EXPECT_EQ(n, 12994800);
    EXPECT_NEAR(static_cast<double>(sum) / n, 4.7692, 0.00005);
    for (int impossible : {19, 25, 26, 27}) EXPECT_EQ(histogram[impossible], 0) << impossible;
    // 29 only as three fives and a jack with the jack's five as starter.
    EXPECT_EQ(histogram[29], 4);
    EXPECT_GT(histogram[28], 0);
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "games/cribbage/rules/HandCount.h"
#include "tests/cribbage_rules/CribbageTestSupport.h"

using namespace cribbage_test;

namespace {

// A count in one line: fifteens, pairs / pair royals / double pair royals,
// runs (count x length), flush / five-card flush, his knobs, = the total.
std::string summary(const HandCount& h) {
    char text[96];
    std::snprintf(text, sizeof text,
                  "15s %d, pairs %d/%d/%d, runs %dx%d, flush %d/%d, knobs %d = %d", h.fifteens,
                  h.pairs, h.pairRoyals, h.doublePairRoyals, h.runCount, h.runLength, h.flush,
                  h.fiveCardFlush, h.hisKnobs, h.total);
    return text;
}

TEST(HandCount, TheBreakdownOfKnownHands) {
    const struct {
        const char* name;
        const char* hand;
        const char* starter;
        bool crib;
        const char* expected;
    } cases[] = {
        {"5-5-5-J with the five of the jack's suit", "5H 5C 5S JD", "5D", false,
         "15s 8, pairs 0/0/1, runs 0x0, flush 0/0, knobs 1 = 29"},
        {"everything sums to 15, two pairs", "AS AC 3D 5H", "5C", false,
         "15s 1, pairs 2/0/0, runs 0x0, flush 0/0, knobs 0 = 6"},
        {"a double run of three with two pairs", "3S 3C 4D 4H", "5C", false,
         "15s 2, pairs 2/0/0, runs 4x3, flush 0/0, knobs 0 = 20"},
        {"a triple run with a pair royal", "3S 3C 3D 4H", "5C", false,
         "15s 3, pairs 0/1/0, runs 3x3, flush 0/0, knobs 0 = 21"},
        {"a run of five is one run", "AS 2C 3D 4H", "5C", false,
         "15s 1, pairs 0/0/0, runs 1x5, flush 0/0, knobs 0 = 7"},
        {"a hand flush", "2D 4D 8D QD", "KS", false,
         "15s 0, pairs 0/0/0, runs 0x0, flush 1/0, knobs 0 = 4"},
        {"a crib of four of a suit", "2D 4D 8D QD", "KS", true,
         "15s 0, pairs 0/0/0, runs 0x0, flush 0/0, knobs 0 = 0"},
        {"a five-card flush", "2D 4D 8D QD", "KD", false,
         "15s 0, pairs 0/0/0, runs 0x0, flush 1/1, knobs 0 = 5"},
        {"a five-card crib flush", "2D 4D 8D QD", "KD", true,
         "15s 0, pairs 0/0/0, runs 0x0, flush 1/1, knobs 0 = 5"},
        // Without a starter a hand flush counts 4, a crib flush nothing.
        {"a hand flush without a starter", "2D 4D 8D QD", "", false,
         "15s 0, pairs 0/0/0, runs 0x0, flush 1/0, knobs 0 = 4"},
        {"a crib flush without a starter", "2D 4D 8D QD", "", true,
         "15s 0, pairs 0/0/0, runs 0x0, flush 0/0, knobs 0 = 0"},
        {"three of a suit and the starter", "2D 4D 8D QS", "KD", false,
         "15s 0, pairs 0/0/0, runs 0x0, flush 0/0, knobs 0 = 0"},
        {"his knobs", "JH 2C 4S 9D", "KH", false,
         "15s 1, pairs 0/0/0, runs 0x0, flush 0/0, knobs 1 = 3"},
        {"a jack of another suit", "JH 2C 4S 9D", "KS", false,
         "15s 1, pairs 0/0/0, runs 0x0, flush 0/0, knobs 0 = 2"},
        {"a jack as the starter", "AH 2C 4S 9D", "JH", false,
         "15s 2, pairs 0/0/0, runs 0x0, flush 0/0, knobs 0 = 4"},
        {"a jack without a starter", "JH 2C 4S 9D", "", false,
         "15s 1, pairs 0/0/0, runs 0x0, flush 0/0, knobs 0 = 2"},
        // Without a starter each two-card fifteen counts once.
        {"two fives, two tens", "5S TC 5D KH", "", false,
         "15s 4, pairs 1/0/0, runs 0x0, flush 0/0, knobs 0 = 10"},
        {"one fifteen of four", "7S 8C AD 2H", "", false,
         "15s 1, pairs 0/0/0, runs 0x0, flush 0/0, knobs 0 = 2"},
        {"three fives", "5S 5C 5D 2H", "", false,
         "15s 1, pairs 0/1/0, runs 0x0, flush 0/0, knobs 0 = 8"},
        // A pair at the bottom of the sorted list: the runs step must not
        // look two places back from the second card (caught by the address
        // sanitizer).
        {"a pair at the lowest rank", "AS AC 2D 3H", "9C", false,
         "15s 2, pairs 1/0/0, runs 2x3, flush 0/0, knobs 0 = 12"},
        {"a pair at the lowest rank without a starter", "AS AC 2D 3H", "", false,
         "15s 0, pairs 1/0/0, runs 2x3, flush 0/0, knobs 0 = 8"},
        {"a lone pair", "2S 2C 9D KH", "", false,
         "15s 0, pairs 1/0/0, runs 0x0, flush 0/0, knobs 0 = 2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(summary(count(c.hand, c.starter, c.crib)), c.expected) << c.name;
    }
}

TEST(HandCount, DisplayLinesInOrder) {
    const std::vector<std::string> lines = countDisplayLines(count("5H 5C 5S JD", "5D"), true);
    const std::vector<std::string> expected = {"Red scores 29 pts", "8 fifteens = 16",
                                               "1 dbl pr royal= 12", "His knobs = 1"};
    EXPECT_EQ(lines, expected);

    const std::vector<std::string> blue = countDisplayLines(count("3S 3C 4D 4H", "5C"), false);
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

// The hand analysis: sets and runs over list ranges, the sorts, the split of
// a hand into melds and deadwood against the known hard cases and a brute-force
// minimum, and the fast count against the full search.

#include <algorithm>
#include <random>

#include "TestHands.h"
#include "games/velloran/rules/HandAnalysis.h"

namespace velloran_test {
namespace {

MeldAnalysis analyse(const std::string& text) {
    const std::vector<Card> c = cards(text);
    return analyseHand(c.data(), static_cast<int>(c.size()));
}

TEST(SetsAndRuns, CheckTheCountBeforeReadingAndClampTheRange) {
    // An empty or short range is no meld, and nothing is read from it: a
    // null list of no entries must not be touched.
    EXPECT_FALSE(isSet(nullptr, 0, 0, -1));
    EXPECT_FALSE(isRun(nullptr, 0, 0, -1));
    EXPECT_FALSE(isSet(nullptr, 0, 0, 5));
    const std::vector<Card> two = cards("7S 7C");
    EXPECT_FALSE(isSet(two.data(), 2, 0, 1));
    EXPECT_FALSE(isRun(two.data(), 2, -3, 9));

    const std::vector<Card> sevens = cards("7S 7C 7D 7H");
    EXPECT_TRUE(isSet(sevens.data(), 4, -5, 40));  // clamped to the whole list
    EXPECT_TRUE(isSet(sevens.data(), 4, 1, 3));
    EXPECT_FALSE(isSet(sevens.data(), 4, 2, 3));
    EXPECT_FALSE(isRun(sevens.data(), 4, 0, 3));

    std::vector<Card> gap = cards("7S 7C 7D");
    gap[1] = kNoCard;
    EXPECT_FALSE(isSet(gap.data(), 3, 0, 2));
    gap[0] = kNoCard;
    EXPECT_FALSE(isRun(gap.data(), 3, 0, 2));
}

TEST(SetsAndRuns, RunsAreTopCardFirstAndAceIsLowOnly) {
    auto run = [](const std::string& text) {
        const std::vector<Card> c = cards(text);
        return isRun(c.data(), static_cast<int>(c.size()), 0, static_cast<int>(c.size()) - 1);
    };
    EXPECT_TRUE(run("3S 2S AS"));
    EXPECT_TRUE(run("KH QH JH TH"));
    EXPECT_FALSE(run("AS KS QS"));  // Q-K-A
    EXPECT_FALSE(run("2S AS KS"));
    EXPECT_FALSE(run("AS 2S 3S"));  // ascending is not how the lists are kept
    EXPECT_FALSE(run("3S 2C AS"));
    EXPECT_FALSE(run("5D 4D 2D"));
}

TEST(Sorts, OrderTheRangeAndStopAtTheFirstEmptySlot) {
    std::vector<Card> slots = cards("2S KD 9C 9H AS 5D");
    slots.insert(slots.begin() + 4, kNoCard);  // 2S KD 9C 9H -- AS 5D
    sortByRank(slots.data(), 7, 0, 6, true);
    EXPECT_EQ(cardsText(slots.data(), 4), "KD 9C 9H 2S");
    EXPECT_EQ(cardsText(slots.data() + 5, 2), "AS 5D");  // after the gap: untouched
    sortByRank(slots.data(), 7, 0, 3, false);
    EXPECT_EQ(cardsText(slots.data(), 4), "2S 9H 9C KD");  // an exchange sort, not a stable one

    std::vector<Card> mixed = cards("5D KS 2H 9S 2C JC 5H");
    sortBySuitThenRank(mixed.data(), 7, 0, 6, true);
    EXPECT_EQ(cardsText(mixed.data(), 7), "KS 9S JC 2C 5H 2H 5D");
    sortBySuitThenRank(mixed.data(), 7, 0, 99, false);
    EXPECT_EQ(cardsText(mixed.data(), 7), "9S KS 2C JC 2H 5H 5D");
}

TEST(LeastDeadwood, SharedCardsBrokenUpMeldsAndTies) {
    const struct {
        const char* name;
        const char* hand;
        int deadwood;
        const char* melds;
    } cases[] = {
        {"ten cards all melded: two runs and a set of four", "AS 2S 3S 9H TH JH 6C 6D 6S 6H", 0,
         "6S 6C 6H 6D | 3S 2S AS | JH TH 9H"},
        // With the shared seven in the run two sevens are left (14), better
        // than 5-6-8 (19).
        {"three sevens and 5-6-7-8 sharing the seven", "7S 7C 7D 5D 6D 8D KS QS 2H 3C", 14 + 25,
         "8D 7D 6D 5D"},
        {"a seven-card run whose 7 is also in a set: both ends stay melds",
         "7S 7C 7D 4D 5D 6D 8D 9D TD KH", 10, "7S 7C 7D | TD 9D 8D | 6D 5D 4D"},
        {"four of a kind with one in a run: the other three still a set",
         "5S 5C 5H 5D 6D 7D KC QC 9H 2S", 10 + 10 + 9 + 2, "5S 5C 5H | 7D 6D 5D"},
        {"A-2-3 is a run", "AS 2S 3S 8C 8D TH JH 4C 6D 9S", 8 + 8 + 10 + 10 + 4 + 6 + 9,
         "3S 2S AS"},
        {"Q-K-A is not", "QS KS AS 8C 8D TH JH 4C 6D 9S", 10 + 10 + 1 + 8 + 8 + 10 + 10 + 4 + 6 + 9,
         ""},
        {"a run of four lends its end card to a set", "9H 8H 7H 6H 6S 6C KD KS 2C 3D",
         10 + 10 + 2 + 3, "6S 6C 6H | 9H 8H 7H"},
        // 8D in the set leaves 9D 7D (16); in the run it leaves 8S 8C (16).
        {"an equal split keeps the shared card in its set", "8S 8C 8D 9D 7D KH 2C 3C 4H 5S",
         16 + 10 + 2 + 3 + 4 + 5, "8S 8C 8D"},
        {"no melds", "AS 3C 5H 7D 9S JC KH 2D 4S 6C", 1 + 3 + 5 + 7 + 9 + 10 + 10 + 2 + 4 + 6, ""},
        {"an eleventh card", "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS", 0,
         "JS TS 9S 8S 7S 6S 5S 4S 3S 2S AS"},
    };
    for (const auto& c : cases) {
        const MeldAnalysis a = analyse(c.hand);
        EXPECT_EQ(a.deadwood, c.deadwood) << c.name;
        EXPECT_EQ(meldsText(a.melds), c.melds) << c.name;
    }
}

// --- Brute force ---------------------------------------------------------

// Every meld of the hand (every set of three or four of a rank, every run of
// three or more), then the most value that disjoint melds can cover.
int bruteForceDeadwood(const std::vector<Card>& hand) {
    std::vector<HandMask> melds;
    HandMask all = 0;
    for (Card c : hand) all |= maskBit(c);
    for (int rank = 0; rank < 13; ++rank) {
        std::vector<HandMask> ofRank;
        for (Card c : hand) {
            if (rankOf(c) == rank) ofRank.push_back(maskBit(c));
        }
        const int n = static_cast<int>(ofRank.size());
        for (int subset = 0; subset < (1 << n); ++subset) {
            if (__builtin_popcount(subset) < 3) continue;
            HandMask m = 0;
            for (int i = 0; i < n; ++i) {
                if (subset & (1 << i)) m |= ofRank[i];
            }
            melds.push_back(m);
        }
    }
    for (int suit = 0; suit < 4; ++suit) {
        for (int low = 0; low < 13; ++low) {
            HandMask m = 0;
            for (int high = low; high < 13; ++high) {
                const HandMask b = maskBit(makeCard(high, suit));
                if (!(all & b)) break;
                m |= b;
                if (high - low >= 2) melds.push_back(m);
            }
        }
    }
    int best = 0;
    // Depth-first over the melds in order, each taken or not.
    std::vector<std::pair<size_t, HandMask>> stack = {{0, 0}};
    while (!stack.empty()) {
        auto [i, used] = stack.back();
        stack.pop_back();
        best = std::max(best, maskValue(used));
        for (size_t k = i; k < melds.size(); ++k) {
            if (!(melds[k] & used)) stack.push_back({k + 1, used | melds[k]});
        }
    }
    return maskValue(all) - best;
}

std::vector<Card> randomHand(std::mt19937& rng, int size, int window) {
    // window 13: any cards; smaller: only `window` consecutive ranks, so
    // sets and runs crowd the hand.
    const int low = window >= 13 ? 0 : static_cast<int>(rng() % (14 - window));
    std::vector<Card> pool;
    for (int s = 0; s < 4; ++s) {
        for (int r = low; r < low + window && r < 13; ++r) pool.push_back(makeCard(r, s));
    }
    std::shuffle(pool.begin(), pool.end(), rng);
    pool.resize(static_cast<size_t>(std::min<int>(size, static_cast<int>(pool.size()))));
    return pool;
}

TEST(LeastDeadwood, EqualsTheBruteForceMinimum) {
    std::mt19937 rng(2026);
    const std::vector<std::string> crafted = {
        "7S 7C 7D 5D 6D 8D KS QS 2H 3C", "7S 7C 7D 4D 5D 6D 8D 9D TD KH",
        "5S 5C 5H 5D 6D 7D KC QC 9H 2S", "9H 8H 7H 6H 6S 6C KD KS 2C 3D",
        "AS 2S 3S AC 2C 3C AH 2H 3H AD 2D", "4S 5S 6S 4C 5C 6C 4H 5H 6H 4D 5D",
        "3D 4D 5D 6D 7D 5S 5C 6S 6C 7S 7C", "KS KC KH KD QS QC QH QD JS JC JH",
    };
    for (const std::string& text : crafted) {
        const std::vector<Card> hand = cards(text);
        EXPECT_EQ(analyseHand(hand.data(), static_cast<int>(hand.size())).deadwood,
                  bruteForceDeadwood(hand))
            << text;
    }
    for (int i = 0; i < 20000; ++i) {
        const int size = 10 + i % 2;
        const int window = (i % 4 < 2) ? 13 : 3 + i % 3;
        const std::vector<Card> hand = randomHand(rng, size, window);
        const MeldAnalysis a = analyseHand(hand.data(), static_cast<int>(hand.size()));
        ASSERT_EQ(a.deadwood, bruteForceDeadwood(hand)) << cardsText(hand.data(), size);
        // The melds found are real melds and cover exactly what they claim.
        int melded = 0;
        HandMask seen = 0;
        for (int g = 0; g < a.melds.count; ++g) {
            const CardGroup& group = a.melds.groups[g];
            ASSERT_TRUE(isSet(group) || isRun(group)) << groupText(group);
            for (int k = 0; k < group.count; ++k) {
                ASSERT_FALSE(seen & maskBit(group.cards[k]));
                seen |= maskBit(group.cards[k]);
                melded += cardValue(group.cards[k]);
            }
        }
        ASSERT_EQ(maskValue(handMask(hand.data(), size)) - melded, a.deadwood);
    }
}

// The fast count serves the computer's trial hands; it must never differ
// from the full search. A million hands in an optimised build; the
// sanitizer build checks a tenth of them.
TEST(LeastDeadwood, FastCountEqualsTheFullSearchOnAMillionHands) {
#ifdef NDEBUG
    const int hands = 1000000;
#else
    const int hands = 100000;
#endif
    std::mt19937 rng(52);
    for (int i = 0; i < hands; ++i) {
        const int size = 10 + i % 2;
        const int window = (i % 2 == 0) ? 13 : 3 + (i / 2) % 4;
        const std::vector<Card> hand = randomHand(rng, size, window);
        const int n = static_cast<int>(hand.size());
        ASSERT_EQ(leastDeadwood(handMask(hand.data(), n)), analyseHand(hand.data(), n).deadwood)
            << cardsText(hand.data(), n);
    }
}

}  // namespace
}  // namespace velloran_test

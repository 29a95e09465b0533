#include "games/cribbage/rules/HandCount.h"

#include <cstdint>
#include <cstdio>

namespace cribbage {

namespace {

constexpr int kValueOf[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10};

// Equal-rank card pairs of the hand -> ranks held twice, three and four
// times. Five cards make 0, 1 or 2 pairs, 3 (three of a kind), 4 (three of a
// kind and a pair) or 6 (four of a kind).
constexpr int kPairsOf[7] = {0, 1, 2, 0, 1, 0, 0};
constexpr int kRoyalsOf[7] = {0, 0, 0, 1, 1, 0, 0};
constexpr int kDoubleRoyalsOf[7] = {0, 0, 0, 0, 0, 0, 1};

// The same rules as counting over the sorted cards (a pair inside a run
// doubles it, three of a rank triple it), worked out on the set of ranks held
// so that nothing depends on card order and no step looks outside the hand:
// this runs hundreds of times per computer decision.
template <int N>
HandCount countCards(const Card (&all)[5], bool withStarter, Card starter, bool isCrib,
                     const Card cards[4]) {
    HandCount h;
    int value[N];
    unsigned mask = 0;
    for (int i = 0; i < N; ++i) {
        value[i] = kValueOf[all[i].rank];
        mask |= 1u << all[i].rank;
    }

    // Fifteens: the number of card subsets by their sum, kept as sixteen
    // 4-bit counters (sums 0 to 15) in one word; each card adds the subsets
    // that take it in. No sum up to 15 has more than ten subsets among five
    // cards, so no counter overflows into the next. (The same as counting
    // every subset of the cards that makes 15.)
    uint64_t bySum = 1;
    for (int i = 0; i < N; ++i) bySum += bySum << (4 * value[i]);
    h.fifteens = static_cast<int>(bySum >> 60);

    int samePairs = 0;
    for (int i = 0; i < N; ++i) {
        for (int j = i + 1; j < N; ++j) samePairs += all[i].rank == all[j].rank;
    }

    h.pairs = kPairsOf[samePairs];
    h.pairRoyals = kRoyalsOf[samePairs];
    h.doublePairRoyals = kDoubleRoyalsOf[samePairs];

    // Runs: the lowest rank that starts three ranks in a row starts the one
    // run of three or more (five cards leave no room for two). Each card of a
    // rank inside it beyond the first multiplies the runs: one extra card (a
    // pair) doubles, two extra make 4 for two pairs or 3 for three of a kind.
    const unsigned starts = mask & (mask >> 1) & (mask >> 2);
    const int low = __builtin_ctz(starts | (1u << 16));
    const int length = __builtin_ctz(~(mask >> low));
    int inRun = 0;
    for (int i = 0; i < N; ++i) inRun += static_cast<unsigned>(all[i].rank - low) < static_cast<unsigned>(length);
    const int extra = inRun - length;
    const int runs = length < 3 ? 0 : extra == 0 ? 1 : extra == 1 ? 2 : samePairs == 3 ? 3 : 4;
    h.runCount = runs;
    h.runLength = runs ? length : 0;

    if (withStarter) {
        for (int i = 0; i < 4; ++i)
            h.hisKnobs += cards[i].rank == kJackRank && cards[i].suit == starter.suit;
    }
    const int suit = cards[0].suit;
    const bool handFlush = cards[1].suit == suit && cards[2].suit == suit && cards[3].suit == suit;
    h.fiveCardFlush = handFlush && withStarter && starter.suit == suit;
    const int fourFlush = handFlush && !h.fiveCardFlush && !isCrib;
    h.flush = fourFlush + h.fiveCardFlush;

    h.total = 2 * h.fifteens + 2 * h.pairs + 6 * h.pairRoyals + 12 * h.doublePairRoyals +
              runs * h.runLength + 4 * fourFlush + 5 * h.fiveCardFlush + h.hisKnobs;
    return h;
}

}  // namespace

HandCount countHand(const Card cards[4], Card starter, bool isCrib) {
    const Card all[5] = {cards[0], cards[1], cards[2], cards[3], starter};
    if (starter.isCard()) return countCards<5>(all, true, starter, isCrib, cards);
    return countCards<4>(all, false, starter, isCrib, cards);
}

namespace {

void addItemLines(const HandCount& c, std::vector<std::string>& lines) {
    char text[48];
    if (c.fifteens == 1) {
        lines.emplace_back("1 fifteen = 2");
    } else if (c.fifteens > 1) {
        std::snprintf(text, sizeof text, "%d fifteens = %d", c.fifteens, 2 * c.fifteens);
        lines.emplace_back(text);
    }
    if (c.runCount == 1) {
        std::snprintf(text, sizeof text, "1 run of %d = %d", c.runLength, c.runLength);
        lines.emplace_back(text);
    } else if (c.runCount > 1) {
        std::snprintf(text, sizeof text, "%d runs of %d = %d", c.runCount, c.runLength,
                      c.runCount * c.runLength);
        lines.emplace_back(text);
    }
    if (c.pairs == 1) {
        lines.emplace_back("1 pair = 2");
    } else if (c.pairs > 1) {
        std::snprintf(text, sizeof text, "%d pairs = %d", c.pairs, 2 * c.pairs);
        lines.emplace_back(text);
    }
    if (c.pairRoyals)
        lines.emplace_back("1 pair royal = 6");
    else if (c.doublePairRoyals)
        lines.emplace_back("1 dbl pr royal= 12");
    if (c.fiveCardFlush)
        lines.emplace_back("A flush of 5 = 5");
    else if (c.flush)
        lines.emplace_back("A flush of 4 = 4");
    if (c.hisKnobs) lines.emplace_back("His knobs = 1");
}

}  // namespace

std::vector<std::string> countDisplayLines(const HandCount& count, bool red) {
    std::vector<std::string> lines;
    if (count.total) {
        char header[32];
        std::snprintf(header, sizeof header, red ? "Red scores %d pts" : "Blue scores %d pts",
                      count.total);
        lines.emplace_back(header);
    }
    addItemLines(count, lines);
    return lines;
}

std::string countSummary(const HandCount& count) {
    std::vector<std::string> lines;
    addItemLines(count, lines);
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += "; ";
        text += line;
    }
    return text.empty() ? "nothing" : text;
}

}  // namespace cribbage

#include "games/cribbage/rules/HandCount.h"

#include <cstdio>

namespace cribbage {

HandCount countHand(const Card cards[4], Card starter, bool isCrib) {
    HandCount h;
    const bool withStarter = starter.isCard();
    const int n = withStarter ? 5 : 4;

    // The work list, sorted by rank (insertion sort: at most ten moves).
    int rank[5];
    for (int i = 0; i < 4; ++i) rank[i] = cards[i].rank;
    if (withStarter) rank[4] = starter.rank;
    for (int i = 1; i < n; ++i) {
        const int r = rank[i];
        int j = i;
        for (; j > 0 && rank[j - 1] > r; --j) rank[j] = rank[j - 1];
        rank[j] = r;
    }
    int value[5];
    int total = 0;
    for (int i = 0; i < n; ++i) {
        value[i] = rank[i] < 9 ? rank[i] + 1 : 10;
        total += value[i];
    }

    // Fifteens. When all the cards make 15 no smaller subset can. Otherwise
    // every subset is one of: all but one card, a pair, or (with five cards)
    // the three left when a pair is taken out. With four cards the
    // complement of a pair is a pair, so it is not counted again.
    if (total == 15) {
        h.fifteens = 1;
    } else {
        int fifteens = 0;
        for (int i = 0; i < n; ++i) fifteens += total - value[i] == 15;
        for (int i = 0; i < n; ++i) {
            for (int j = i + 1; j < n; ++j) {
                const int pair = value[i] + value[j];
                fifteens += pair == 15;
                if (n == 5) fifteens += total - pair == 15;
            }
        }
        h.fifteens = fifteens;
    }

    // Runs, in one pass: a duplicate inside a run multiplies the runs (a pair
    // doubles them, a third card of the rank makes three). Only from the third
    // card on is there a card two places back to compare with.
    int runsOf[6] = {};
    int length = 1;
    int multiplier = 1;
    for (int i = 1; i <= n; ++i) {
        if (i < n && rank[i] == rank[i - 1] + 1) {
            ++length;
        } else if (i < n && rank[i] == rank[i - 1]) {
            if (i >= 2 && rank[i - 2] == rank[i])
                ++multiplier;
            else
                multiplier *= 2;
        } else {
            if (length >= 3) runsOf[length] += multiplier;
            length = 1;
            multiplier = 1;
        }
    }

    // Pairs: each group of equal ranks counts once by its size.
    for (int i = 0; i < n;) {
        int j = i + 1;
        while (j < n && rank[j] == rank[i]) ++j;
        const int group = j - i;
        h.pairs += group == 2;
        h.pairRoyals += group == 3;
        h.doublePairRoyals += group == 4;
        i = j;
    }

    if (withStarter) {
        for (int i = 0; i < 4; ++i)
            h.hisKnobs += cards[i].rank == kJackRank && cards[i].suit == starter.suit;
    }

    int fourFlush = 0;
    const int suit = cards[0].suit;
    if (cards[1].suit == suit && cards[2].suit == suit && cards[3].suit == suit) {
        if (withStarter && starter.suit == suit)
            h.fiveCardFlush = 1;
        else if (!isCrib)
            fourFlush = 1;
    }

    h.total = 2 * h.fifteens + 2 * h.pairs + 6 * h.pairRoyals + 12 * h.doublePairRoyals +
              3 * runsOf[3] + 4 * runsOf[4] + 5 * runsOf[5] + 4 * fourFlush + 5 * h.fiveCardFlush +
              h.hisKnobs;
    h.runCount = runsOf[3] + runsOf[4] + runsOf[5];
    h.runLength = runsOf[5] ? 5 : runsOf[4] ? 4 : runsOf[3] ? 3 : 0;
    h.flush = fourFlush + h.fiveCardFlush;
    return h;
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

#include "games/cribbage/rules/PlayScoring.h"

namespace cribbage {

int playRunLength(const Card* earlier, int n, Card card) {
    const int longest = n + 1 < 7 ? n + 1 : 7;
    for (int k = longest; k >= 3; --k) {
        // The new card and the k - 1 most recent: a run when the k ranks are
        // distinct and span exactly k - 1.
        unsigned seen = 1u << card.rank;
        int low = card.rank, high = card.rank;
        bool distinct = true;
        for (int i = n - (k - 1); i < n; ++i) {
            const int r = earlier[i].rank;
            if (seen & (1u << r)) {
                distinct = false;
                break;
            }
            seen |= 1u << r;
            if (r < low) low = r;
            if (r > high) high = r;
        }
        if (distinct && high - low == k - 1) return k;
    }
    return 0;
}

PlayScore scorePlay(const Card* inCount, int n, int runningCount) {
    PlayScore score;
    if (n <= 0) return score;
    const Card card = inCount[n - 1];
    const Card* earlier = inCount;
    const int before = n - 1;
    if (runningCount == 15) {
        score.points += 2;
        score.messages[score.messageCount++] = "2 pts for a fifteen";
    }
    auto sameRank = [&](int back) {
        return before >= back && earlier[before - back].rank == card.rank;
    };
    if (sameRank(1) && sameRank(2) && sameRank(3)) {
        score.points += 12;
        score.messages[score.messageCount++] = "12 pts for dbl pair royal";
    } else if (sameRank(1) && sameRank(2)) {
        score.points += 6;
        score.messages[score.messageCount++] = "6 pts for a pair royal";
    } else if (sameRank(1)) {
        score.points += 2;
        score.messages[score.messageCount++] = "2 pts for a pair";
    } else {
        static const char* const kRunMessages[8] = {
            nullptr,
            nullptr,
            nullptr,
            "3 pts for a run of three",
            "4 pts for a run of four",
            "5 pts for a run of five",
            "6 pts for a run of six",
            "7 pts for a run of seven",
        };
        const int run = playRunLength(earlier, before, card);
        if (run) {
            score.points += run;
            score.messages[score.messageCount++] = kRunMessages[run];
        }
    }
    return score;
}

}  // namespace cribbage

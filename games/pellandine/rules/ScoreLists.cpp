#include "games/pellandine/rules/ScoreLists.h"

#include "games/pellandine/rules/Variation.h"

namespace pellandine {

ScoreLists::ScoreLists()
    : lists_{gamekit::GArray<int>(kScoreListSize), gamekit::GArray<int>(kScoreListSize),
             gamekit::GArray<int>(kScoreListSize), gamekit::GArray<int>(kScoreListSize)} {}

gamekit::GArray<int>& ScoreLists::list(int gameType) {
    return lists_[normalizeGameType(gameType) - 1];
}

const gamekit::GArray<int>& ScoreLists::list(int gameType) const {
    return lists_[normalizeGameType(gameType) - 1];
}

int ScoreLists::recordScore(int gameType, int score) {
    if (score < 1 || score > kDeckCards) return -1;
    gamekit::GArray<int>& entries = list(gameType);
    for (int place = 0; place < kScoreListSize; ++place) {
        if (entries[place] >= score) continue;
        for (int k = kScoreListSize - 1; k > place; --k) entries[k] = entries[k - 1];
        entries[place] = score;
        return place;
    }
    return -1;
}

void ScoreLists::resetScores(int gameType) {
    gamekit::GArray<int>& entries = list(gameType);
    for (int place = 0; place < kScoreListSize; ++place) entries[place] = 0;
}

}  // namespace pellandine

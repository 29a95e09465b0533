#include "games/reflection/rules/HighScoreList.h"

namespace reflection {

void HighScoreList::reset() {
    for (int i = 0; i < kListEntries; ++i) {
        scores_[i] = kEmptyScore;
        times_[i] = kEmptyTime;
    }
    highlighted_ = -1;
}

int HighScoreList::placeFor(int score, int seconds) const {
    int i = 0;
    while (i < kListEntries && scores_[i] > score) ++i;
    while (i < kListEntries && scores_[i] == score && times_[i] < seconds) ++i;
    return i < kListEntries ? i : -1;
}

int HighScoreList::insert(int score, int seconds) {
    const int row = placeFor(score, seconds);
    if (row < 0) return -1;
    for (int i = kListEntries - 1; i > row; --i) {
        scores_[i] = scores_[i - 1];
        times_[i] = times_[i - 1];
    }
    scores_[row] = score;
    times_[row] = seconds;
    highlighted_ = row;
    return row;
}

namespace {

int clampTo(int32_t value, int low, int high) {
    return value < low ? low : value > high ? high : static_cast<int>(value);
}

}  // namespace

void HighScoreList::load(const int32_t scores[kListEntries], const int32_t times[kListEntries]) {
    for (int i = 0; i < kListEntries; ++i) {
        scores_[i] = clampTo(scores[i], kMinListScore, kMaxListScore);
        times_[i] = clampTo(times[i], kMinListTime, kMaxListTime);
    }
    highlighted_ = -1;
}

void HighScoreList::store(int32_t scores[kListEntries], int32_t times[kListEntries]) const {
    for (int i = 0; i < kListEntries; ++i) {
        scores[i] = scores_[i];
        times[i] = times_[i];
    }
}

}  // namespace reflection

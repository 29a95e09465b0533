#pragma once

#include <cstdint>

namespace reflection {

constexpr int kListEntries = 10;
constexpr int kMinListScore = 0;
constexpr int kMaxListScore = 200;
constexpr int kMinListTime = 0;
constexpr int kMaxListTime = 999;
// What an entry holds before any game fills it, and after "Reset".
constexpr int kEmptyScore = 0;
constexpr int kEmptyTime = 999;

// One mode's best games: scores (0..200) and their times in seconds (0..999),
// best first, with the row of the newest entry highlighted.
class HighScoreList {
  public:
    HighScoreList() { reset(); }

    // Every score 0, every time 999, no highlight (the "Reset" button).
    void reset();

    // The row a game of this score and time would take, or -1 when it does
    // not enter: the first row whose score is not above the new one, passed
    // over while it has the same score and a smaller time. An equal score and
    // time therefore puts the newer game above the older.
    int placeFor(int score, int seconds) const;
    // Enters the game where placeFor says, moving the rows below down (the
    // tenth drops out) and highlighting it. Returns the row or -1.
    int insert(int score, int seconds);

    int score(int row) const { return scores_[row]; }
    int time(int row) const { return times_[row]; }
    int highlightedRow() const { return highlighted_; }
    void clearHighlight() { highlighted_ = -1; }

    // The lists as the settings record keeps them (ten words each); the
    // settings store turns them into and out of the registry strings. Values
    // outside 0..200 and 0..999 move to the nearer bound. Loading drops the
    // highlight.
    void load(const int32_t scores[kListEntries], const int32_t times[kListEntries]);
    void store(int32_t scores[kListEntries], int32_t times[kListEntries]) const;

  private:
    int scores_[kListEntries];
    int times_[kListEntries];
    int highlighted_ = -1;
};

}  // namespace reflection

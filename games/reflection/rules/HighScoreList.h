#pragma once

#include <string>

namespace reflection {

constexpr int kListEntries = 10;
constexpr int kMinListScore = 0;
constexpr int kMaxListScore = 200;
constexpr int kMinListTime = 0;
constexpr int kMaxListTime = 999;
// What an entry holds before any game fills it, and after "Reset".
constexpr int kEmptyScore = 0;
constexpr int kEmptyTime = 999;

// How a stored list string read back.
enum class ListText {
    Valid,       // exactly ten numbers, all in range
    Unreadable,  // anything else: the values were repaired and the settings
                 // code should write the list back
};

// The registry form of a list: "%d %d %d %d %d %d %d %d %d %d " (note the
// trailing space).
std::string formatListText(const int values[kListEntries]);

// Reads ten numbers separated by blanks. Every entry is set whatever the
// text: numbers outside [low, high] move to the nearer bound, missing ones
// take `missing`. Valid only when the text holds exactly ten numbers in range.
ListText parseListText(const char* text, int low, int high, int missing, int out[kListEntries]);

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

    std::string scoresText() const { return formatListText(scores_); }
    std::string timesText() const { return formatListText(times_); }
    // Loads both strings (either may be null, read as empty). Returns true
    // when both were valid; false means the lists were repaired and should be
    // written back.
    bool load(const char* scoresText, const char* timesText);

  private:
    int scores_[kListEntries];
    int times_[kListEntries];
    int highlighted_ = -1;
};

}  // namespace reflection

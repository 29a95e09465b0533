#pragma once

#include <string>
#include <vector>

namespace velloran {

constexpr int kNoFirstRow = 999999;
constexpr int kGinBonus = 25;
constexpr int kUndercutBonus = 25;
constexpr int kBoxBonus = 25;
constexpr int kGameBonus = 100;

// One column of the score sheet; index 0 is the player, 1 the computer.
// Without Hollywood scoring only column 0 counts.
struct ColumnScore {
    int total[2] = {0, 0};
    int boxes[2] = {0, 0};
    bool won[2] = {false, false};
    int margin[2] = {0, 0};
    bool blitzed[2] = {false, false};
    int finalScore[2] = {0, 0};
    int firstRow[2] = {kNoFirstRow, kNoFirstRow};
    int endRow = 0;
    int scrollRow = 0;

    bool over() const { return won[0] || won[1]; }
};

enum { kPlayerSide = 0, kComputerSide = 1 };

// The game's booked hands and its three columns.
class ScoreBook {
  public:
    ScoreBook() { reset(); }

    void reset();
    // Books a hand won by `playerWon` for `handScore` points; returns true
    // when the game ended with it.
    bool record(bool playerWon, int handScore, bool hollywood, int pointsToWin);
    // Either total of the deciding column (0, or 2 with Hollywood scoring)
    // has reached the points to win.
    bool gameOver(bool hollywood, int pointsToWin) const;
    // The "GAME OVER" panel's text once the game is over.
    std::string gameOverText(bool hollywood) const;
    // Rows of hands shown on a sheet: 19 while column 0 runs, 10 after.
    int rowsShown() const { return columns[0].over() ? 10 : 19; }
    int handsRecorded() const { return static_cast<int>(playerHands.size()); }
    // The net of the finals over the three columns (player minus computer).
    int hollywoodNet() const;

    std::vector<int> playerHands;
    std::vector<int> computerHands;
    ColumnScore columns[3];
};

}  // namespace velloran

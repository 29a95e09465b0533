#include "games/velloran/rules/Scoring.h"

#include <cstdio>
#include <cstdlib>

namespace velloran {

void ScoreBook::reset() {
    playerHands.clear();
    computerHands.clear();
    for (int c = 0; c < 3; ++c) {
        columns[c] = ColumnScore{};
        // Every booked hand counts in column 0 from the first row on.
        if (c == 0) columns[c].firstRow[0] = columns[c].firstRow[1] = 0;
    }
}

bool ScoreBook::record(bool playerWon, int handScore, bool hollywood, int pointsToWin) {
    playerHands.push_back(playerWon ? handScore : 0);
    computerHands.push_back(playerWon ? 0 : handScore);
    const int recorded = handsRecorded();
    const int thisHand = recorded - 1;
    int wins[2] = {0, 0};
    for (int points : playerHands) ++wins[points != 0 ? kPlayerSide : kComputerSide];
    const int winner = playerWon ? kPlayerSide : kComputerSide;

    for (int c = 0; c < 3; ++c) {
        ColumnScore& col = columns[c];
        if (col.over()) continue;
        // A side's first won hand counts in column 1 only, its second in
        // columns 1 and 2, its third and later in all three.
        if (c == 0 || wins[winner] >= c + 1) {
            col.total[winner] += handScore;
            col.boxes[winner] += 1;
        }
        if (c > 0) {
            for (int side = 0; side < 2; ++side) {
                if (wins[side] == c + 1 && winner == side)
                    col.firstRow[side] = thisHand;
                else if (wins[side] < c + 1)
                    col.firstRow[side] = recorded;
            }
        }
    }

    for (int c = 0; c < 3; ++c) {
        ColumnScore& col = columns[c];
        if (col.over()) continue;
        if (col.total[0] < pointsToWin && col.total[1] < pointsToWin) continue;
        int sums[2];
        for (int side = 0; side < 2; ++side) {
            sums[side] = col.total[side] + kBoxBonus * col.boxes[side] +
                         (side == winner ? kGameBonus : 0);
        }
        // A side that reached the points first can still lose on boxes; an
        // exact tie goes to the winner of the last hand.
        const bool computerTakes =
            sums[0] < sums[1] || (sums[0] == sums[1] && winner == kComputerSide);
        const int colWinner = computerTakes ? kComputerSide : kPlayerSide;
        const int loser = 1 - colWinner;
        const int margin = std::abs(sums[0] - sums[1]);
        col.margin[colWinner] = margin;
        col.won[colWinner] = true;
        if (col.boxes[loser] == 0) {
            // A blitz doubles the box and game bonuses, not the hand points.
            col.blitzed[loser] = true;
            col.finalScore[colWinner] = 2 * margin - col.total[colWinner];
        } else {
            col.finalScore[colWinner] = margin;
        }
        col.endRow = recorded;
    }

    for (int c = 0; c < 3; ++c) {
        if (!columns[c].over()) columns[c].endRow = recorded;
    }
    const int rows = rowsShown();
    for (int c = 0; c < 3; ++c) columns[c].scrollRow = columns[c].endRow - rows;
    return gameOver(hollywood, pointsToWin);
}

bool ScoreBook::gameOver(bool hollywood, int pointsToWin) const {
    const ColumnScore& col = columns[hollywood ? 2 : 0];
    return col.total[0] >= pointsToWin || col.total[1] >= pointsToWin;
}

int ScoreBook::hollywoodNet() const {
    int net = 0;
    for (const ColumnScore& col : columns) net += col.finalScore[0] - col.finalScore[1];
    return net;
}

std::string ScoreBook::gameOverText(bool hollywood) const {
    char text[64];
    if (!hollywood) {
        const ColumnScore& col = columns[0];
        if (col.won[kComputerSide])
            std::snprintf(text, sizeof text, "Computer won by %d points.", col.finalScore[1]);
        else
            std::snprintf(text, sizeof text, "You won by %d points!", col.finalScore[0]);
        return text;
    }
    const int net = hollywoodNet();
    if (net == 1) return "You won by 1 point!";
    if (net > 1) {
        std::snprintf(text, sizeof text, "You won by %d points!", net);
        return text;
    }
    if (net == -1) return "Computer won by 1 point!";
    if (net < -1) {
        std::snprintf(text, sizeof text, "Computer won by %d points!", -net);
        return text;
    }
    return "You tied!!";
}

}  // namespace velloran

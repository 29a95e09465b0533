// Scoring of a hand, the booking into columns, the game's end and its texts.

#include "TestHands.h"

namespace velloran_test {
namespace {

// The hand as it stands after melding and laying off: the cards left in the
// hands are the deadwood.
void score(VelloranGame& game, bool playerEnded, const std::string& playerLeft,
           const std::string& computerLeft) {
    setPlayerHand(game, playerLeft);
    setComputerHand(game, computerLeft);
    game.playerActive = playerEnded;
    game.scoreHand();
}

TEST(ScoreHand, KnocksGinsAndUndercuts) {
    const struct {
        const char* name;
        bool playerEnded;
        const char* playerLeft;
        const char* computerLeft;
        bool playerWon;
        int bonus;
        int score;
        const char* status;
    } cases[] = {
        {"the player undercut, 6 against 6", true, "AS 5C", "2S 4C", false, 25, 25,
         "You were 'undercut'!"},
        {"the computer undercut, 8 against 8 after laying off", false, "8H", "3S 5D", true, 25, 25,
         "Computer was 'undercut'!"},
        {"the player's gin against 40", true, "", "KS QS JS TS", true, 25, 65, "You went 'gin'!"},
        {"the player knocks", true, "2S 3S", "KS 9D", true, 0, 14, "You knocked"},
        {"the computer knocks", false, "KS 9D", "2S 3S", false, 0, 14, "Computer knocked"},
        {"the computer's gin", false, "KS 9D", "", false, 25, 44, "Computer went 'gin'!"},
        // A knocker who melds everything scores as gin.
        {"the computer melds all", false, "AS", "", false, 25, 26, "Computer went 'gin'!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VelloranGame game;
        score(game, c.playerEnded, c.playerLeft, c.computerLeft);
        EXPECT_EQ(game.playerWonHand, c.playerWon);
        EXPECT_EQ(game.handBonus, c.bonus);
        EXPECT_EQ(game.handScore, c.score);
        EXPECT_EQ(game.statusLine, c.status);
    }
}

TEST(ScoreHand, ResultLinesForThePanel) {
    VelloranGame game;
    score(game, true, "AS 5C", "2S 4C");  // undercut of the player
    HandResultLines r = game.handResultLines();
    ASSERT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(r.lines[0].number, "6");
    EXPECT_EQ(r.lines[0].label, "your deadwood");
    EXPECT_EQ(r.lines[0].y, 130);
    EXPECT_EQ(r.lines[1].number, "-6");
    EXPECT_EQ(r.lines[1].label, "computer's deadwood");
    EXPECT_EQ(r.lines[1].y, 145);
    EXPECT_EQ(r.lines[2].number, "25");
    EXPECT_EQ(r.lines[2].label, "bonus for undercutting");
    EXPECT_EQ(r.lines[2].y, 160);
    EXPECT_EQ(r.ruleY, 178);
    EXPECT_EQ(r.lines[3].number, "25");
    EXPECT_EQ(r.lines[3].label, "total");
    EXPECT_EQ(r.lines[3].y, 184);

    score(game, true, "", "KS QS JS TS");  // the player's gin
    r = game.handResultLines();
    ASSERT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(r.lines[0].label, "computer's deadwood");
    EXPECT_EQ(r.lines[1].number, "-0");
    EXPECT_EQ(r.lines[2].label, "bonus for 'gin'");
    EXPECT_EQ(r.lines[3].number, "65");

    score(game, false, "KS 9D", "2S 3S");  // a plain knock: no bonus line
    r = game.handResultLines();
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.ruleY, 145 + 18);
    EXPECT_EQ(r.lines[2].number, "14");
}

TEST(ScoreBook, AGameToOneHundredWonOnPointsAndBoxes) {
    ScoreBook book;
    EXPECT_FALSE(book.record(true, 30, false, 100));
    EXPECT_FALSE(book.record(false, 30, false, 100));
    EXPECT_FALSE(book.record(true, 30, false, 100));
    EXPECT_FALSE(book.record(false, 30, false, 100));
    EXPECT_EQ(book.columns[0].scrollRow, 4 - 19);
    EXPECT_TRUE(book.record(true, 44, false, 100));
    const ColumnScore& col = book.columns[0];
    EXPECT_EQ(col.total[kPlayerSide], 104);
    EXPECT_EQ(col.boxes[kPlayerSide], 3);
    EXPECT_EQ(col.total[kComputerSide], 60);
    // 104 + 75 + 100 = 279 against 60 + 50 = 110.
    EXPECT_TRUE(col.won[kPlayerSide]);
    EXPECT_EQ(col.margin[kPlayerSide], 169);
    EXPECT_EQ(col.finalScore[kPlayerSide], 169);
    EXPECT_FALSE(col.blitzed[kComputerSide]);
    EXPECT_EQ(col.endRow, 5);
    EXPECT_EQ(col.scrollRow, 5 - 10);  // ten rows once the column is over
    EXPECT_EQ(book.gameOverText(false), "You won by 169 points!");
}

TEST(ScoreBook, AShutOutIsABlitz) {
    ScoreBook book;
    for (int points : {25, 25, 25}) EXPECT_FALSE(book.record(true, points, false, 100));
    EXPECT_TRUE(book.record(true, 27, false, 100));
    const ColumnScore& col = book.columns[0];
    EXPECT_EQ(col.margin[kPlayerSide], 302);  // 102 + 100 + 100
    EXPECT_TRUE(col.blitzed[kComputerSide]);
    EXPECT_EQ(col.finalScore[kPlayerSide], 502);
    EXPECT_EQ(book.gameOverText(false), "You won by 502 points!");
}

TEST(ScoreBook, BoxesCanTurnTheColumnAndATieGoesToTheLastHand) {
    // The computer reaches 100 first but the player's six boxes beat it:
    // 90 + 150 = 240 against 100 + 25 + 100 = 225.
    ScoreBook book;
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(book.record(true, 15, false, 100));
    EXPECT_TRUE(book.record(false, 100, false, 100));
    EXPECT_TRUE(book.columns[0].won[kPlayerSide]);
    EXPECT_EQ(book.columns[0].finalScore[kPlayerSide], 15);
    EXPECT_FALSE(book.columns[0].blitzed[kComputerSide]);

    // Equal sums: 75 + 6 x 25 = 225 against 100 + 25 + 100 = 225. The
    // computer won the last hand, so it takes the column.
    ScoreBook even;
    for (int points : {12, 12, 12, 12, 12, 15}) EXPECT_FALSE(even.record(true, points, false, 100));
    EXPECT_TRUE(even.record(false, 100, false, 100));
    EXPECT_TRUE(even.columns[0].won[kComputerSide]);
    EXPECT_EQ(even.columns[0].margin[kComputerSide], 0);
    EXPECT_EQ(even.gameOverText(false), "Computer won by 0 points.");
}

TEST(ScoreBook, HollywoodBooksTheFirstWinInColumnOneOnly) {
    ScoreBook book;
    book.record(true, 20, true, 100);
    EXPECT_EQ(book.columns[0].total[kPlayerSide], 20);
    EXPECT_EQ(book.columns[1].total[kPlayerSide], 0);
    EXPECT_EQ(book.columns[2].total[kPlayerSide], 0);
    EXPECT_EQ(book.columns[1].firstRow[kPlayerSide], 1);  // from the next hand on
    EXPECT_EQ(book.columns[1].firstRow[kComputerSide], 1);
    book.record(false, 10, true, 100);
    EXPECT_EQ(book.columns[0].total[kComputerSide], 10);
    EXPECT_EQ(book.columns[1].total[kComputerSide], 0);
    book.record(true, 30, true, 100);  // the player's second win: columns 1 and 2
    EXPECT_EQ(book.columns[0].total[kPlayerSide], 50);
    EXPECT_EQ(book.columns[1].total[kPlayerSide], 30);
    EXPECT_EQ(book.columns[2].total[kPlayerSide], 0);
    EXPECT_EQ(book.columns[1].firstRow[kPlayerSide], 2);
    EXPECT_EQ(book.columns[1].firstRow[kComputerSide], 3);
    EXPECT_EQ(book.columns[2].firstRow[kPlayerSide], 3);
    book.record(true, 40, true, 100);  // the third: all three
    EXPECT_EQ(book.columns[0].total[kPlayerSide], 90);
    EXPECT_EQ(book.columns[1].total[kPlayerSide], 70);
    EXPECT_EQ(book.columns[2].total[kPlayerSide], 40);
    EXPECT_EQ(book.columns[2].firstRow[kPlayerSide], 3);
    EXPECT_EQ(book.columns[0].boxes[kPlayerSide], 3);
    EXPECT_EQ(book.columns[2].boxes[kPlayerSide], 1);

    // Column 1 ends first; it takes no more points, the others run on.
    EXPECT_FALSE(book.record(true, 20, true, 100));
    EXPECT_TRUE(book.columns[0].won[kPlayerSide]);
    EXPECT_EQ(book.columns[0].endRow, 5);
    EXPECT_EQ(book.columns[1].endRow, 5);
    EXPECT_FALSE(book.record(true, 15, true, 100));  // column 2 reaches 105, column 3 75
    EXPECT_EQ(book.columns[0].total[kPlayerSide], 110);
    EXPECT_TRUE(book.columns[1].won[kPlayerSide]);
    EXPECT_FALSE(book.columns[2].over());
    EXPECT_EQ(book.columns[0].endRow, 5);
    EXPECT_EQ(book.columns[1].endRow, 6);
    EXPECT_TRUE(book.record(true, 50, true, 100));  // column 3 reaches 125 and ends the game
    EXPECT_TRUE(book.gameOver(true, 100));
    EXPECT_GT(book.hollywoodNet(), 1);
}

TEST(ScoreBook, HollywoodEndTexts) {
    ScoreBook book;
    auto finals = [&](int p0, int c0, int p1, int c1, int p2, int c2) {
        book.columns[0].finalScore[0] = p0;
        book.columns[0].finalScore[1] = c0;
        book.columns[1].finalScore[0] = p1;
        book.columns[1].finalScore[1] = c1;
        book.columns[2].finalScore[0] = p2;
        book.columns[2].finalScore[1] = c2;
        return book.gameOverText(true);
    };
    EXPECT_EQ(finals(100, 0, 0, 99, 0, 0), "You won by 1 point!");
    EXPECT_EQ(finals(100, 0, 0, 50, 0, 0), "You won by 50 points!");
    EXPECT_EQ(finals(0, 1, 0, 0, 0, 0), "Computer won by 1 point!");
    EXPECT_EQ(finals(0, 0, 40, 0, 0, 80), "Computer won by 40 points!");
    EXPECT_EQ(finals(120, 0, 0, 60, 0, 60), "You tied!!");
}

TEST(ScoreBook, ResetClearsEverythingAndDrawsTheFirstDealer) {
    VelloranGame game;
    game.scores.record(true, 50, false, 100);
    game.resetGame();
    EXPECT_EQ(game.scores.handsRecorded(), 0);
    EXPECT_EQ(game.scores.columns[0].total[kPlayerSide], 0);
    EXPECT_EQ(game.scores.columns[0].firstRow[kPlayerSide], 0);
    EXPECT_EQ(game.scores.columns[1].firstRow[kPlayerSide], kNoFirstRow);
    EXPECT_EQ(game.scores.columns[2].firstRow[kComputerSide], kNoFirstRow);
    // The player deals the first hand with probability 16/31.
    int playerDeals = 0;
    for (int i = 0; i < 3100; ++i) {
        game.resetGame();
        playerDeals += game.playerWonHand ? 1 : 0;
    }
    EXPECT_NEAR(playerDeals / 3100.0, 16.0 / 31.0, 0.03);
}

}  // namespace
}  // namespace velloran_test

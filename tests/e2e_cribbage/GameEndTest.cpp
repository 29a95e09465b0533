// Whole games played through the program: a single game to 121 ends with
// its box over the final board; in a set, a winner who keeps the loser
// below 61 takes two games, and the next tap plays on in the set.

#include <gtest/gtest.h>

#include "CribbageRun.h"

using namespace cribbage_e2e;
using namespace cribbage;

namespace {

std::string boxLine(const GameEvent& box) {
    std::string text;
    for (const char* c = box.text; *c; ++c) {
        if (*c == '\n') {
            text += "\\n";
        } else {
            text += *c;
        }
    }
    return std::string("messagebox\t") + box.title + "\t" + text;
}

}  // namespace

TEST(CribbageGameEnd, ASingleGameEndsAt121WithItsBoxOverTheFinalBoard) {
    InstalledRoot root;
    ASSERT_TRUE(startedWithoutAnimation(root));
    storeDword(root, L"Tournament", 0);
    GameOptions options;
    options.multipleGames = false;
    ScriptedGame g(options);
    g.toFirstDeal();
    // The box shows over the table as the last move left it.
    g.script() += "boxshot " + root.file("end.png") + "\n";
    g.playToGameEnd();
    ASSERT_TRUE(g.game().gameOver());
    ASSERT_NE(g.lastBox(), nullptr);
    const Side winner = g.game().winner();
    EXPECT_GE(g.game().score(winner), kWinningScore);
    EXPECT_STREQ(g.lastBox()->text, winner == Side::Red ? "You won!!" : "Blue wins.");
    g.script() += kEnd;
    ExpectedTable expected(root);
    // The hands as the game left them: the state it ended in is not kept by
    // the rules, so only the board, the pegs and the labels are compared.
    const std::vector<uint32_t> table = expected.draw(g.game(), GameState::Playing, false);
    RunResult r = runCribbage(root, g.script());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.logHas(boxLine(*g.lastBox()))) << boxLine(*g.lastBox());
    testing_support::PngImage png;
    ASSERT_TRUE(png.load(root.file("end.png")));
    const ScreenBox board[] = {{0, 18, 239, 37}, {0, 302, 239, 319}, {0, 38, 18, 301},
                               {222, 38, 239, 301}, {20, 38, 219, 48}, {20, 290, 219, 300}};
    for (const ScreenBox& b : board) {
        EXPECT_EQ(differingPixels(png, table, b), 0) << b.left << "," << b.top;
    }
}

TEST(CribbageGameEnd, ALurchInASetCountsTwoGamesAndTheNextTapPlaysOn) {
    InstalledRoot root;
    ASSERT_TRUE(startedOnce(root));
    constexpr uint32_t kLurchTick = 5540;
    storeDword(root, L"AnimationSpeed", -1);
    storeDword(root, L"BlueWins", 3);
    storeDword(root, L"ComputerAI", 0);
    GameOptions options;
    options.computerAI = 0;
    ScriptedGame g(options, 0, 3, kLurchTick);
    g.toFirstDeal();
    g.playToGameEnd();
    ASSERT_NE(g.lastBox(), nullptr);
    EXPECT_EQ(g.game().winner(), Side::Red);
    EXPECT_LT(g.game().score(Side::Blue), 61);
    EXPECT_STREQ(g.lastBox()->title, "Game Over");
    EXPECT_EQ(g.game().wins(Side::Red), 2);
    const std::string box = boxLine(*g.lastBox());
    g.script() += shot(root.file("set-end.png"));
    g.afterGame();
    EXPECT_EQ(g.game().wins(Side::Red), 2);  // the set goes on
    EXPECT_EQ(g.game().wins(Side::Blue), 3);
    g.script() += "wait 500\n" + shot(root.file("next-game.png")) + kEnd;
    RunResult r = runCribbage(root, g.script(), kLurchTick);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.logHas(box)) << box;
    EXPECT_EQ(storedValue(root, L"RedWins").value, 2);
    EXPECT_EQ(storedValue(root, L"BlueWins").value, 3);
    // The set pegs: Red's small peg two holes along, Blue's three.
    ExpectedTable expected(root);
    testing_support::PngImage png;
    ASSERT_TRUE(png.load(root.file("next-game.png")));
    const std::vector<uint32_t> table = expected.draw(g.game(), GameState::Discarding);
    EXPECT_EQ(differingPixels(png, table, {20, 18, 119, 37}), 0);
}

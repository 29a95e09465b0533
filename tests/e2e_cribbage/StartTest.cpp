// The program's start and end: a first start writes every default of its
// table, the opening screen leads to the table, a tap on the deck deals,
// and Down shows the farewell and ends with exit code 0.

#include <gtest/gtest.h>

#include "CribbageRun.h"

using namespace cribbage_e2e;
using namespace cribbage;

TEST(CribbageStart, FirstStartWritesEveryDefaultAndDownSaysFarewell) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    const std::string farewell = root.file("farewell.png");
    RunResult r = runCribbage(root, "wait 200\nkey down\nwait 300\n" + shot(farewell) +
                                        "tap 120 160\nwait 300\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.logHas("exit\t0"));
    const struct {
        const wchar_t* name;
        int32_t value;
    } defaults[] = {
        {L"MinorVersion", 0}, {L"MajorVersion", 2}, {L"CardBack", 5},   {L"DisplayScore", 1},
        {L"SoundsOn", 1},     {L"HelpMsgs", 1},     {L"ComputerAI", 1}, {L"RedWins", 0},
        {L"BlueWins", 0},     {L"Tournament", 1},   {L"HintType", 0},   {L"AnimationSpeed", 4},
        {L"GameType", 0},
    };
    for (const auto& d : defaults) {
        const Stored s = storedValue(root, d.name);
        EXPECT_TRUE(s.found);
        EXPECT_EQ(s.value, d.value);
    }
    // The farewell panel: a framed panel in the middle of the screen.
    testing_support::PngImage png;
    ASSERT_TRUE(png.load(farewell));
    EXPECT_NE(png.at(120, 160), png.at(2, 300));
}

TEST(CribbageStart, TheOpeningScreenLeadsToTheTableAndTheDeckDeals) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    GameOptions options;
    ScriptedGame g(options);
    g.script() += shot(root.file("splash.png"));
    g.pastSplash();
    g.script() += shot(root.file("table.png"));
    ExpectedTable expected(root);
    const std::vector<uint32_t> table = expected.draw(g.game(), GameState::Table);
    g.tapDeck();
    g.script() += "wait 3000\n" + shot(root.file("dealt.png")) + kEnd;
    RunResult r = runCribbage(root, g.script());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.logHas(
        "sound\t\\Program Files\\Tarnwick Software\\Deckhollow\\TarnwickSoftware_Shuffle.wav"));

    testing_support::PngImage splash, tableShot, dealt;
    ASSERT_TRUE(splash.load(root.file("splash.png")));
    EXPECT_EQ(splash.at(5, 5), 0x0000FFu);  // the opening screen's blue
    ASSERT_TRUE(tableShot.load(root.file("table.png")));
    // Below the menu bar the table is exactly the board, deck, crib and
    // labels, with no pegs before the first deal.
    EXPECT_EQ(differingPixels(tableShot, table, {0, 18, 239, 319}), 0);
    ASSERT_TRUE(dealt.load(root.file("dealt.png")));
    const std::vector<uint32_t> afterDeal = expected.draw(g.game(), GameState::Discarding);
    // Everything above the status line and the learning messages.
    EXPECT_EQ(differingPixels(dealt, afterDeal, {0, 18, 239, 212}), 0);
    EXPECT_EQ(g.game().handSize(Side::Red), 6);
}

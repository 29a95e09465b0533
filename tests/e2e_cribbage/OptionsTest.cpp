// The options through the program: values stored out of range are repaired
// and written back, Configure Game's "Single Game" ends a set when the page
// is closed, Expert Advice marks the suggested discards, and the pages.

#include <gtest/gtest.h>

#include "CribbageRun.h"
#include "gamekit/cards/CardTheme.h"

using namespace cribbage_e2e;
using namespace cribbage;

TEST(CribbageOptions, StoredValuesOutOfRangeAreReadRepairedAndWrittenBack) {
    InstalledRoot root;
    ASSERT_TRUE(startedOnce(root));
    const struct {
        const wchar_t* name;
        int32_t stored, written;
    } cases[] = {{L"CardBack", 0, 0},       {L"ComputerAI", 7, 1}, {L"HintType", -1, 0},
                 {L"AnimationSpeed", 12, 5}, {L"RedWins", 9, 0},   {L"BlueWins", -3, 0}};
    for (const auto& c : cases) storeDword(root, c.name, c.stored);
    RunResult r = runCribbage(root, "wait 100\n" + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    for (const auto& c : cases) EXPECT_EQ(storedValue(root, c.name).value, c.written);
}

TEST(CribbageOptions, ChoosingSingleGameClearsTheWinsWhenThePageCloses) {
    InstalledRoot root;
    ASSERT_TRUE(startedOnce(root));
    storeDword(root, L"RedWins", 2);
    storeDword(root, L"BlueWins", 1);
    const std::string page = root.file("configure-game.png");
    const std::string script = "wait 200\n" + tap(120, 160, 200) + menu(kConfigureMenuX, 1) +
                               shot(page) + tap(50, 247, 200) + shot(root.file("single.png")) +
                               tap(190, 290, 300) + kEnd;
    RunResult r = runCribbage(root, script);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(storedValue(root, L"Tournament").value, 0);
    EXPECT_EQ(storedValue(root, L"RedWins").value, 0);
    EXPECT_EQ(storedValue(root, L"BlueWins").value, 0);
    testing_support::PngImage png;
    ASSERT_TRUE(png.load(page));
    EXPECT_EQ(png.at(120, 200), 0xFFFFFFu);  // the white page
}

namespace {

// Which of the person's six cards carry the advice marker's centre pixel.
std::vector<int> markedSlots(const testing_support::PngImage& png) {
    const uint32_t mark = screenColour(gamekit::kStandardThemes[5].highlightColour);
    std::vector<int> slots;
    for (int slot = 0; slot < 6; ++slot) {
        const ScreenPoint card = handCardPlace(true, slot, false);
        if (png.at(card.x + 15, card.y - 5) == mark) slots.push_back(slot);
    }
    return slots;
}

}  // namespace

TEST(CribbageOptions, AdviceTurnedOnDuringTheDiscardsShowsAtOnceOnReturn) {
    InstalledRoot root;
    ASSERT_TRUE(startedWithoutAnimation(root));
    GameOptions options;
    ScriptedGame g(options);
    g.toFirstDeal();
    g.script() += shot(root.file("no-advice.png")) + menu(kConfigureMenuX, 1) +
                  tap(50, 187, 200) + tap(190, 290, 300) + shot(root.file("advice-on.png")) +
                  kEnd;
    options.hintType = 2;
    g.game().setOptions(options);
    RunResult r = runCribbage(root, g.script());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(storedValue(root, L"HintType").value, 2);
    testing_support::PngImage before, after;
    ASSERT_TRUE(before.load(root.file("no-advice.png")));
    ASSERT_TRUE(after.load(root.file("advice-on.png")));
    EXPECT_TRUE(markedSlots(before).empty());
    EXPECT_EQ(markedSlots(after), (std::vector<int>{g.game().hintCard(), g.game().hintCard2()}));
}

TEST(CribbageOptions, ExpertAdviceMarksBothSuggestedDiscards) {
    InstalledRoot root;
    ASSERT_TRUE(startedOnce(root));
    storeDword(root, L"HintType", 2);
    GameOptions options;
    options.hintType = 2;
    ScriptedGame g(options, 0, 0, kTick0, 400);
    g.toFirstDeal();
    g.script() += "wait 3000\n" + shot(root.file("advice.png")) + kEnd;
    const int first = g.game().hintCard(), second = g.game().hintCard2();
    ASSERT_GE(first, 0);
    ASSERT_GT(second, first);
    RunResult r = runCribbage(root, g.script());
    EXPECT_EQ(r.exitCode, 0);
    testing_support::PngImage png;
    ASSERT_TRUE(png.load(root.file("advice.png")));
    // The plus: its centre pixel 16 px in and 5 px above each card.
    EXPECT_EQ(markedSlots(png), (std::vector<int>{first, second}));
    ExpectedTable expected(root);
    const std::vector<uint32_t> table = expected.draw(g.game(), GameState::Discarding);
    EXPECT_EQ(differingPixels(png, table, {0, 229, 239, 236}), 0);
}

TEST(CribbageOptions, TheRulesHelpAndAppearancePagesOpenFromTheMenus) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    const std::string script = "wait 200\n" + tap(120, 160, 200) + menu(kHelpMenuX, 0) +
                               shot(root.file("rules.png")) + tap(230, 8, 200) +
                               shot(root.file("rules-2.png")) + tap(190, 290, 200) +
                               menu(kHelpMenuX, 1) + shot(root.file("help.png")) +
                               tap(190, 290, 200) + menu(kConfigureMenuX, 0) +
                               shot(root.file("appearance.png")) + tap(190, 290, 200) +
                               shot(root.file("back.png")) + kEnd;
    RunResult r = runCribbage(root, script);
    EXPECT_EQ(r.exitCode, 0);
    testing_support::PngImage rules, back;
    ASSERT_TRUE(rules.load(root.file("rules.png")));
    EXPECT_EQ(rules.at(120, 250), 0xFFFFFFu);
    ASSERT_TRUE(back.load(root.file("back.png")));
    // Back on the table: the board's wood at the top left.
    EXPECT_NE(back.at(5, 200), 0xFFFFFFu);
}

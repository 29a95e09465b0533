// The options as the player changes them: the Expert Mode entry and the
// theme chosen on Configure Appearance, each kept across a restart.

#include <gtest/gtest.h>

#include "ReflectionRun.h"
#include "games/reflection/rules/GreedyPlayer.h"

using namespace reflection_e2e;
using reflection::Move;
using testing_support::PngImage;

namespace {

// Configure Appearance lists the themes from y 118, 17 apart; its OK button
// is at (160, 280).
std::string chooseTheme(int theme) {
    return menu(kConfigureMenuX, 0) + tap(60, 122 + 17 * theme, 100) + tap(190, 290, 200);
}

}  // namespace

TEST(ReflectionOptions, ExpertModeDealsANewGameRecordsTheOldOneAndIsStoredAsOne) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    DealPredictor deal;
    deal.nextGame();
    std::string script = kStartAndDeal;
    Move m;
    while (deal.game().score() <= 16 &&
           reflection::nextGreedyMove(deal.game(), reflection::ParkingRule::Careful, m)) {
        script += deal.play(m);
    }
    const int normalScore = deal.game().score();
    ASSERT_GT(normalScore, 8);
    const std::string dealt = root.file("expert.png"), list = root.file("expert-list.png");
    script += menu(kConfigureMenuX, 1) + "wait 1000\n" + shot(dealt);
    // The High Scores screen now shows the expert list, still empty.
    script += menu(kGameMenuX, 4) + shot(list) + tap(190, 290, 200);
    RunResult r = runReflection(root, script + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(storedValue(root, L"GameType").number, 1u);
    // The abandoned game went to the list of the mode it was played in.
    const std::vector<int> normal = storedList(root, L"NormalScores");
    ASSERT_EQ(normal.size(), 10u);
    EXPECT_EQ(normal[0], normalScore);
    EXPECT_EQ(storedList(root, L"ExpertScores"), std::vector<int>(10, 0));

    PngImage image, expertList;
    ASSERT_TRUE(image.load(dealt) && expertList.load(list));
    // A fresh deal: the four opening cards and nothing parked; no kings talon.
    const uint32_t table = screenColour(0x0010);
    EXPECT_NE(image.at(90, 50), table);   // the ace on sequence 0
    EXPECT_EQ(image.at(130, 50), table);  // nothing after it
    EXPECT_EQ(image.at(15, 190), table);  // no kings talon
    EXPECT_EQ(image.at(60, 50), table);   // no dealt card

    EXPECT_FALSE(anyPixel(expertList, 64, 97, 189, 107));  // no row
    // "High Scores: (Expert Times)" is wider than "High Score List".
    EXPECT_TRUE(anyPixel(expertList, 20, 33, 59, 43));
}

TEST(ReflectionOptions, AThemeChosenOnConfigureAppearanceSurvivesARestartTheFirstIncluded) {
    for (int theme : {0, 7}) {
        InstalledRoot root;
        ASSERT_TRUE(root.installed());
        RunResult first = runReflection(root, tap(120, 160, 200) + chooseTheme(theme) + kEnd);
        EXPECT_EQ(first.exitCode, 0);
        EXPECT_EQ(storedValue(root, L"CardBack").number, static_cast<uint32_t>(theme));

        const std::string restarted = root.file("restarted.png");
        RunResult second = runReflection(root, tap(120, 160, 200) + shot(restarted) + kEnd);
        EXPECT_EQ(second.exitCode, 0);
        EXPECT_EQ(storedValue(root, L"CardBack").number, static_cast<uint32_t>(theme));
        PngImage image;
        ASSERT_TRUE(image.load(restarted));
        // Theme 0 ("Standard 1") has a navy table 0x0010, theme 7 ("Zen") 0xDFFF.
        EXPECT_EQ(image.at(120, 200), screenColour(theme == 0 ? 0x0010 : 0xDFFF));
    }
}

TEST(ReflectionOptions, AStoredCardBackOutsideTheNineThemesReadsAsFive) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    ASSERT_TRUE(runReflection(root, "wait 100\n").exitCode == 0);
    storeDword(root, L"CardBack", 9);
    RunResult r = runReflection(root, "wait 100\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(storedValue(root, L"CardBack").number, 5u);
}

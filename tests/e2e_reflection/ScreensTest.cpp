// The pages: rules and help through the pager, Configure Appearance, About,
// and the High Scores screen with its Reset button.

#include <gtest/gtest.h>

#include "ReflectionRun.h"
#include "games/reflection/rules/GreedyPlayer.h"
#include "support/PngImage.h"

using namespace reflection_e2e;
using reflection::Move;
using testing_support::PngImage;

namespace {

const std::string kEnd = "key down\nwait 300\ntap 120 160\nwait 300\n";
const uint32_t kBarFace = screenColour(0xC618);

bool anyInk(const PngImage& image, int x1, int y1, int x2, int y2) {
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            if (image.at(x, y) == 0x000000u) return true;
        }
    }
    return false;
}

}  // namespace

TEST(ReflectionScreens, RulesTurnPagesHelpHasOneAndEachOkReturnsToTheTable) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    const std::string rules1 = root.file("rules1.png"), rules2 = root.file("rules2.png");
    const std::string help = root.file("help.png"), back = root.file("back.png");
    const std::string about = root.file("about.png"), appearance = root.file("appearance.png");
    std::string script = tap(120, 160, 200);
    script += menu(kHelpMenuX, 0) + "shot " + rules1 + "\n" + tap(228, 9) + "shot " + rules2 +
              "\n" + tap(190, 290, 200);
    script += menu(kHelpMenuX, 1) + "shot " + help + "\n" + tap(190, 290, 200);
    script +=
        menu(kHelpMenuX, 2) + "shot " + about + "\n" + "key up\nwait 100\n" + tap(190, 290, 200);
    script += menu(kConfigureMenuX, 0) + "shot " + appearance + "\n" + tap(190, 290, 200);
    script += "shot " + back + "\n";
    RunResult r = runReflection(root, script + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    PngImage p1, p2, h, a, c, t;
    ASSERT_TRUE(p1.load(rules1) && p2.load(rules2) && h.load(help) && a.load(about) &&
                c.load(appearance) && t.load(back));
    // Two pages of rules: arrows in the title bar, and turning shows other lines.
    EXPECT_EQ(p1.at(229, 9), 0x000000u);
    bool differ = false;
    for (int y = 26; y < 260 && !differ; ++y) {
        for (int x = 10; x < 230; ++x) differ = differ || p1.at(x, y) != p2.at(x, y);
    }
    EXPECT_TRUE(differ);
    // One page of help: no arrows.
    EXPECT_EQ(h.at(229, 9), kBarFace);
    EXPECT_TRUE(anyInk(h, 10, 26, 120, 37));  // the "Hardware Keys:" heading
    // Up on the About screen is ignored: OK still returns to the empty table.
    EXPECT_TRUE(anyInk(a, 20, 162, 100, 172));  // "Version 2.0"
    // Configure Appearance: two switches, both ticked by default.
    EXPECT_TRUE(anyInk(c, 27, 32, 33, 38));
    EXPECT_TRUE(anyInk(c, 27, 52, 33, 58));
    // Back on the table with no game: the deck and the menu bar, no score.
    EXPECT_EQ(t.at(100, 8), kBarFace);
    EXPECT_EQ(t.at(10, 84), screenColour(0x0010));
}

TEST(ReflectionScreens, HighScoresShowsTheModesListAndResetClearsIt) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    DealPredictor deal;
    deal.nextGame();
    std::string script = tap(120, 160, 200) + tap(15, 50, 1000);
    Move m;
    while (deal.game().score() <= 12 &&
           reflection::nextGreedyMove(deal.game(), reflection::ParkingRule::Careful, m)) {
        script += deal.play(m);
    }
    const std::string listed = root.file("listed.png"), cleared = root.file("cleared.png");
    script += "key up\nwait 1000\n" + menu(kGameMenuX, 4) + "shot " + listed + "\n" +
              tap(45, 290, 200) + "shot " + cleared + "\n" + tap(190, 290, 200);
    RunResult r = runReflection(root, script + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    PngImage before, after;
    ASSERT_TRUE(before.load(listed) && after.load(cleared));
    EXPECT_TRUE(anyInk(before, 64, 97, 110, 108));  // the game's score and time
    EXPECT_TRUE(anyInk(before, 125, 97, 180, 108));
    EXPECT_FALSE(anyInk(after, 64, 97, 190, 108));
    EXPECT_EQ(storedList(root, L"NormalScores"), std::vector<int>(10, 0));
    EXPECT_EQ(storedList(root, L"NormalTimes"), std::vector<int>(10, 999));
}

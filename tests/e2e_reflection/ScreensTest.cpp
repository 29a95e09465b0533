// The pages: rules and help through the pager, Configure Appearance, About,
// and the High Scores screen with its Reset button; with them the settings a
// first start writes and the Down key's farewell.

#include <gtest/gtest.h>

#include "ReflectionRun.h"
#include "games/reflection/rules/GreedyPlayer.h"

using namespace reflection_e2e;
using reflection::Move;
using testing_support::PngImage;

namespace {

const uint32_t kBarFace = screenColour(0xC618);

}  // namespace

// Only pages are opened, so what the run leaves stored is a first start's.
TEST(ReflectionScreens, AFirstStartsDefaultsRulesTurnPagesHelpHasOneAndEachOkReturns) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    const std::string rules1 = root.file("rules1.png"), rules2 = root.file("rules2.png");
    const std::string help = root.file("help.png"), back = root.file("back.png");
    const std::string about = root.file("about.png"), appearance = root.file("appearance.png");
    std::string script = tap(120, 160, 200);
    script += menu(kHelpMenuX, 0) + shot(rules1) + tap(228, 9) + shot(rules2) + tap(190, 290, 200);
    script += menu(kHelpMenuX, 1) + shot(help) + tap(190, 290, 200);
    script += menu(kHelpMenuX, 2) + shot(about) + "key up\nwait 100\n" + tap(190, 290, 200);
    script += menu(kConfigureMenuX, 0) + shot(appearance) + tap(190, 290, 200) + shot(back);
    RunResult r = runReflection(root, script + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.logIndex("messagebox"), -1);  // no repair panel, no reinstall box
    const struct {
        const wchar_t* name;
        uint32_t value;
    } dwords[] = {{L"MinorVersion", 0}, {L"MajorVersion", 2}, {L"CardBack", 5},
                  {L"DisplayScore", 1}, {L"DisplayTime", 1},  {L"SoundsOn", 1},
                  {L"GameType", 0}};
    for (const auto& d : dwords) {
        const StoredValue v = storedValue(root, d.name);
        EXPECT_TRUE(v.found) << "missing";
        EXPECT_EQ(v.number, d.value);
    }
    EXPECT_EQ(storedList(root, L"NormalScores"), std::vector<int>(10, 0));
    EXPECT_EQ(storedList(root, L"ExpertScores"), std::vector<int>(10, 0));
    EXPECT_EQ(storedList(root, L"ExpertTimes"), std::vector<int>(10, 999));
    EXPECT_EQ(storedValue(root, L"NormalTimes").text, L"999 999 999 999 999 999 999 999 999 999 ");

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
    EXPECT_TRUE(anyPixel(h, 10, 26, 120, 37));  // the "Hardware Keys:" heading
    // Up on the About screen is ignored: OK still returns to the empty table.
    EXPECT_TRUE(anyPixel(a, 20, 162, 100, 172));  // "Version 2.0"
    // Configure Appearance: two switches, both ticked by default.
    EXPECT_TRUE(anyPixel(c, 27, 32, 33, 38));
    EXPECT_TRUE(anyPixel(c, 27, 52, 33, 58));
    // Back on the table with no game: the deck and the menu bar, no score.
    EXPECT_EQ(t.at(100, 8), kBarFace);
    EXPECT_EQ(t.at(10, 84), screenColour(0x0010));
}

TEST(ReflectionScreens, HighScoresResetClearsTheListAndDownSavesTheSettingsAndSaysFarewell) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    DealPredictor deal;
    deal.nextGame();
    std::string script = kStartAndDeal;
    Move m;
    while (deal.game().score() <= 12 &&
           reflection::nextGreedyMove(deal.game(), reflection::ParkingRule::Careful, m)) {
        script += deal.play(m);
    }
    const std::string listed = root.file("listed.png"), cleared = root.file("cleared.png");
    const std::string farewell = root.file("farewell.png");
    script += "key up\nwait 1000\n" + menu(kGameMenuX, 4) + shot(listed) + tap(45, 290, 200) +
              shot(cleared) + tap(190, 290, 200);
    // Sound switched off from the menu is only in memory until the program
    // ends: the Down key must store it.
    script += menu(kConfigureMenuX, 2) + "key down\nwait 300\n" + shot(farewell) +
              "wait 300\ntap 120 160\nwait 300\n";
    RunResult r = runReflection(root, script);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.log.back(), "exit\t0");
    EXPECT_EQ(r.logIndex("script\tended"), -1);  // the tap on the panel ended it
    EXPECT_GT(r.logIndex("taskbar\tshown"), r.logIndex("shot\t" + farewell));
    EXPECT_EQ(storedValue(root, L"SoundsOn").number, 0u);
    PngImage before, after, image;
    ASSERT_TRUE(before.load(listed) && after.load(cleared) && image.load(farewell));
    EXPECT_TRUE(anyPixel(before, 64, 97, 110, 108));  // the game's score and time
    EXPECT_TRUE(anyPixel(before, 125, 97, 180, 108));
    EXPECT_FALSE(anyPixel(after, 64, 97, 190, 108));
    EXPECT_EQ(storedList(root, L"NormalScores"), std::vector<int>(10, 0));
    EXPECT_EQ(storedList(root, L"NormalTimes"), std::vector<int>(10, 999));

    EXPECT_EQ(image.at(100, 125), screenColour(0x0012));  // the heading bar
    EXPECT_EQ(image.at(100, 190), 0xFFFFFFu);             // the panel's body
    // The heading "Vuzurovoro Dazozivad" is white on the bar: some of its
    // row is white, none of the bar past its end.
    int white = 0;
    for (int x = 40; x < 150; ++x) white += image.at(x, 128) == 0xFFFFFFu;
    EXPECT_GT(white, 10);
}

// The pages of the program run headless: Configure Appearance and its effect
// on the table, the rules and help pagers. About and the keys on the start-up
// screen are checked with the first start.
#include <gtest/gtest.h>

#include "PellandineDevice.h"

using namespace pellandine_e2e;
using testing_support::PngImage;
using testing_support::RunResult;

namespace {

PngImage load(const Device& device, const std::string& name) {
    PngImage image;
    EXPECT_TRUE(device.load(name, &image)) << name;
    return image;
}

}  // namespace

TEST(PellandinePages, AppearanceSwitchesTheCardsLeftCounterOffAndPicksATheme) {
    Device device;
    RunResult r = device.run(kPastStartup + "tap 55 8\nwait 150\ntap 60 30\nwait 200\n" +
                             device.shotLine("appearance") +
                             "tap 60 33\nwait 150\n"   // "Show cards left" off
                             "tap 60 171\nwait 150\n"  // a theme row, see below
                             + device.shotLine("appearance_changed") + "tap 190 290\nwait 200\n" +
                             device.shotLine("appearance_table") + "key down\nwait 200\n");
    ASSERT_EQ(r.exitCode, 0);
    PngImage before = load(device, "appearance");
    PngImage after = load(device, "appearance_changed");
    PngImage table = load(device, "appearance_table");
    // The first switch's box: ticked, then not (black inside the frame).
    EXPECT_GT(countColour(before, 27, 32, 32, 37, 0x0000), 0);
    EXPECT_EQ(countColour(after, 27, 32, 32, 37, 0x0000), 0);
    // Theme rows from y 118, 17 apart: Astrology (5) ticked at first, then
    // the tapped row (171 - 115) / 17 = 3, "Mardi Gras".
    EXPECT_GT(countColour(before, 27, 118 + 5 * 17 + 2, 32, 118 + 5 * 17 + 7, 0x0000), 0);
    EXPECT_EQ(countColour(after, 27, 118 + 5 * 17 + 2, 32, 118 + 5 * 17 + 7, 0x0000), 0);
    EXPECT_GT(countColour(after, 27, 118 + 3 * 17 + 2, 32, 118 + 3 * 17 + 7, 0x0000), 0);
    // The preview took Mardi Gras' table colour at once.
    EXPECT_EQ(pixel565(after, 150, 125), 0x001F);
    // The table: Mardi Gras' colours, and no "Cards:" counter (its text is
    // yellow); the score is still shown.
    EXPECT_EQ(pixel565(table, 5, 300 - 40), 0x001F);
    EXPECT_EQ(countColour(table, 8, 213, 60, 240, 0xFFE0), 0);
    EXPECT_GT(countColour(table, 8, 252, 60, 280, 0xFFE0), 0);
    EXPECT_EQ(device.dword("DisplayCardsLeft"), 0);
    EXPECT_EQ(device.dword("CardBack"), 3);
}

TEST(PellandinePages, RulesHaveThreePagesThatWrapAndHelpHasOne) {
    Device device;
    std::string script = kPastStartup + "tap 225 8\nwait 150\ntap 200 30\nwait 200\n";
    for (int page = 1; page <= 4; ++page) {
        if (page > 1) script += "tap 230 8\nwait 150\n";
        script += device.shotLine("rules" + std::to_string(page));
    }
    script += "tap 155 8\nwait 150\n" + device.shotLine("rules_back");  // back from page 1
    script += "tap 190 290\nwait 150\ntap 225 8\nwait 150\ntap 200 46\nwait 200\n" +
              device.shotLine("help") + "tap 230 8\nwait 150\n" + device.shotLine("help_tapped") +
              "tap 190 290\nwait 200\n" + device.shotLine("back_on_table");
    RunResult r = device.run(script);
    ASSERT_EQ(r.exitCode, 0);
    PngImage p1 = load(device, "rules1"), p2 = load(device, "rules2"), p3 = load(device, "rules3");
    PngImage p4 = load(device, "rules4"), back = load(device, "rules_back");
    EXPECT_FALSE(p1.pixels == p2.pixels);
    EXPECT_FALSE(p2.pixels == p3.pixels);
    EXPECT_TRUE(p1.pixels == p4.pixels);    // forward from the last page is page 1
    EXPECT_TRUE(back.pixels == p3.pixels);  // back from page 1 is the last
    // The arrows in the title bar: black triangles.
    EXPECT_GT(countColour(p1, 154, 4, 162, 14, 0x0000), 0);
    PngImage help = load(device, "help"), helpTapped = load(device, "help_tapped");
    EXPECT_EQ(countColour(help, 154, 4, 162, 14, 0x0000), 0);  // one page: no arrows
    EXPECT_TRUE(help.pixels == helpTapped.pixels);
    PngImage table = load(device, "back_on_table");
    EXPECT_EQ(pixel565(table, 5, 260), 0x0010);  // Astrology's table
}

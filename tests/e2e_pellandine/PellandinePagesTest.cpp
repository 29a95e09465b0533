// The pages of the program run headless: Configure Appearance and its effect
// on the table, the rules and help pagers, About, and the keys on them.
#include <gtest/gtest.h>

#include "PellandineDevice.h"

using namespace pellandine_e2e;
using testing_support::PngImage;
using testing_support::RunResult;

namespace {

int countColour(const PngImage& image, int x1, int y1, int x2, int y2, uint16_t colour) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += pixel565(image, x, y) == colour;
    return n;
}

bool samePicture(const PngImage& a, const PngImage& b) {
    return a.pixels == b.pixels;
}

PngImage load(const Device& device, const std::string& name) {
    device.keep(name);
    PngImage image;
    EXPECT_TRUE(image.load(device.shot(name))) << name;
    return image;
}

const std::string kPastStartup = "wait 300\ntap 120 160\nwait 300\n";

}  // namespace

TEST(PellandinePages, AppearanceSwitchesTheCardsLeftCounterOffAndPicksATheme) {
    Device device;
    RunResult r =
        device.run(kPastStartup + "tap 55 8\nwait 150\ntap 60 30\nwait 200\nshot " +
                   device.shot("appearance") +
                   "\ntap 60 33\nwait 150\n"        // "Show cards left" off
                   "tap 60 171\nwait 150\nshot " +  // "Zen": (171 - 115) / 17 = 3 ... see below
                   device.shot("appearance_changed") +
                   "\ntap 190 290\nwait 200\nshot " + device.shot("appearance_table") +
                   "\nkey down\nwait 200\n");
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
        script += "shot " + device.shot("rules" + std::to_string(page)) + "\n";
    }
    script += "tap 155 8\nwait 150\nshot " + device.shot("rules_back") + "\n";  // back from page 1
    script += "tap 190 290\nwait 150\ntap 225 8\nwait 150\ntap 200 46\nwait 200\nshot " +
              device.shot("help") + "\ntap 230 8\nwait 150\nshot " + device.shot("help_tapped") +
              "\ntap 190 290\nwait 200\nshot " + device.shot("back_on_table") + "\n";
    RunResult r = device.run(script);
    ASSERT_EQ(r.exitCode, 0);
    PngImage p1 = load(device, "rules1"), p2 = load(device, "rules2"), p3 = load(device, "rules3");
    PngImage p4 = load(device, "rules4"), back = load(device, "rules_back");
    EXPECT_FALSE(samePicture(p1, p2));
    EXPECT_FALSE(samePicture(p2, p3));
    EXPECT_TRUE(samePicture(p1, p4));    // forward from the last page is page 1
    EXPECT_TRUE(samePicture(back, p3));  // back from page 1 is the last
    // The arrows in the title bar: black triangles.
    EXPECT_GT(countColour(p1, 154, 4, 162, 14, 0x0000), 0);
    PngImage help = load(device, "help"), helpTapped = load(device, "help_tapped");
    EXPECT_EQ(countColour(help, 154, 4, 162, 14, 0x0000), 0);  // one page: no arrows
    EXPECT_TRUE(samePicture(help, helpTapped));
    PngImage table = load(device, "back_on_table");
    EXPECT_EQ(pixel565(table, 5, 260), 0x0010);  // Astrology's table
}

TEST(PellandinePages, UpDealsNothingOnTheStartupAndAboutScreens) {
    Device device;
    RunResult r =
        device.run("wait 300\nkey up\nwait 2000\nshot " + device.shot("startup_up") +
                   "\ntap 120 160\nwait 300\ntap 225 8\nwait 150\ntap 200 62\nwait 200\n"
                   "key up\nwait 2000\nshot " +
                   device.shot("about_up") + "\ntap 190 290\nwait 200\nkey up\nwait 2500\nshot " +
                   device.shot("dealt_by_up") + "\n");
    ASSERT_EQ(r.exitCode, 0);
    PngImage startup = load(device, "startup_up");
    EXPECT_EQ(pixel565(startup, 5, 300), 0x001F);  // still the blue start-up screen
    PngImage about = load(device, "about_up");
    EXPECT_EQ(pixel565(about, 5, 300), 0xFFFF);                    // still About's white page
    EXPECT_GT(countColour(about, 20, 162, 100, 173, 0x0000), 10);  // "Version 2.0"
    PngImage dealt = load(device, "dealt_by_up");
    ReadTable table = readTable(dealt, pellandine::kSum14);
    EXPECT_EQ(table.cardsRead, 10);
}

// The program frame as a game uses it: the standard menus built around the
// game's entries, the pages it opens and returns from, and the flights a
// redraw plays.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TempDeviceRoot.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/settings/SettingsTable.h"
#include "gamekit/shell/ProgramFrame.h"
#include "tools/installer/BmpWriter.h"

using namespace gamekit;

namespace {

enum Screen { kTable = 0, kAppearance = 5, kAbout = 6, kRules = 7, kHelp = 8, kScores = 9 };

constexpr int kSheetWidth = 200;
constexpr int kSheetHeight = 120;

const char* const kTwoPages[20] = {"Heading", " body", " body", " body",  " body", " body", " body",
                                   " body",   " body", " body", " body",  " body", " body", " body",
                                   " body",   " body", " body", "Second", " body", " body"};

std::string bitmap(int width, int height) {
    const std::vector<uint8_t> bytes = installer::encodeBmp24(installer::Canvas(width, height));
    return std::string(bytes.begin(), bytes.end());
}

// A table game with two entries of its own in each menu, reporting what ran.
struct Game {
    testing_support::TempDeviceRoot root;
    ScreenStack screens{kTable, kTable};
    int cardBack = 5;
    bool soundOn = false;
    bool expert = true;
    bool restartable = false;
    SettingsRecord record;
    std::vector<std::string> ran;
    std::vector<int> changes;
    ProgramFrame* frame = nullptr;

    ProgramFrame::Setup setup() {
        root.write("Windows/TarnwickSoftware_CardBacks.bmp",
                   bitmap(kBackStripWidth, kBackStripHeight));
        root.write("Windows/Test_Images.bmp", bitmap(kSheetWidth, kSheetHeight));
        static const char* const kLabels[1] = {"Switch"};
        static bool value = false;
        bool* values[1] = {&value};
        static const int kTapRights[1] = {151};
        auto log = [this](const char* what) { return [this, what] { ran.push_back(what); }; };
        return {
            .sheet = {L"Test_Images.bmp", kSheetWidth, kSheetHeight, {}},
            .screens = &screens,
            .pages = {kAppearance, kAbout, kRules, kHelp},
            .rules = {kTwoPages, 20},
            .help = {kTwoPages, 3},
            .appearance = AppearanceScreen::compactLayout(1, kLabels, values, kTapRights),
            .cardBack = &cardBack,
            .soundOn = &soundOn,
            .record = &record,
            .menus =
                {.game = {menuCommand("New", log("new")),
                          menuCommand("Restart", log("restart"), [this] { return restartable; })},
                 .configure = {menuCheck(
                     "Expert", [this] { return expert; },
                     [this](bool on) { ran.push_back(on ? "expert on" : "expert off"); })},
                 .help = {menuCommand("High Scores...", [this] { frame->openPage(kScores); })}},
            .screenChanged = [this](int screen) { changes.push_back(screen); },
        };
    }
};

class ProgramFrameTest : public testing::Test {
  protected:
    ProgramFrameTest() : frame(game.setup()), screen(kScreenWidth, kScreenHeight) {
        game.frame = &frame;
    }

    // Opens a title (0 the first, 1 "Configure", 2 "Help") and taps its row.
    void choose(int title, int row) {
        const MenuBar& bar = frame.menuBar();
        const int configureX = bar.titleMargin + bar.font()->measure(MenuTable{}.gameTitle) + 3;
        const int x = title == 0 ? 3 : title == 1 ? configureX : kScreenWidth - 3;
        frame.drawMenuBar(screen);
        ASSERT_TRUE(frame.tapMenus(x, 5));
        ASSERT_TRUE(frame.menusOpen());
        frame.drawMenuBar(screen);
        frame.tapMenus(x, bar.barHeight + bar.rowHeight * row + bar.rowHeight / 2);
        EXPECT_FALSE(frame.menusOpen());
    }
    void tapOk() { frame.penDown(kOkButtonLeft + 5, kPageButtonTop + 5); }

    Game game;
    ProgramFrame frame;
    Surface screen;
};

TEST_F(ProgramFrameTest, TheGamesEntriesStandBetweenTheStandardOnesOfEachMenu) {
    struct Case {
        int title, row;
        std::string ran;  // what the game saw, or the screen it opened
        int screen;
    } cases[] = {
        {0, 0, "new", kTable},        {0, 1, "restart", kTable}, {1, 0, "", kAppearance},
        {1, 1, "expert off", kTable}, {2, 0, "", kRules},        {2, 1, "", kHelp},
        {2, 2, "", kScores},          {2, 3, "", kAbout},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.title) + "/" + std::to_string(c.row));
        game.ran.clear();
        game.screens.show(kTable);
        choose(c.title, c.row);
        EXPECT_EQ(game.ran.empty() ? "" : game.ran.back(), c.ran);
        EXPECT_EQ(frame.screen(), c.screen);
    }
    // "Sound", after the game's Configure entries, sets the program's value.
    choose(1, 2);
    EXPECT_TRUE(game.soundOn);
}

TEST_F(ProgramFrameTest, CheckEntriesFollowTheirQueryAndGreyedEntriesStillRun) {
    game.expert = false;  // changed by the game, not by the menu
    choose(1, 1);
    EXPECT_EQ(game.ran.back(), "expert on");
    EXPECT_FALSE(game.restartable);
    choose(0, 1);
    EXPECT_EQ(game.ran.back(), "restart");
}

TEST_F(ProgramFrameTest, APageReturnsWhereItWasOpenedFromAndThePagersStartAtTheirFirstPage) {
    Surface first(kScreenWidth, kScreenHeight), again(kScreenWidth, kScreenHeight);
    game.screens.show(3);
    frame.openPage(kRules);
    ASSERT_TRUE(frame.draw(first));
    EXPECT_TRUE(frame.penDown(230, 8));  // the next page
    tapOk();
    EXPECT_EQ(frame.screen(), 3);
    EXPECT_EQ(game.changes, (std::vector<int>{kRules, 3}));
    frame.openPage(kRules);
    ASSERT_TRUE(frame.draw(again));
    EXPECT_EQ(0, std::memcmp(first.pixels(), again.pixels(),
                             sizeof(uint16_t) * kScreenWidth * kScreenHeight));
    tapOk();
    // The game's own screens are not the frame's.
    EXPECT_FALSE(frame.draw(screen));
    EXPECT_FALSE(frame.penDown(kOkButtonLeft + 5, kPageButtonTop + 5));
    frame.openPage(kAbout);
    EXPECT_TRUE(frame.penDown(10, 100));  // beside OK: taken, nothing happens
    EXPECT_EQ(frame.screen(), kAbout);
    tapOk();
    EXPECT_EQ(frame.screen(), 3);
}

TEST_F(ProgramFrameTest, PlannedFlightsPlayOnceInOrderAndCloseTheMenus) {
    std::vector<int> played;
    frame.drawMenuBar(screen);
    frame.tapMenus(3, 5);
    ASSERT_TRUE(frame.menusOpen());
    frame.planFlight([&](Surface&) { played.push_back(1); });
    frame.planFlight([&](Surface&) {
        played.push_back(2);
        frame.planFlight([&](Surface&) { played.push_back(3); });  // for the next redraw
    });
    EXPECT_FALSE(frame.menusOpen());
    EXPECT_TRUE(frame.playFlights(screen));
    EXPECT_EQ(played, (std::vector<int>{1, 2}));
    EXPECT_TRUE(frame.playFlights(screen));
    EXPECT_FALSE(frame.playFlights(screen));
    EXPECT_EQ(played, (std::vector<int>{1, 2, 3}));
    frame.planFlight([&](Surface&) { played.push_back(4); });
    frame.cancelFlights();
    EXPECT_FALSE(frame.playFlights(screen));
}

}  // namespace

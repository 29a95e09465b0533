// No drop-down stays drawn open over what follows it: a deal made by the Up
// key while a menu is open, and the box a "New" from the menu opens.
#include <gtest/gtest.h>

#include <vector>

#include "PellandineDevice.h"

using namespace pellandine_e2e;
using testing_support::PngImage;
using testing_support::RunResult;

namespace {

const std::string kOpenGameMenu = "tap 20 8\nwait 150\n";
const std::string kNewEntry = "tap 20 26\n";  // the Game menu's first row

// The Game menu's drop-down lies over the table's top left, in the bar's
// grey; the table there shows no grey of its own.
constexpr uint16_t kMenuGrey = 0xC618;
int menuGrey(const PngImage& image) {
    return countColour(image, 3, 22, 50, 90, kMenuGrey);
}

}  // namespace

TEST(PellandineMenus, UpWithAMenuOpenDealsWithTheMenuClosed) {
    Device device;
    RunResult r = device.run(kDealScript + kOpenGameMenu + device.shotLine("menu_open") +
                             "key up\nwait 2500\n" + device.shotLine("dealt_by_up"));
    ASSERT_EQ(r.exitCode, 0);
    PngImage open, dealt;
    ASSERT_TRUE(device.load("menu_open", &open));
    ASSERT_TRUE(device.load("dealt_by_up", &dealt));
    EXPECT_GT(menuGrey(open), 500);
    EXPECT_EQ(menuGrey(dealt), 0);
}

TEST(PellandineMenus, TheBoxOfANewGameFromTheMenuStandsOverTheTableWithoutTheMenu) {
    Device device;
    const ReadTable table = dealAndRead(device, "dealt");
    ASSERT_TRUE(table.ok);
    const std::vector<pellandine::Group> groups = groupsOn(table.grid);
    ASSERT_FALSE(groups.empty()) << "try another DECKHOLLOW_TICK0: this deal has no group";
    const pellandine::Group group = groups.front();

    // The same deal, a group removed (a score for the list), then "New" from
    // the open Game menu: the box offers the score.
    RunResult second =
        device.run(kDealScript + tapsFor(table.grid, group.index, group.size) + "wait 300\n" +
                   kOpenGameMenu + "boxshot " + device.shot("behind_box") + "\n" + kNewEntry +
                   "wait 2500\n" + device.shotLine("new_deal"));
    ASSERT_EQ(second.exitCode, 0);
    EXPECT_GE(second.logIndex("messagebox\tCongratulations!\tYou made the high score list"), 0);
    PngImage behind, dealt;
    ASSERT_TRUE(device.load("behind_box", &behind));
    ASSERT_TRUE(device.load("new_deal", &dealt));
    EXPECT_EQ(menuGrey(behind), 0);
    EXPECT_EQ(readTable(behind, pellandine::kSum14).cardsRead, 10 - group.size);  // the old game
    EXPECT_EQ(menuGrey(dealt), 0);
}

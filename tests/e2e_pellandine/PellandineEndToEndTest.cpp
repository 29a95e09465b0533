// The real program run headless by script: first start, the deal, scripted
// removals read from the screen, the options that outlive a restart and the
// farewell.
#include <gtest/gtest.h>

#include <vector>

#include "PellandineDevice.h"
#include "games/pellandine/rules/GroupRules.h"

using namespace pellandine_e2e;
using testing_support::PngImage;
using testing_support::RunResult;

namespace {

// Past the start-up screen and a deck tap: the first deal of the default
// variation (Sum 14) flies in.
const std::string kDealScript =
    "wait 300\n"
    "tap 120 160\n"  // the start-up screen
    "wait 300\n"
    "tap 25 115\n"  // the deck, in every layout
    "wait 2500\n";

// Configure -> Game... -> a variation row -> OK: the new variation is dealt.
std::string chooseVariation(int gameType) {
    return "tap 55 8\nwait 150\ntap 60 46\nwait 150\ntap 50 " +
           std::to_string(70 + 20 * (gameType - 1) + 4) + "\nwait 150\ntap 190 290\nwait 2500\n";
}

const char* kFarewellLine = "messagebox\tPellandine Solitaire\tThank you for playing!";

}  // namespace

TEST(PellandineEndToEnd, FirstStartWritesEveryDefaultOfTheProgramsTable) {
    Device device;
    ASSERT_TRUE(device.installed());
    RunResult r = device.run("wait 200\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.logIndex("messagebox"), -1);  // no panel, no box on a first start
    const std::pair<const char*, long> dwords[] = {
        {"MinorVersion", 0},     {"MajorVersion", 2},   {"CardBack", 5},
        {"DisplayCardsLeft", 1}, {"DisplayPrompts", 1}, {"DisplayDialogs", 1},
        {"SlideChallenge", 0},   {"SoundsOn", 1},       {"GameType", 4},
    };
    for (const auto& [name, value] : dwords) EXPECT_EQ(device.dword(name), value) << name;
    for (const char* list : {"PairsScores", "Sum10Scores", "Sum11Scores", "Sum14Scores"}) {
        EXPECT_EQ(device.text(list), "0 0 0 0 0 0 0 0 0 0 ") << list;
    }
}

TEST(PellandineEndToEnd, ARemovalReadFromTheScreenScoresAndNewEntersItInTheList) {
    Device device;
    // First run: the deal, read off the screen.
    const std::string dealt = device.shot("sum14_dealt");
    RunResult first = device.run(kDealScript + "shot " + dealt + "\n");
    ASSERT_EQ(first.exitCode, 0);
    device.keep("sum14_dealt");
    PngImage image;
    ASSERT_TRUE(image.load(dealt));
    ReadTable table = readTable(image, pellandine::kSum14);
    ASSERT_TRUE(table.ok);
    ASSERT_EQ(table.cardsRead, 10);
    std::vector<pellandine::Group> groups;
    pellandine::findGroups(table.grid, groups);
    ASSERT_FALSE(groups.empty()) << "try another DECKHOLLOW_TICK0: this deal has no group";
    const pellandine::Group group = groups.front();

    // Second run, the same clock: the same deal, the group tapped, then "New"
    // (the Up key) offers the score and the list is shown by the Right key.
    const std::string again = device.shot("sum14_again");
    const std::string removed = device.shot("sum14_removed");
    const std::string scores = device.shot("sum14_scores");
    RunResult second =
        device.run(kDealScript + "shot " + again + "\n" +
                   tapsFor(table.grid, group.index, group.size) + "wait 300\nshot " + removed +
                   "\nkey up\nwait 2500\nkey right\nwait 200\nshot " + scores + "\n");
    ASSERT_EQ(second.exitCode, 0);
    device.keep("sum14_removed");
    device.keep("sum14_scores");
    PngImage sameDeal;
    ASSERT_TRUE(sameDeal.load(again));
    ReadTable replay = readTable(sameDeal, pellandine::kSum14);
    for (int i = 0; i < pellandine::kSlotCount; ++i) {
        EXPECT_EQ(replay.grid.at(i).card, table.grid.at(i).card) << i;
    }
    PngImage after;
    ASSERT_TRUE(after.load(removed));
    ReadTable left = readTable(after, pellandine::kSum14);
    EXPECT_EQ(left.cardsRead, 10 - group.size);
    for (int k = 0; k < group.size; ++k) EXPECT_EQ(left.grid.at(group.index[k]).card, nullptr);

    EXPECT_GE(second.logIndex("messagebox\tCongratulations!\tYou made the high score list"), 0);
    EXPECT_EQ(device.text("Sum14Scores"), std::to_string(group.size) + " 0 0 0 0 0 0 0 0 0 ");
    // The list shows one row, "SUM 14" and the score, black on white.
    PngImage list;
    ASSERT_TRUE(list.load(scores));
    int ink = 0, inkBelow = 0;
    for (int y = 97; y < 108; ++y)
        for (int x = 64; x < 170; ++x) ink += list.at(x, y) == 0x000000;
    for (int y = 112; y < 123; ++y)
        for (int x = 64; x < 170; ++x) inkBelow += list.at(x, y) == 0x000000;
    EXPECT_GT(ink, 20);
    EXPECT_EQ(inkBelow, 0);
}

TEST(PellandineEndToEnd, EachVariationDealsItsOwnTable) {
    Device device;
    const int expected[5] = {0, 20, 13, 20, 10};
    std::string script = "wait 300\ntap 120 160\nwait 300\n";
    for (int type = pellandine::kPairs; type <= pellandine::kSum11; ++type) {
        script += chooseVariation(type) + "shot " +
                  device.shot("variation" + std::to_string(type)) + "\n";
    }
    script += "tap 25 115\nwait 2500\nshot " + device.shot("variation4") + "\n";
    script += chooseVariation(pellandine::kSum11);  // back to a variation already set: no deal
    RunResult r = device.run(script);
    ASSERT_EQ(r.exitCode, 0);
    for (int type = pellandine::kPairs; type <= pellandine::kSum14; ++type) {
        const std::string name = "variation" + std::to_string(type);
        device.keep(name);
        PngImage image;
        ASSERT_TRUE(image.load(device.shot(name)));
        // Sum 14 was chosen last above, and dealt by a deck tap.
        const int shownType = type == pellandine::kSum14 ? pellandine::kSum11 : type;
        ReadTable table = readTable(image, shownType);
        EXPECT_TRUE(table.ok) << name;
        EXPECT_EQ(table.cardsRead, expected[shownType]) << name;
        if (shownType == pellandine::kSum11) {
            // Face cards always lie under a card of value 1 to 10.
            for (int i = 0; i < pellandine::kSlotCount; ++i) {
                const auto* card = table.grid.at(i).card;
                if (card != nullptr) {
                    EXPECT_LT(card->rank, 10) << name << " slot " << i;
                }
            }
        }
    }
    EXPECT_EQ(device.dword("GameType"), 3);
}

TEST(PellandineEndToEnd, AChangedVariationAndTheFirstThemeSurviveARestart) {
    Device device;
    RunResult first =
        device.run("wait 300\ntap 120 160\nwait 300\n" + chooseVariation(pellandine::kSum10) +
                   "tap 55 8\nwait 150\ntap 60 30\nwait 150\n"  // Configure -> Appearance...
                   "tap 60 119\nwait 150\n"                     // "Standard 1"
                   "tap 190 290\nwait 150\nkey down\nwait 300\n");
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(device.dword("GameType"), 2);
    EXPECT_EQ(device.dword("CardBack"), 0);

    const std::string table = device.shot("restarted_sum10_theme0");
    RunResult second = device.run("wait 300\ntap 120 160\nwait 300\nshot " + table + "\n");
    ASSERT_EQ(second.exitCode, 0);
    device.keep("restarted_sum10_theme0");
    EXPECT_EQ(device.dword("GameType"), 2);
    EXPECT_EQ(device.dword("CardBack"), 0);
    PngImage image;
    ASSERT_TRUE(image.load(table));
    // Sum 10's first row at y 97: the deck's frame in Standard 1's border
    // colour, and the first place's white outline there.
    EXPECT_EQ(pixel565(image, 13, 97 + 20), 0x001F);
    EXPECT_EQ(pixel565(image, 75, 97), 0xFFFF);
    // Row 2 column 0 is not part of Sum 10's layout: plain table there.
    EXPECT_EQ(pixel565(image, 75, 148), 0x0010);
}

TEST(PellandineEndToEnd, AStoredGameTypeZeroIsPairsAndIsStoredCorrected) {
    Device device;
    device.writeSettings({{L"MinorVersion", 0},
                          {L"MajorVersion", 2},
                          {L"CardBack", 2},
                          {L"DisplayCardsLeft", 1},
                          {L"DisplayPrompts", 1},
                          {L"DisplayDialogs", 1},
                          {L"SlideChallenge", 0},
                          {L"SoundsOn", 1},
                          {L"GameType", 0}});
    const std::string shot = device.shot("gametype0");
    RunResult r = device.run(kDealScript + "shot " + shot + "\n");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.logIndex("messagebox"), -1);  // not a damaged store: no recovery panel
    EXPECT_EQ(device.dword("GameType"), 1);
    EXPECT_EQ(device.dword("CardBack"), 2);
    PngImage image;
    ASSERT_TRUE(image.load(shot));
    device.keep("gametype0");
    EXPECT_EQ(readTable(image, pellandine::kPairs, 0x001F).cardsRead, 20);  // Standard 3
}

TEST(PellandineEndToEnd, DownSaysThankYouInABoxAndEndsWithZero) {
    Device device;
    RunResult r = device.run(kDealScript + "key down\nwait 300\n");
    EXPECT_EQ(r.exitCode, 0);
    const int box = r.logIndex(kFarewellLine);
    EXPECT_GE(box, 0);
    EXPECT_EQ(r.logIndex("script\tended"), -1);  // Down ended it, not the end of the script
    EXPECT_GT(r.logIndex("taskbar\tshown"), box);
    EXPECT_EQ(r.log.back(), "exit\t0");
}

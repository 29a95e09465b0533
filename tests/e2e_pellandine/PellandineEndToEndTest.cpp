// The real program run headless by script: first start, the deal, scripted
// removals read from the screen, the options that outlive a restart and the
// farewell.
#include <gtest/gtest.h>

#include <vector>

#include "PellandineDevice.h"
#include "games/pellandine/TableLayout.h"

using namespace pellandine_e2e;
using testing_support::PngImage;
using testing_support::RunResult;

namespace {

// Configure -> Game... -> a variation row -> OK: the new variation is dealt.
std::string chooseVariation(int gameType) {
    return "tap 55 8\nwait 150\ntap 60 46\nwait 150\ntap 50 " +
           std::to_string(70 + 20 * (gameType - 1) + 4) + "\nwait 150\ntap 190 290\nwait 2500\n";
}

}  // namespace

// A first start writes every default of the program's table and shows no
// panel or box; Up deals nothing on the start-up and About screens but does
// on the table; Down then says thank you in a box and ends with 0.
TEST(PellandineEndToEnd, FirstStartDefaultsUpOnlyDealsOnTheTableAndDownSaysThankYou) {
    Device device;
    ASSERT_TRUE(device.installed());
    RunResult r =
        device.run("wait 300\nkey up\nwait 2000\n" + device.shotLine("startup_up") +
                   "tap 120 160\nwait 300\ntap 225 8\nwait 150\ntap 200 62\nwait 200\n"
                   "key up\nwait 2000\n" +
                   device.shotLine("about_up") + "tap 190 290\nwait 200\nkey up\nwait 2500\n" +
                   device.shotLine("dealt_by_up") + "key down\nwait 300\n");
    EXPECT_EQ(r.exitCode, 0);
    const int box = r.logIndex("messagebox\tPellandine Solitaire\tThank you for playing!");
    EXPECT_GE(box, 0);
    EXPECT_EQ(r.logIndex("messagebox"), box);    // no other panel or box before it
    EXPECT_EQ(r.logIndex("script\tended"), -1);  // Down ended it, not the end of the script
    EXPECT_GT(r.logIndex("taskbar\tshown"), box);
    EXPECT_EQ(r.log.back(), "exit\t0");
    const std::pair<const char*, long> dwords[] = {
        {"MinorVersion", 0},     {"MajorVersion", 2},   {"CardBack", 5},
        {"DisplayCardsLeft", 1}, {"DisplayPrompts", 1}, {"DisplayDialogs", 1},
        {"SlideChallenge", 0},   {"SoundsOn", 1},       {"GameType", 4},
    };
    for (const auto& [name, value] : dwords) EXPECT_EQ(device.dword(name), value) << name;
    for (const char* list : {"PairsScores", "Sum10Scores", "Sum11Scores", "Sum14Scores"}) {
        EXPECT_EQ(device.text(list), "0 0 0 0 0 0 0 0 0 0 ") << list;
    }
    PngImage startup, about, dealt;
    ASSERT_TRUE(device.load("startup_up", &startup));
    EXPECT_EQ(pixel565(startup, 5, 300), 0x001F);  // still the blue start-up screen
    ASSERT_TRUE(device.load("about_up", &about));
    EXPECT_EQ(pixel565(about, 5, 300), 0xFFFF);                    // still About's white page
    EXPECT_GT(countColour(about, 20, 162, 100, 173, 0x0000), 10);  // "Version 2.0"
    ASSERT_TRUE(device.load("dealt_by_up", &dealt));
    EXPECT_EQ(readTable(dealt, pellandine::kSum14).cardsRead, 10);
}

TEST(PellandineEndToEnd, ARemovalReadFromTheScreenScoresAndNewEntersItInTheList) {
    Device device;
    // First run: the deal, read off the screen.
    const ReadTable table = dealAndRead(device, "sum14_dealt");
    ASSERT_TRUE(table.ok);
    const std::vector<pellandine::Group> groups = groupsOn(table.grid);
    ASSERT_FALSE(groups.empty()) << "try another DECKHOLLOW_TICK0: this deal has no group";
    const pellandine::Group group = groups.front();

    // Second run, the same clock: the same deal, the group tapped, then "New"
    // (the Up key) offers the score and the list is shown by the Right key.
    RunResult second =
        device.run(kDealScript + device.shotLine("sum14_again") +
                   tapsFor(table.grid, group.index, group.size) + "wait 300\n" +
                   device.shotLine("sum14_removed") + "key up\nwait 2500\nkey right\nwait 200\n" +
                   device.shotLine("sum14_scores"));
    ASSERT_EQ(second.exitCode, 0);
    PngImage sameDeal, after, list;
    ASSERT_TRUE(device.load("sum14_again", &sameDeal));
    ReadTable replay = readTable(sameDeal, pellandine::kSum14);
    for (int i = 0; i < pellandine::kSlotCount; ++i) {
        EXPECT_EQ(replay.grid.at(i).card, table.grid.at(i).card) << i;
    }
    ASSERT_TRUE(device.load("sum14_removed", &after));
    ReadTable left = readTable(after, pellandine::kSum14);
    EXPECT_EQ(left.cardsRead, 10 - group.size);
    for (int k = 0; k < group.size; ++k) EXPECT_EQ(left.grid.at(group.index[k]).card, nullptr);

    EXPECT_GE(second.logIndex("messagebox\tCongratulations!\tYou made the high score list"), 0);
    EXPECT_EQ(device.text("Sum14Scores"), std::to_string(group.size) + " 0 0 0 0 0 0 0 0 0 ");
    // The list shows one row, "SUM 14" and the score, black on white.
    ASSERT_TRUE(device.load("sum14_scores", &list));
    EXPECT_GT(countColour(list, 64, 97, 169, 107, 0x0000), 20);
    EXPECT_EQ(countColour(list, 64, 112, 169, 122, 0x0000), 0);
}

TEST(PellandineEndToEnd, EachVariationDealsItsOwnTable) {
    Device device;
    const int expected[5] = {0, 20, 13, 20, 10};
    std::string script = kPastStartup;
    for (int type = pellandine::kPairs; type <= pellandine::kSum11; ++type) {
        script += chooseVariation(type) + device.shotLine("variation" + std::to_string(type));
    }
    script += "tap 25 115\nwait 2500\n" + device.shotLine("variation4");
    script += chooseVariation(pellandine::kSum11);  // back to a variation already set: no deal
    RunResult r = device.run(script);
    ASSERT_EQ(r.exitCode, 0);
    for (int type = pellandine::kPairs; type <= pellandine::kSum14; ++type) {
        const std::string name = "variation" + std::to_string(type);
        PngImage image;
        ASSERT_TRUE(device.load(name, &image));
        // Sum 14 was chosen last above, and dealt by a deck tap.
        const int shownType = type == pellandine::kSum14 ? pellandine::kSum11 : type;
        ReadTable table = readTable(image, shownType);
        EXPECT_TRUE(table.ok) << name;
        EXPECT_EQ(table.cardsRead, expected[shownType]) << name;
        if (shownType == pellandine::kSum11) {
            // Face cards always lie under a card of value 1 to 10.
            for (int i = 0; i < pellandine::kSlotCount; ++i) {
                const auto* card = table.grid.at(i).card;
                EXPECT_TRUE(card == nullptr || card->rank < 10) << name << " slot " << i;
            }
        }
    }
    EXPECT_EQ(device.dword("GameType"), 3);
}

TEST(PellandineEndToEnd, AChangedVariationAndTheFirstThemeSurviveARestart) {
    Device device;
    RunResult first =
        device.run(kPastStartup + chooseVariation(pellandine::kSum10) +
                   "tap 55 8\nwait 150\ntap 60 30\nwait 150\n"  // Configure -> Appearance...
                   "tap 60 119\nwait 150\n"                     // "Standard 1"
                   "tap 190 290\nwait 150\nkey down\nwait 300\n");
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(device.dword("GameType"), 2);
    EXPECT_EQ(device.dword("CardBack"), 0);

    RunResult second = device.run(kPastStartup + device.shotLine("restarted_sum10_theme0"));
    ASSERT_EQ(second.exitCode, 0);
    EXPECT_EQ(device.dword("GameType"), 2);
    EXPECT_EQ(device.dword("CardBack"), 0);
    PngImage image;
    ASSERT_TRUE(device.load("restarted_sum10_theme0", &image));
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
    RunResult r = device.run(kDealScript + device.shotLine("gametype0"));
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.logIndex("messagebox"), -1);  // not a damaged store: no recovery panel
    EXPECT_EQ(device.dword("GameType"), 1);
    EXPECT_EQ(device.dword("CardBack"), 2);
    PngImage image;
    ASSERT_TRUE(device.load("gametype0", &image));
    EXPECT_EQ(readTable(image, pellandine::kPairs, 0x001F).cardsRead, 20);  // Standard 3
}

// A tap made while the cards of the first deal are still flying in is kept
// and reaches the game once the deal has landed: the card tapped 400 ms
// after the deck is selected. The same run without that tap shows the card
// plain; every other place is alike in both.
TEST(PellandineEndToEnd, ATapDuringTheDealSelectsTheCardOnceTheDealHasLanded) {
    Device device;
    ASSERT_TRUE(device.installed());
    const std::string deckTap = kPastStartup + "tap 25 115\nwait 400\n";
    RunResult plain = device.run(deckTap + "wait 2500\n" + device.shotLine("deal_plain"));
    ASSERT_EQ(plain.exitCode, 0);
    PngImage before;
    ASSERT_TRUE(device.load("deal_plain", &before));
    ReadTable table = readTable(before, pellandine::kSum14);
    ASSERT_TRUE(table.ok);
    ASSERT_EQ(table.cardsRead, 10);
    int tapped = -1;
    for (int i = 0; i < pellandine::kSlotCount && tapped < 0; ++i) {
        if (table.grid.at(i).card != nullptr) tapped = i;
    }
    ASSERT_GE(tapped, 0);

    // The deal takes ten flights of 60 ms: the tap lands in the middle of it.
    RunResult busy = device.run(deckTap + tapsFor(table.grid, &tapped, 1) + "wait 2500\n" +
                                device.shotLine("deal_tapped"));
    ASSERT_EQ(busy.exitCode, 0);
    PngImage after;
    ASSERT_TRUE(device.load("deal_tapped", &after));
    ReadTable read = readTable(after, pellandine::kSum14);
    for (int i = 0; i < pellandine::kSlotCount; ++i) {
        EXPECT_EQ(read.grid.at(i).card, table.grid.at(i).card) << i;
    }
    // The selection is the highlight ring two pixels wide around the card:
    // only there do the two screens differ.
    const pellandine::ScreenPoint slot =
        pellandine::slotPlace(pellandine::kSum14, table.grid.at(tapped));
    int inRing = 0, elsewhere = 0;
    for (int y = 0; y < 320; ++y) {
        for (int x = 0; x < 240; ++x) {
            if (pixel565(before, x, y) == pixel565(after, x, y)) continue;
            const bool ring =
                x >= slot.x - 2 && x <= slot.x + 31 && y >= slot.y - 2 && y <= slot.y + 47;
            ++(ring ? inRing : elsewhere);
        }
    }
    EXPECT_GT(inRing, 200) << "the card tapped during the deal is not selected";
    EXPECT_EQ(elsewhere, 0);
}

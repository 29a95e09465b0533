// The program's start and end, its settings in the registry, and the pages
// that change them: first-start defaults, the splash and the first deal,
// Configure Game's restart, a theme kept across starts, the farewell.

#include <gtest/gtest.h>

#include <algorithm>

#include "VelloranRun.h"
#include "gamekit/cards/CardTheme.h"

using namespace velloran_e2e;

namespace {

const std::string kCardflick = "sound\t\\Program Files\\Tarnwick Software\\Deckhollow\\TarnwickSoftware_Cardflick.wav";

int countLines(const RunResult& r, const std::string& line, int from = 0) {
    return static_cast<int>(std::count(r.log.begin() + from, r.log.end(), line));
}

int shotIndex(const RunResult& r, const std::string& name) {
    const std::string prefix = "shot\t" + shotPath(name);
    for (size_t i = 0; i < r.log.size(); ++i) {
        if (r.log[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    }
    return -1;
}

constexpr int kConfigureGameOkX = 190, kConfigureGameOkY = 290;
constexpr int kHollywoodLineY = 145;

}  // namespace

TEST(VelloranStart, AFirstStartWritesEveryDefaultAndDownSaysFarewell) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    RunResult r = runVelloran(root, kStart + "key down\nwait 300\n" + shot("farewell") + "tap 120 160\nwait 300\n");
    EXPECT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_TRUE(r.logHas("taskbar\tshown"));
    const struct {
        const wchar_t* name;
        uint32_t value;
    } defaults[] = {{L"MinorVersion", 0},     {L"MajorVersion", 2},       {L"CardBack", 5},
                    {L"DisplayScore", 1},     {L"DisplayCardsInDeck", 0}, {L"Deal10Cards", 1},
                    {L"HollywoodScoring", 0}, {L"PointsToWin", 100},      {L"DisplayHints", 0},
                    {L"AnimationSpeed", 6},   {L"SoundsOn", 1},           {L"GameType", 1}};
    for (const auto& d : defaults) {
        const StoredValue v = storedValue(root, d.name);
        EXPECT_TRUE(v.found) << std::string(d.name, d.name + wcslen(d.name));
        EXPECT_EQ(v.number, d.value) << std::string(d.name, d.name + wcslen(d.name));
    }
    // The farewell panel stands over the table: its white body in the middle.
    testing_support::PngImage farewell;
    ASSERT_TRUE(farewell.load(shotPath("farewell")));
    EXPECT_EQ(farewell.at(120, 160), 0xFFFFFFu);
}

TEST(VelloranStart, TheSplashTapDealsTenCardsEachAndOffersTheUpcard) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    TablePredictor p;
    p.startFirstGame();
    RunResult r = runVelloran(root, "wait 200\n" + shot("splash") + tap(120, 160, 3000) + shot("first-deal") + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    // The deal: the new hand's click, then ten passes of the card flick.
    EXPECT_GE(countLines(r, kCardflick), 10);
    testing_support::PngImage splash, deal;
    ASSERT_TRUE(splash.load(shotPath("splash")));
    ASSERT_TRUE(deal.load(shotPath("first-deal")));
    EXPECT_EQ(splash.at(5, 5), 0x0000FFu);  // the blue start-up screen
    const VelloranGame& g = p.game();
    // The person's cards stand in their slots; the slots around them show
    // empty places filled with the table colour.
    const uint32_t table = deal.at(3, 100);
    for (int slot = 0; slot < velloran::kPlayerSlots; ++slot) {
        const int x = 9 + 12 * slot + 8;
        const bool card = g.playerSlot(slot) != velloran::kNoCard;
        EXPECT_EQ(deal.at(x, 300) != table, card) << "slot " << slot;
    }
    EXPECT_EQ(g.playerCardCount(), 10);
    EXPECT_GE(g.computerCardCount(), 10);
}

TEST(VelloranStart, ChangingTheScoringOnConfigureGameStartsANewGame) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    const std::string configureGame = menu(kConfigureMenuX, 1);
    const std::string hollywood = tap(100, kHollywoodLineY, 200);
    const std::string ok = tap(kConfigureGameOkX, kConfigureGameOkY, 3000);
    // On and off again before OK: the same scoring, no new game. Then on:
    // a new game is dealt.
    RunResult r = runVelloran(root, kStart + configureGame + shot("configure-game") + hollywood + hollywood +
                                        ok + shot("after-no-change") + configureGame + hollywood +
                                        shot("configure-hollywood") + ok + shot("after-hollywood") + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    const int noChange = shotIndex(r, "after-no-change");
    const int before = shotIndex(r, "configure-hollywood");
    const int after = shotIndex(r, "after-hollywood");
    ASSERT_GE(noChange, 0);
    ASSERT_GE(after, 0);
    const int firstDeal = countLines(r, kCardflick) - countLines(r, kCardflick, shotIndex(r, "configure-game"));
    EXPECT_GE(firstDeal, 10);
    EXPECT_EQ(std::count(r.log.begin() + shotIndex(r, "configure-game"), r.log.begin() + noChange, kCardflick), 0);
    EXPECT_GE(std::count(r.log.begin() + before, r.log.begin() + after, kCardflick), 10);
    EXPECT_EQ(storedValue(root, L"HollywoodScoring").number, 1u);
    // A tap between the lines (y 110) changes nothing.
    RunResult again = runVelloran(root, kStart + configureGame + tap(100, 110, 200) + ok + kEnd);
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(storedValue(root, L"HollywoodScoring").number, 1u);
    EXPECT_EQ(storedValue(root, L"Deal10Cards").number, 1u);
}

TEST(VelloranStart, TheFirstThemeIsKeptAcrossAStart) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    const std::string appearance = menu(kConfigureMenuX, 0);
    RunResult first = runVelloran(root, kStart + shot("theme5-table") + appearance + tap(60, 135, 200) +
                                            shot("appearance-theme0") +
                                            tap(190, 290, 300) + kEnd);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(storedValue(root, L"CardBack").number, 0u);
    RunResult second = runVelloran(root, kStart + shot("theme0-table") + kEnd);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(storedValue(root, L"CardBack").number, 0u);
    testing_support::PngImage table, before;
    ASSERT_TRUE(table.load(shotPath("theme0-table")));
    ASSERT_TRUE(before.load(shotPath("theme5-table")));
    EXPECT_EQ(table.at(3, 100), screenColour(gamekit::kStandardThemes[0].tableColour));
    // The stock shows the first theme's back, not the default's.
    int differing = 0;
    for (int y = 147; y < 188; ++y) {
        for (int x = 79; x < 105; ++x) differing += table.at(x, y) != before.at(x, y);
    }
    EXPECT_GT(differing, 100);
}

TEST(VelloranStart, StoredValuesOutOfRangeAreWrittenBackCorrected) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    RunResult first = runVelloran(root, kStart + kEnd);
    ASSERT_EQ(first.exitCode, 0);
    storeDword(root, L"CardBack", 12);
    storeDword(root, L"PointsToWin", 150);
    storeDword(root, L"AnimationSpeed", 20);
    RunResult r = runVelloran(root, kStart + shot("corrected-theme") + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(storedValue(root, L"CardBack").number, 5u);
    EXPECT_EQ(storedValue(root, L"PointsToWin").number, 100u);
    EXPECT_EQ(storedValue(root, L"AnimationSpeed").number, 5u);
}

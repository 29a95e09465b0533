// The Rules and Help texts and the options as the settings record holds them.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/ui/Screens.h"
#include "games/velloran/VelloranSettings.h"
#include "games/velloran/table/VelloranOptions.h"
#include "games/velloran/table/VelloranTexts.h"

using namespace velloran;

TEST(VelloranRules, OneHundredEighteenLinesOnSevenPagesUnderFiveHeadings) {
    EXPECT_EQ(kRulesLineCount, 118);
    gamekit::Pager pager("Rules", kRulesLines, kRulesLineCount);
    EXPECT_EQ(pager.pageCount(), 7);
    std::vector<std::string> headings;
    for (int i = 0; i < kRulesLineCount; ++i) {
        const char* line = kRulesLines[i];
        EXPECT_LE(std::strlen(line), 49u) << i;
        ASSERT_GT(std::strlen(line), 0u) << i;
        if (line[0] != ' ') headings.push_back(line);
    }
    const std::vector<std::string> expected = {"Objective:", "Play:   ", "Scoring a Hand:   ",
                                               "Game Scoring:   ", "Hollywood Scoring:"};
    EXPECT_EQ(headings, expected);
}

TEST(VelloranRules, TheHelpPageNamesBothKeys) {
    ASSERT_GE(kHelpLineCount, 5);
    EXPECT_STREQ(kHelpLines[0], "");
    EXPECT_STREQ(kHelpLines[1], "Hardware Keys:");
    EXPECT_STREQ(kHelpLines[2], "      uparrow - new game");
    EXPECT_STREQ(kHelpLines[3], "      downarrow - exit");
    // The icons sit on the key lines (drawn from y 26 in steps of 14).
    EXPECT_EQ(kUpKeyIconY, 26 + 14 * 2 + 2);
    EXPECT_EQ(kDownKeyIconY, 26 + 14 * 3 + 2);
}

namespace {

gamekit::SettingsRecord defaults() {
    gamekit::SettingsRecord record{};
    gamekit::fillDefaults(velloranSettings, record);
    return record;
}

int32_t& value(gamekit::SettingsRecord& r, const wchar_t* name) {
    return gamekit::settingValue(velloranSettings, r, name);
}

}  // namespace

TEST(VelloranOptions, FirstStartDefaults) {
    gamekit::SettingsRecord record = defaults();
    const VelloranOptions o = loadOptions(record);
    EXPECT_EQ(o.cardBack, 5);
    EXPECT_TRUE(o.displayScore);
    EXPECT_FALSE(o.displayCardsInDeck);
    EXPECT_TRUE(o.deal10Cards);
    EXPECT_FALSE(o.hollywood);
    EXPECT_EQ(o.pointsToWin, 100);
    EXPECT_FALSE(o.displayHints);
    EXPECT_EQ(o.animationSpeed, 6);
    EXPECT_TRUE(o.soundOn);
    EXPECT_EQ(o.gameType, 1);
    const Options rules = rulesOptions(o);
    EXPECT_EQ(rules.level, Level::Standard);
    EXPECT_TRUE(rules.deal10Cards);
}

// Values out of range are read corrected and written back corrected; the
// first theme (0) and "no animation" (-1) are values, not faults.
TEST(VelloranOptions, OutOfRangeValuesAreReadAndWrittenBackCorrected) {
    const struct {
        const wchar_t* name;
        int stored, taken;
    } cases[] = {
        {L"CardBack", 0, 0},         {L"CardBack", 8, 8},         {L"CardBack", 9, 5},
        {L"CardBack", -1, 5},        {L"CardBack", 12, 5},        {L"PointsToWin", 300, 300},
        {L"PointsToWin", 150, 100},  {L"PointsToWin", 0, 100},    {L"AnimationSpeed", -1, -1},
        {L"AnimationSpeed", 9, 9},   {L"AnimationSpeed", 10, 5},  {L"AnimationSpeed", -2, 5},
        {L"GameType", 2, 2},         {L"GameType", 3, 1},         {L"HollywoodScoring", 2, 0},
    };
    for (const auto& c : cases) {
        gamekit::SettingsRecord record = defaults();
        value(record, c.name) = c.stored;
        const VelloranOptions o = loadOptions(record);
        storeOptions(o, record);
        EXPECT_EQ(value(record, c.name), c.taken) << std::string(c.name, c.name + wcslen(c.name))
                                                  << " " << c.stored;
    }
}

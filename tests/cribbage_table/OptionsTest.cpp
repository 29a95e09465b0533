// The stored options as the program takes them over and writes them back:
// each value by its own rule, the first theme kept, the repaired value the
// one that is stored again.

#include <gtest/gtest.h>

#include "gamekit/settings/SettingsRecord.h"
#include "games/cribbage/CribbageSettings.h"
#include "games/cribbage/table/CribbageOptions.h"

using namespace cribbage;
using gamekit::settingValue;

namespace {

gamekit::SettingsRecord defaults() {
    gamekit::SettingsRecord record{};
    gamekit::fillDefaults(cribbageSettings, record);
    return record;
}

int32_t& value(gamekit::SettingsRecord& r, const wchar_t* name) {
    return settingValue(cribbageSettings, r, name);
}

}  // namespace

TEST(CribbageOptions, DefaultsAreTheProgramsBaseline) {
    gamekit::SettingsRecord record = defaults();
    const CribbageOptions o = loadOptions(record);
    EXPECT_EQ(o.cardBack, 5);
    EXPECT_TRUE(o.displayScore && o.soundOn && o.learningMessages && o.multipleGames);
    EXPECT_EQ(o.computerAI, 1);
    EXPECT_EQ(o.hintType, 0);
    EXPECT_EQ(o.redWins + o.blueWins, 0);
    EXPECT_EQ(o.animationSpeed, 4);
    EXPECT_EQ(o.majorVersion, 2);
    EXPECT_EQ(o.minorVersion, 0);
}

TEST(CribbageOptions, EachStoredValueIsTakenByItsRuleAndWrittenBackRepaired) {
    struct Case {
        const wchar_t* name;
        int stored, taken;
    } cases[] = {
        {L"CardBack", 0, 0},        {L"CardBack", 8, 8},        {L"CardBack", 9, 5},
        {L"CardBack", -1, 5},       {L"ComputerAI", 7, 1},      {L"ComputerAI", 2, 2},
        {L"HintType", -1, 0},       {L"HintType", 2, 2},        {L"RedWins", 6, 0},
        {L"RedWins", 5, 5},         {L"BlueWins", -2, 0},       {L"AnimationSpeed", 10, 5},
        {L"AnimationSpeed", -1, -1}, {L"AnimationSpeed", -2, 5}, {L"AnimationSpeed", 9, 9},
    };
    for (const Case& c : cases) {
        gamekit::SettingsRecord record = defaults();
        value(record, c.name) = c.stored;
        storeOptions(loadOptions(record), record);
        EXPECT_EQ(value(record, c.name), c.taken) << "stored " << c.stored;
    }
}

TEST(CribbageOptions, SwitchesAreOnOnlyAsOne) {
    gamekit::SettingsRecord record = defaults();
    value(record, L"DisplayScore") = 2;
    value(record, L"Tournament") = 0;
    value(record, L"HelpMsgs") = 7;
    const CribbageOptions o = loadOptions(record);
    EXPECT_FALSE(o.displayScore);
    EXPECT_FALSE(o.multipleGames);
    EXPECT_FALSE(o.learningMessages);
    storeOptions(o, record);
    EXPECT_EQ(value(record, L"DisplayScore"), 0);
    EXPECT_EQ(value(record, L"HelpMsgs"), 0);
    const GameOptions g = o.gameOptions();
    EXPECT_FALSE(g.multipleGames);
    EXPECT_FALSE(g.learningMessages);
}

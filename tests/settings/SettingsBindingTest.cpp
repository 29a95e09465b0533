// The one routine that takes bound values out of a record and puts them back.
#include <gtest/gtest.h>

#include "gamekit/settings/SettingsBinding.h"

using namespace gamekit;

namespace {

struct Options {
    int cardBack = -1;
    bool soundsOn = false;
    bool expert = false;
};

constexpr SettingRow kRows[] = {
    settings::kMinorVersion,
    settings::kMajorVersion,
    settings::kCardBack,
    settings::flag(L"SoundsOn", 1),
    {L"GameType", SettingType::Dword, 0, SettingRule::NonZeroFlag},
};
const SettingsTable kTable = {L"SOFTWARE\\Test", L"Software\\Test", kRows, settings::countOf(kRows),
                              settings::kStandardTexts};

constexpr SettingBinding<Options> kBindings[] = {
    {L"CardBack", &Options::cardBack},
    {L"SoundsOn", &Options::soundsOn},
    {L"GameType", &Options::expert},
};

}  // namespace

TEST(SettingsBinding, EachValueIsTakenByItsRuleAndStoredBack) {
    SettingsRecord record{};
    fillDefaults(kTable, record);
    Options options;
    readBoundSettings(kTable, record, kBindings, options);
    EXPECT_EQ(options.cardBack, 5);
    EXPECT_TRUE(options.soundsOn);
    EXPECT_FALSE(options.expert);

    // A theme outside 0..8 is 5; a flag stored as 2 is off; GameType 7 is on.
    settingValue(kTable, record, L"CardBack") = 9;
    settingValue(kTable, record, L"SoundsOn") = 2;
    settingValue(kTable, record, L"GameType") = 7;
    readBoundSettings(kTable, record, kBindings, options);
    EXPECT_EQ(options.cardBack, 5);
    EXPECT_FALSE(options.soundsOn);
    EXPECT_TRUE(options.expert);

    options.cardBack = 3;
    writeBoundSettings(kTable, record, kBindings, options);
    EXPECT_EQ(settingValue(kTable, record, L"CardBack"), 3);
    EXPECT_EQ(settingValue(kTable, record, L"SoundsOn"), 0);
    EXPECT_EQ(settingValue(kTable, record, L"GameType"), 1);
    EXPECT_EQ(record.words[kMajorVersionWord], 2);  // unbound values are left alone
}

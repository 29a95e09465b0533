#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/settings/SettingsStore.h"
#include "games/cribbage/CribbageSettings.h"
#include "games/pellandine/PellandineSettings.h"
#include "games/reflection/table/ReflectionSettings.h"
#include "games/velloran/VelloranSettings.h"
#include "tools/gallery/GallerySettings.h"

using namespace gamekit;
using cribbage::cribbageSettings;
using gallery::gallerySettings;
using pellandine::pellandineSettings;
using reflection::reflectionSettings;
using velloran::velloranSettings;

namespace {

struct Expected {
    const wchar_t* name;
    bool list;
    int32_t initial;
};

// Every table starts with the versions and the card back; `expected` lists
// what follows them.
void expectTable(const SettingsTable& table, std::vector<Expected> expected) {
    expected.insert(
        expected.begin(),
        {{L"MinorVersion", false, 0}, {L"MajorVersion", false, 2}, {L"CardBack", false, 5}});
    ASSERT_EQ(table.count, static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(std::wstring(table.rows[i].name), expected[i].name) << i;
        EXPECT_EQ(table.rows[i].type == SettingType::List, expected[i].list) << i;
        EXPECT_EQ(table.rows[i].defaultValue, expected[i].initial) << i;
    }
}

int32_t take(const SettingsTable& table, const wchar_t* name, int32_t stored) {
    for (int i = 0; i < table.count; ++i) {
        if (std::wstring(table.rows[i].name) == name) return table.rows[i].take(stored);
    }
    ADD_FAILURE() << "no value";
    return 0;
}

}  // namespace

TEST(SettingsTables, EachProgramListsItsValuesInRecordOrder) {
    expectTable(velloranSettings, {{L"DisplayScore", false, 1},
                                   {L"DisplayCardsInDeck", false, 0},
                                   {L"Deal10Cards", false, 1},
                                   {L"HollywoodScoring", false, 0},
                                   {L"PointsToWin", false, 100},
                                   {L"DisplayHints", false, 0},
                                   {L"AnimationSpeed", false, 6},
                                   {L"SoundsOn", false, 1},
                                   {L"GameType", false, 1}});
    expectTable(cribbageSettings, {{L"DisplayScore", false, 1},
                                   {L"SoundsOn", false, 1},
                                   {L"HelpMsgs", false, 1},
                                   {L"ComputerAI", false, 1},
                                   {L"RedWins", false, 0},
                                   {L"BlueWins", false, 0},
                                   {L"Tournament", false, 1},
                                   {L"HintType", false, 0},
                                   {L"AnimationSpeed", false, 4},
                                   {L"GameType", false, 0}});
    expectTable(pellandineSettings, {{L"DisplayCardsLeft", false, 1},
                                     {L"DisplayPrompts", false, 1},
                                     {L"DisplayDialogs", false, 1},
                                     {L"SlideChallenge", false, 0},
                                     {L"SoundsOn", false, 1},
                                     {L"GameType", false, 4},
                                     {L"PairsScores", true, 0},
                                     {L"Sum10Scores", true, 0},
                                     {L"Sum11Scores", true, 0},
                                     {L"Sum14Scores", true, 0}});
    expectTable(reflectionSettings, {{L"DisplayScore", false, 1},
                                     {L"DisplayTime", false, 1},
                                     {L"SoundsOn", false, 1},
                                     {L"GameType", false, 0},
                                     {L"NormalScores", true, 0},
                                     {L"NormalTimes", true, 999},
                                     {L"ExpertScores", true, 0},
                                     {L"ExpertTimes", true, 999}});
    expectTable(gallerySettings, {{L"SoundsOn", false, 1},
                                  {L"AnimationSpeed", false, 6},
                                  {L"DisplayHints", false, 0},
                                  {L"DisplayScore", false, 1}});
}

TEST(SettingsTables, KeysAndRecordLayout) {
    EXPECT_EQ(std::wstring(reflectionSettings.key),
              L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Revoviradi");
    EXPECT_EQ(std::wstring(pellandineSettings.writerKey),
              L"Software\\Tarnwick Software\\Deckhollow\\Pellandine");
    EXPECT_EQ(std::wstring(gallerySettings.key),
              L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Gallery");
    EXPECT_EQ(velloranSettings.words(), 12);
    EXPECT_EQ(pellandineSettings.words(), 9 + 40);
    EXPECT_EQ(reflectionSettings.words(), 7 + 40);
    EXPECT_LE(pellandineSettings.words(), kSettingsRecordWords);
    EXPECT_EQ(reflectionSettings.offsetOf(L"NormalTimes"), 17);
    EXPECT_EQ(reflectionSettings.offsetOf(L"ExpertTimes"), 37);
    SettingsRecord record;
    fillDefaults(reflectionSettings, record);
    EXPECT_EQ(settingList(reflectionSettings, record, L"ExpertTimes")[9], 999);
    EXPECT_EQ(settingList(reflectionSettings, record, L"ExpertScores")[9], 0);
    EXPECT_EQ(record.words[47], 0);  // past the table nothing is left unset
}

// The Velloran and Pellandine panels are shown exactly by the loader tests;
// these are the texts of the other programs.
TEST(SettingsTables, PanelTextsOfTheOtherPrograms) {
    EXPECT_STREQ(reflectionSettings.texts.versionText,
                 "Version Error. Please deinstall previous version first!");
    EXPECT_STREQ(cribbageSettings.texts.versionHeading, "Version Mismatch:");
}

TEST(SettingsTables, StoredValuesAreTakenByTheirRules) {
    EXPECT_EQ(take(velloranSettings, L"PointsToWin", 250), 100);
    EXPECT_EQ(take(velloranSettings, L"PointsToWin", 300), 300);
    EXPECT_EQ(take(velloranSettings, L"AnimationSpeed", 12), 5);
    EXPECT_EQ(take(velloranSettings, L"AnimationSpeed", -1), -1);
    EXPECT_EQ(take(velloranSettings, L"AnimationSpeed", -2), 5);
    EXPECT_EQ(take(velloranSettings, L"AnimationSpeed", 9), 9);
    EXPECT_EQ(take(velloranSettings, L"GameType", 3), 1);
    EXPECT_EQ(take(velloranSettings, L"DisplayScore", 2), 0);
    EXPECT_EQ(take(velloranSettings, L"DisplayScore", 1), 1);
    for (const SettingsTable* table : {&velloranSettings, &cribbageSettings, &pellandineSettings,
                                       &reflectionSettings, &gallerySettings}) {
        EXPECT_EQ(take(*table, L"CardBack", 0), 0);
        EXPECT_EQ(take(*table, L"CardBack", 8), 8);
        EXPECT_EQ(take(*table, L"CardBack", 9), 5);
        EXPECT_EQ(take(*table, L"CardBack", -1), 5);
    }
    EXPECT_EQ(take(cribbageSettings, L"RedWins", 6), 0);
    EXPECT_EQ(take(cribbageSettings, L"HintType", 3), 0);
    EXPECT_EQ(take(cribbageSettings, L"ComputerAI", -1), 1);
    EXPECT_EQ(take(cribbageSettings, L"AnimationSpeed", 10), 5);
    EXPECT_EQ(take(cribbageSettings, L"GameType", 77), 77);  // kept, not read
    EXPECT_EQ(take(pellandineSettings, L"GameType", 0), 0);
    EXPECT_EQ(take(pellandineSettings, L"GameType", 5), 4);
    EXPECT_EQ(take(reflectionSettings, L"GameType", 7), 1);
    EXPECT_EQ(take(reflectionSettings, L"GameType", 0), 0);
    EXPECT_EQ(take(reflectionSettings, L"NormalTimes", 1200), 999);
    EXPECT_EQ(take(reflectionSettings, L"NormalScores", -5), 0);
    EXPECT_EQ(take(reflectionSettings, L"ExpertScores", 201), 200);
}

TEST(SettingsLists, WrittenWithATrailingBlankAndReadBack) {
    int32_t list[10] = {52, 40, 38, 0, 0, 0, 0, 0, 0, -7};
    EXPECT_EQ(formatSettingsList(list), L"52 40 38 0 0 0 0 0 0 -7 ");
    int32_t back[10] = {};
    ASSERT_TRUE(parseSettingsList(L"52 40 38 0 0 0 0 0 0 0 ", back));
    EXPECT_EQ(back[0], 52);
    EXPECT_EQ(back[2], 38);
    EXPECT_EQ(back[3], 0);
    ASSERT_TRUE(parseSettingsList(L"1 2 3 4 5 6 7 8 9 -2147483648", back));
    EXPECT_EQ(back[9], INT32_MIN);
}

TEST(SettingsLists, AnythingButTenNumbersIsRefusedAndChangesNothing) {
    int32_t values[10] = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    for (const wchar_t* text :
         {L"", L"1 2 3 4 5 6 7 8 9", L"1 2 3 4 5 6 7 8 9 10 11", L"1 2 3 4 5 6 7 8 9 x",
          L"1 2 3 4 5 6 7 8 9 10x", L"1 2 3 4 5 6 7 8 9 2147483648", L"1 2 3 4 5 6 7 8 9 -",
          L"1 2 3 4 5 6 7 8 9 99999999999999999999", L"1,2,3,4,5,6,7,8,9,10"}) {
        EXPECT_FALSE(parseSettingsList(text, values)) << std::string(text, text + wcslen(text));
    }
    for (int32_t v : values) EXPECT_EQ(v, 9);
}

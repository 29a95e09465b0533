#include <gtest/gtest.h>

#include "gamekit/cards/Random.h"
#include "gamekit/settings/SettingsRecord.h"
#include "games/reflection/rules/ReflectionSession.h"
#include "games/reflection/table/DealSeeds.h"
#include "games/reflection/table/ReflectionOptions.h"
#include "games/reflection/table/ReflectionSettings.h"

using namespace reflection;
using gamekit::settingList;
using gamekit::settingValue;

namespace {

gamekit::SettingsRecord defaults() {
    gamekit::SettingsRecord record{};
    gamekit::fillDefaults(reflectionSettings, record);
    return record;
}

int32_t& value(gamekit::SettingsRecord& r, const wchar_t* name) {
    return settingValue(reflectionSettings, r, name);
}

}  // namespace

TEST(ReflectionOptions, CardBackIsTheThemeIndexWithTheFirstThemeKept) {
    ReflectionSession session;
    gamekit::SettingsRecord record = defaults();
    EXPECT_EQ(loadOptions(record, session).cardBack, 5);
    for (const auto& [stored, taken] : {std::pair{0, 0}, {8, 8}, {9, 5}, {-1, 5}}) {
        value(record, L"CardBack") = stored;
        EXPECT_EQ(loadOptions(record, session).cardBack, taken) << stored;
    }
    // What the store's own rule makes of the stored values agrees.
    value(record, L"CardBack") = 0;
    gamekit::applyRules(reflectionSettings, record);
    EXPECT_EQ(value(record, L"CardBack"), 0);
    value(record, L"CardBack") = 9;
    gamekit::applyRules(reflectionSettings, record);
    EXPECT_EQ(value(record, L"CardBack"), 5);
}

TEST(ReflectionOptions, SwitchesAreOnOnlyAsOneAndAnyOtherGameTypeIsExpert) {
    ReflectionSession session;
    gamekit::SettingsRecord record = defaults();
    ReflectionOptions o = loadOptions(record, session);
    EXPECT_TRUE(o.displayScore && o.displayTime && o.soundOn);
    EXPECT_FALSE(o.expert);
    value(record, L"DisplayScore") = 2;
    value(record, L"GameType") = 7;
    o = loadOptions(record, session);
    EXPECT_FALSE(o.displayScore);
    EXPECT_TRUE(o.expert);
    storeOptions(o, session, record);
    EXPECT_EQ(value(record, L"GameType"), 1);
    EXPECT_EQ(value(record, L"DisplayScore"), 0);
}

TEST(ReflectionOptions, TheListsGoThroughTheRecordOfTheirOwnMode) {
    ReflectionSession session;
    gamekit::SettingsRecord record = defaults();
    settingList(reflectionSettings, record, L"ExpertScores")[0] = 120;
    settingList(reflectionSettings, record, L"ExpertTimes")[0] = 64;
    ReflectionOptions o = loadOptions(record, session);
    EXPECT_EQ(session.expertList().score(0), 120);
    EXPECT_EQ(session.expertList().time(0), 64);
    EXPECT_EQ(session.normalList().score(0), 0);
    EXPECT_EQ(session.normalList().time(0), 999);
    session.normalList().insert(40, 30);
    storeOptions(o, session, record);
    EXPECT_EQ(settingList(reflectionSettings, record, L"NormalScores")[0], 40);
    EXPECT_EQ(settingList(reflectionSettings, record, L"NormalTimes")[0], 30);
    EXPECT_EQ(settingList(reflectionSettings, record, L"NormalTimes")[1], 999);
    EXPECT_EQ(settingList(reflectionSettings, record, L"ExpertScores")[0], 120);
}

TEST(DealSeeds, TheDealsFollowFromTheStartSeedAlone) {
    auto firstDeal = [](uint32_t tick) {
        gamekit::seedRandom(tick);
        ReflectionSession session;
        shuffleAtStart(session);
        session.newGame(nextDealSeed(), ClockTime{});
        std::vector<int> codes;
        for (int i = 0; i < kDeckSize; ++i)
            codes.push_back(cardCode(session.game().deck().cards[i]));
        return codes;
    };
    const std::vector<int> a = firstDeal(1000), b = firstDeal(1000), c = firstDeal(1001);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    // The ace, two, three and four of spades stay on top.
    EXPECT_EQ(std::vector<int>(a.begin(), a.begin() + 4), (std::vector<int>{0, 1, 2, 3}));
}

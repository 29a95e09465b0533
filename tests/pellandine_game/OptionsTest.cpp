// Taking the options over from the settings record: each stored value by its
// rule, and the corrected value written back into the record.
#include <gtest/gtest.h>

#include <algorithm>

#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/settings/SettingsTable.h"
#include "games/pellandine/Options.h"
#include "games/pellandine/rules/Variation.h"

using namespace pellandine;
using gamekit::pellandineSettings;

namespace {

struct Record {
    gamekit::SettingsRecord record{};
    Record() { gamekit::fillDefaults(pellandineSettings, record); }
    int32_t& operator[](const wchar_t* name) {
        return gamekit::settingValue(pellandineSettings, record, name);
    }
    int32_t* list(const wchar_t* name) {
        return gamekit::settingList(pellandineSettings, record, name);
    }
};

}  // namespace

TEST(PellandineOptions, DefaultsAreTakenAsTheyAre) {
    Record r;
    PellandineOptions o;
    ScoreLists scores;
    EXPECT_FALSE(takeOptions(r.record, o, scores));
    EXPECT_EQ(o.cardBack, 5);
    EXPECT_EQ(o.gameType, kSum14);
    EXPECT_TRUE(o.displayCardsLeft && o.displayPrompts && o.displayDialogs && o.soundsOn);
    EXPECT_FALSE(o.slideChallenge);
}

TEST(PellandineOptions, GameTypeZeroIsPairsAndIsStoredCorrected) {
    Record r;
    r[L"GameType"] = 0;
    PellandineOptions o;
    ScoreLists scores;
    EXPECT_TRUE(takeOptions(r.record, o, scores));
    EXPECT_EQ(o.gameType, kPairs);
    EXPECT_EQ(r[L"GameType"], 1);
}

TEST(PellandineOptions, GameTypeOutsideOneToFourIsSum14) {
    for (int stored : {5, 9, -1, -400, 1 << 30}) {
        Record r;
        r[L"GameType"] = stored;
        PellandineOptions o;
        ScoreLists scores;
        takeOptions(r.record, o, scores);
        EXPECT_EQ(o.gameType, kSum14) << stored;
        EXPECT_EQ(r[L"GameType"], 4) << stored;
    }
    for (int stored = 1; stored <= 4; ++stored) {
        Record r;
        r[L"GameType"] = stored;
        PellandineOptions o;
        ScoreLists scores;
        takeOptions(r.record, o, scores);
        EXPECT_EQ(o.gameType, stored);
    }
}

TEST(PellandineOptions, EveryThemeIndexIsKeptTheFirstIncludedAndOthersAreFive) {
    for (int stored = 0; stored <= 8; ++stored) {
        Record r;
        r[L"CardBack"] = stored;
        PellandineOptions o;
        ScoreLists scores;
        takeOptions(r.record, o, scores);
        EXPECT_EQ(o.cardBack, stored);
    }
    for (int stored : {9, -1, 255}) {
        Record r;
        r[L"CardBack"] = stored;
        PellandineOptions o;
        ScoreLists scores;
        EXPECT_TRUE(takeOptions(r.record, o, scores));
        EXPECT_EQ(o.cardBack, 5);
        EXPECT_EQ(r[L"CardBack"], 5);
    }
}

TEST(PellandineOptions, SwitchesAreOnOnlyForOne) {
    Record r;
    r[L"DisplayPrompts"] = 2;
    r[L"DisplayDialogs"] = 0;
    r[L"SlideChallenge"] = 1;
    PellandineOptions o;
    ScoreLists scores;
    takeOptions(r.record, o, scores);
    EXPECT_FALSE(o.displayPrompts);
    EXPECT_FALSE(o.displayDialogs);
    EXPECT_TRUE(o.slideChallenge);
    EXPECT_EQ(r[L"DisplayPrompts"], 0);
}

TEST(PellandineOptions, ScoreListsAreReadAndDamagedEntriesFreed) {
    Record r;
    int32_t* pairs = r.list(L"PairsScores");
    const int32_t stored[10] = {52, 40, 38, 0, 0, 0, 0, 0, 0, 0};
    std::copy(stored, stored + 10, pairs);
    int32_t* sum10 = r.list(L"Sum10Scores");
    const int32_t damaged[10] = {30, 99, -4, 41, 0, 0, 0, 0, 0, 2};
    std::copy(damaged, damaged + 10, sum10);
    PellandineOptions o;
    ScoreLists scores;
    EXPECT_TRUE(takeOptions(r.record, o, scores));
    EXPECT_EQ(scores.list(kPairs)[0], 52);
    EXPECT_EQ(scores.list(kPairs)[2], 38);
    EXPECT_EQ(scores.list(kPairs)[3], 0);
    // 99 and -4 cannot be scores of a 52-card game: free places, the rest
    // best first.
    const int expected[10] = {41, 30, 2, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(scores.list(kSum10)[i], expected[i]) << i;
        EXPECT_EQ(sum10[i], expected[i]) << i;
    }
}

TEST(PellandineOptions, StoreWritesEveryOptionAndList) {
    Record r;
    PellandineOptions o;
    o.cardBack = 0;
    o.gameType = kSum11;
    o.displayCardsLeft = false;
    o.soundsOn = false;
    ScoreLists scores;
    scores.recordScore(kSum11, 17);
    storeOptions(o, scores, r.record);
    EXPECT_EQ(r[L"CardBack"], 0);
    EXPECT_EQ(r[L"GameType"], 3);
    EXPECT_EQ(r[L"DisplayCardsLeft"], 0);
    EXPECT_EQ(r[L"SoundsOn"], 0);
    EXPECT_EQ(r.list(L"Sum11Scores")[0], 17);
    EXPECT_EQ(r.list(L"PairsScores")[0], 0);
}

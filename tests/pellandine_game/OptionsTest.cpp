// Taking the options over from the settings record: each stored value by its
// rule, and the corrected value written back into the record.
#include <gtest/gtest.h>

#include <algorithm>

#include "gamekit/settings/SettingsRecord.h"
#include "games/pellandine/Options.h"
#include "games/pellandine/PellandineSettings.h"
#include "games/pellandine/rules/Variation.h"

using namespace pellandine;

namespace {

struct Record {
    gamekit::SettingsRecord record{};
    ScoreLists scores;
    Record() { gamekit::fillDefaults(pellandineSettings, record); }
    int32_t& operator[](const wchar_t* name) {
        return gamekit::settingValue(pellandineSettings, record, name);
    }
    int32_t* list(const wchar_t* name) {
        return gamekit::settingList(pellandineSettings, record, name);
    }
    // Takes the options over; true when a stored value had to be corrected.
    bool take(PellandineOptions& o) { return takeOptions(record, o, scores); }
};

}  // namespace

TEST(PellandineOptions, GameTypeZeroIsPairsOutsideOneToFourIsSum14AndIsStoredCorrected) {
    struct Case {
        int stored, taken, written;
    };
    const Case cases[] = {{0, kPairs, 1},    {1, 1, 1},           {2, 2, 2},      {3, 3, 3},
                          {4, 4, 4},         {5, kSum14, 4},      {9, kSum14, 4}, {-1, kSum14, 4},
                          {-400, kSum14, 4}, {1 << 30, kSum14, 4}};
    for (const Case& c : cases) {
        Record r;
        r[L"GameType"] = c.stored;
        PellandineOptions o;
        EXPECT_EQ(r.take(o), c.stored != c.written) << c.stored;
        EXPECT_EQ(o.gameType, c.taken) << c.stored;
        EXPECT_EQ(r[L"GameType"], c.written) << c.stored;
    }
}

TEST(PellandineOptions, EveryThemeIndexIsKeptTheFirstIncludedAndOthersAreFive) {
    for (int stored : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 255}) {
        const bool known = stored >= 0 && stored <= 8;
        Record r;
        r[L"CardBack"] = stored;
        PellandineOptions o;
        EXPECT_EQ(r.take(o), !known) << stored;
        EXPECT_EQ(o.cardBack, known ? stored : 5) << stored;
        EXPECT_EQ(r[L"CardBack"], known ? stored : 5) << stored;
    }
}

TEST(PellandineOptions, DefaultsAreTakenAsTheyAreAndSwitchesAreOnOnlyForOne) {
    Record r;
    PellandineOptions o;
    EXPECT_FALSE(r.take(o));
    EXPECT_EQ(o.cardBack, 5);
    EXPECT_EQ(o.gameType, kSum14);
    EXPECT_TRUE(o.displayCardsLeft && o.displayPrompts && o.displayDialogs && o.soundsOn);
    EXPECT_FALSE(o.slideChallenge);
    r[L"DisplayPrompts"] = 2;
    r[L"DisplayDialogs"] = 0;
    r[L"SlideChallenge"] = 1;
    r.take(o);
    EXPECT_FALSE(o.displayPrompts);
    EXPECT_FALSE(o.displayDialogs);
    EXPECT_TRUE(o.slideChallenge);
    EXPECT_EQ(r[L"DisplayPrompts"], 0);
}

TEST(PellandineOptions, ScoreListsAreReadAndDamagedEntriesFreed) {
    Record r;
    const int32_t stored[10] = {52, 40, 38, 0, 0, 0, 0, 0, 0, 0};
    std::copy(stored, stored + 10, r.list(L"PairsScores"));
    const int32_t damaged[10] = {30, 99, -4, 41, 0, 0, 0, 0, 0, 2};
    int32_t* sum10 = r.list(L"Sum10Scores");
    std::copy(damaged, damaged + 10, sum10);
    PellandineOptions o;
    EXPECT_TRUE(r.take(o));
    EXPECT_EQ(r.scores.list(kPairs)[0], 52);
    EXPECT_EQ(r.scores.list(kPairs)[2], 38);
    EXPECT_EQ(r.scores.list(kPairs)[3], 0);
    // 99 and -4 cannot be scores of a 52-card game: free places, the rest
    // best first.
    const int expected[10] = {41, 30, 2, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(r.scores.list(kSum10)[i], expected[i]) << i;
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

#include "games/pellandine/Options.h"

#include <algorithm>
#include <functional>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/settings/SettingsTable.h"
#include "games/pellandine/rules/Variation.h"

namespace pellandine {

namespace {

using gamekit::pellandineSettings;
using gamekit::settingList;
using gamekit::settingValue;

const wchar_t* const kListNames[4] = {L"PairsScores", L"Sum10Scores", L"Sum11Scores",
                                      L"Sum14Scores"};

int32_t& value(gamekit::SettingsRecord& record, const wchar_t* name) {
    return settingValue(pellandineSettings, record, name);
}

bool flag(gamekit::SettingsRecord& record, const wchar_t* name) {
    return value(record, name) == 1;
}

}  // namespace

bool takeOptions(gamekit::SettingsRecord& record, PellandineOptions& options, ScoreLists& scores) {
    const int stored = value(record, L"CardBack");
    options.cardBack = stored >= 0 && stored < gamekit::kThemeCount ? stored : 5;
    options.displayCardsLeft = flag(record, L"DisplayCardsLeft");
    options.displayPrompts = flag(record, L"DisplayPrompts");
    options.displayDialogs = flag(record, L"DisplayDialogs");
    options.slideChallenge = flag(record, L"SlideChallenge");
    options.soundsOn = flag(record, L"SoundsOn");
    options.gameType = normalizeGameType(value(record, L"GameType"));
    for (int type = kPairs; type <= kSum14; ++type) {
        const int32_t* stored = settingList(pellandineSettings, record, kListNames[type - 1]);
        int entries[kScoreListSize];
        for (int i = 0; i < kScoreListSize; ++i) {
            entries[i] = stored[i] >= 0 && stored[i] <= kDeckCards ? stored[i] : 0;
        }
        std::sort(entries, entries + kScoreListSize, std::greater<int>());
        gamekit::GArray<int>& list = scores.list(type);
        for (int i = 0; i < kScoreListSize; ++i) list[i] = entries[i];
    }
    gamekit::SettingsRecord before = record;
    storeOptions(options, scores, record);
    return !std::equal(before.words, before.words + gamekit::kSettingsRecordWords, record.words);
}

void storeOptions(const PellandineOptions& options, const ScoreLists& scores,
                  gamekit::SettingsRecord& record) {
    value(record, L"CardBack") = options.cardBack;
    value(record, L"DisplayCardsLeft") = options.displayCardsLeft ? 1 : 0;
    value(record, L"DisplayPrompts") = options.displayPrompts ? 1 : 0;
    value(record, L"DisplayDialogs") = options.displayDialogs ? 1 : 0;
    value(record, L"SlideChallenge") = options.slideChallenge ? 1 : 0;
    value(record, L"SoundsOn") = options.soundsOn ? 1 : 0;
    value(record, L"GameType") = normalizeGameType(options.gameType);
    for (int type = kPairs; type <= kSum14; ++type) {
        int32_t* stored = settingList(pellandineSettings, record, kListNames[type - 1]);
        const gamekit::GArray<int>& list = scores.list(type);
        for (int i = 0; i < kScoreListSize; ++i) stored[i] = list[i];
    }
}

}  // namespace pellandine

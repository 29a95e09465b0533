#include "games/pellandine/Options.h"

#include <algorithm>
#include <functional>

#include "gamekit/settings/SettingsBinding.h"
#include "games/pellandine/PellandineSettings.h"
#include "games/pellandine/rules/Variation.h"

namespace pellandine {

namespace {

using gamekit::SettingBinding;
using gamekit::settingList;

// The options each value of the table fills.
constexpr SettingBinding<PellandineOptions> kBindings[] = {
    {L"CardBack", &PellandineOptions::cardBack},
    {L"DisplayCardsLeft", &PellandineOptions::displayCardsLeft},
    {L"DisplayPrompts", &PellandineOptions::displayPrompts},
    {L"DisplayDialogs", &PellandineOptions::displayDialogs},
    {L"SlideChallenge", &PellandineOptions::slideChallenge},
    {L"SoundsOn", &PellandineOptions::soundsOn},
    {L"GameType", &PellandineOptions::gameType},
};

}  // namespace

bool takeOptions(gamekit::SettingsRecord& record, PellandineOptions& options, ScoreLists& scores) {
    gamekit::readBoundSettings(pellandineSettings, record, kBindings, options);
    // The table keeps GameType within 0 to 4; 0 is dealt as Pairs.
    options.gameType = normalizeGameType(options.gameType);
    for (int type = kPairs; type <= kSum14; ++type) {
        const int32_t* stored = settingList(pellandineSettings, record, kScoreListNames[type - 1]);
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
    gamekit::writeBoundSettings(pellandineSettings, record, kBindings, options);
    for (int type = kPairs; type <= kSum14; ++type) {
        int32_t* stored = settingList(pellandineSettings, record, kScoreListNames[type - 1]);
        const gamekit::GArray<int>& list = scores.list(type);
        for (int i = 0; i < kScoreListSize; ++i) stored[i] = list[i];
    }
}

}  // namespace pellandine

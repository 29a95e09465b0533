#pragma once

#include "gamekit/settings/SettingsRecord.h"
#include "games/pellandine/rules/ScoreLists.h"

namespace pellandine {

// The program's options as the game uses them.
struct PellandineOptions {
    int cardBack = 5;  // theme index 0 to 8
    bool displayCardsLeft = true;
    bool displayPrompts = true;
    bool displayDialogs = true;
    bool slideChallenge = false;
    bool soundsOn = true;
    int gameType = 4;  // 1 Pairs, 2 Sum 10, 3 Sum 11, 4 Sum 14
};

// Takes the options and the score lists out of the settings record, each by
// its rule: a theme outside 0 to 8 is 5; GameType 0 is Pairs and anything
// else outside 1 to 4 is Sum 14; a score outside 0 to 52 is a free place and
// each list is kept sorted best first. The record is corrected to match, so
// the next save stores the corrected values. Returns whether the record was
// changed.
bool takeOptions(gamekit::SettingsRecord& record, PellandineOptions& options, ScoreLists& scores);

// Copies the options and lists into the record, ready to be written.
void storeOptions(const PellandineOptions& options, const ScoreLists& scores,
                  gamekit::SettingsRecord& record);

}  // namespace pellandine

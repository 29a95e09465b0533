#pragma once

// The program's options as the settings record holds them. Each value is
// taken by its rule in the program's table (CribbageSettings.h): CardBack is
// a theme index 0..8, the strengths and hint types 0..2, the set wins 0..5,
// the animation speed -1..9; anything else reads as the table's fallback,
// which is then what is written back.

#include "gamekit/settings/SettingsRecord.h"
#include "games/cribbage/rules/CribbageGame.h"

namespace cribbage {

struct CribbageOptions {
    int cardBack = 5;  // the index of the chosen theme, 0..8
    bool displayScore = true;
    bool soundOn = true;
    bool learningMessages = true;  // HelpMsgs
    int computerAI = 1;
    int redWins = 0;
    int blueWins = 0;
    bool multipleGames = true;  // Tournament
    int hintType = 0;
    int animationSpeed = 4;
    int majorVersion = 2;
    int minorVersion = 0;

    // What the rules read of them.
    GameOptions gameOptions() const;
};

CribbageOptions loadOptions(gamekit::SettingsRecord& record);
void storeOptions(const CribbageOptions& options, gamekit::SettingsRecord& record);

}  // namespace cribbage

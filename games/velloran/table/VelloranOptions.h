#pragma once

// The program's options as the settings record holds them, each value taken
// by its rule in the program's table (VelloranSettings.h): CardBack a theme
// index 0..8 (else 5), PointsToWin 100 or 300 (else 100), AnimationSpeed -1
// to 9 (else 5), GameType 0..2 (else 1), the switches 0 or 1.

#include "gamekit/settings/SettingsRecord.h"
#include "games/velloran/rules/VelloranGame.h"

namespace velloran {

struct VelloranOptions {
    int cardBack = 5;
    bool displayScore = true;
    bool displayCardsInDeck = false;
    bool deal10Cards = true;
    bool hollywood = false;
    int pointsToWin = 100;
    bool displayHints = false;
    int animationSpeed = 6;
    bool soundOn = true;
    int gameType = 1;
    int majorVersion = 2;
    int minorVersion = 0;
};

VelloranOptions loadOptions(gamekit::SettingsRecord& record);
// Puts the options back into the record (the caller then stores it).
void storeOptions(const VelloranOptions& options, gamekit::SettingsRecord& record);
// What the rules take of the options.
Options rulesOptions(const VelloranOptions& options);

}  // namespace velloran

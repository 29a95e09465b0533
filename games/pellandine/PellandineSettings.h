#pragma once

#include "gamekit/settings/SettingsTable.h"

namespace pellandine {

// Pellandine's values in the registry, in record order, and the texts of its
// start-up panels.
extern const gamekit::SettingsTable pellandineSettings;

// The score lists' registry names, by game type 1 to 4.
extern const wchar_t* const kScoreListNames[4];

}  // namespace pellandine

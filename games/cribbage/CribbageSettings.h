#pragma once

#include "gamekit/settings/SettingsTable.h"

namespace cribbage {

// The program's values in the registry, in record order, ready for the
// game that will read them.
extern const gamekit::SettingsTable cribbageSettings;

}  // namespace cribbage

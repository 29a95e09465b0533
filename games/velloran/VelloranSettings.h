#pragma once

#include "gamekit/settings/SettingsTable.h"

namespace velloran {

// The program's values in the registry, in record order, ready for the
// game that will read them.
extern const gamekit::SettingsTable velloranSettings;

}  // namespace velloran

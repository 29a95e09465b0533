#pragma once

#include "gamekit/settings/SettingsTable.h"

namespace reflection {

// The program's values in the registry, in record order.
extern const gamekit::SettingsTable reflectionSettings;

}  // namespace reflection

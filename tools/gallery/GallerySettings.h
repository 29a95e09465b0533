#pragma once

#include "gamekit/settings/SettingsTable.h"

namespace gallery {

// The gallery's values in the registry, in record order.
extern const gamekit::SettingsTable gallerySettings;

}  // namespace gallery

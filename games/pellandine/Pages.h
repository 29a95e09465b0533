#pragma once

#include <cstdint>

#include "gamekit/containers/GArray.h"
#include "gamekit/graphics/Surface.h"

namespace gamekit {
class Button;
class MenuBar;
}  // namespace gamekit

namespace pellandine {

struct PellandineOptions;

// Game Settings: the four variations and the refill mode.
void drawSettingsPage(gamekit::Surface& surface, const gamekit::MenuBar& bar, const uint16_t* sheet,
                      const PellandineOptions& options, gamekit::Button& ok);

struct SettingsTap {
    enum Kind { None, Ok, Variation, ToggleSlide } kind = None;
    int gameType = 0;  // for Variation
};
SettingsTap settingsTap(int x, int y, gamekit::Button& ok);

// The high-score list of one variation with its "Reset" and "OK" buttons.
void drawHighScorePage(gamekit::Surface& surface, const gamekit::MenuBar& bar,
                       const gamekit::GArray<int>& list, int gameType, gamekit::Button& reset,
                       gamekit::Button& ok);

}  // namespace pellandine

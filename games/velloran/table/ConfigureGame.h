#pragma once

// The Configure Game page: the deal option, the scoring (whose change
// restarts the game) and the computer's level, each line with its check box.

#include <cstdint>

#include "gamekit/graphics/Surface.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "games/velloran/table/VelloranOptions.h"

namespace velloran {

void drawConfigureGame(gamekit::Surface& surface, const gamekit::MenuBar& bar, const uint16_t* sheet,
                       const VelloranOptions& options, gamekit::Button& ok);

// Applies a tap below the OK button's test: x from 20 to 220, by the line's
// height. True when the tap named a line (the caller clicks).
bool tapConfigureGame(int x, int y, VelloranOptions& options);

// The scoring options kept when the page opens; a change of either by the
// time OK is tapped starts a new game.
struct ScoringChoice {
    bool hollywood = false;
    int pointsToWin = 100;
    bool operator==(const ScoringChoice&) const = default;
};
inline ScoringChoice scoringOf(const VelloranOptions& o) {
    return {o.hollywood, o.pointsToWin};
}

}  // namespace velloran

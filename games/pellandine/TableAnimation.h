#pragma once

#include "gamekit/graphics/Surface.h"
#include "games/pellandine/rules/PellandineRules.h"

namespace gamekit {
class CardTheme;
}

namespace pellandine {

// The card flights of a change to the table, played over what the target
// shows (the table as it was). Each presents its steps as it goes; the next
// full drawing of the table replaces what they leave behind.

// A deal: every card flies from the deck to its place in six positions,
// 10 ms apart.
void animateDeal(gamekit::Surface& target, const PlayResult& result,
                 const gamekit::CardTheme& theme);

// A deck tap: the cards that move up leave an empty place behind and fly to
// their new places, then, after a short pause, the new cards fly in from the
// deck.
void animateDeckTap(gamekit::Surface& target, const PlayResult& result,
                    const gamekit::CardTheme& theme);

}  // namespace pellandine

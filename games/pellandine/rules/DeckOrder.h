#pragma once

#include <vector>

#include "gamekit/cards/CardText.h"
#include "gamekit/cards/PokerShoe.h"

namespace pellandine {

// Cards are written and read in the project's one card text
// (gamekit/cards/CardText.h); the shoe is stacked from its codes.
using gamekit::CardCode;

// Reorders a one-deck shoe so the given cards come first, in that order, and
// the others follow in the order they lay; rewinds it. False (nothing
// changed) when a code repeats, is not a card, or the shoe lacks it.
bool arrangeShoe(gamekit::PokerShoe& shoe, const std::vector<CardCode>& topFirst);

}  // namespace pellandine

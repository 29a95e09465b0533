#pragma once

#include <string>

#include "games/reflection/rules/SequenceRules.h"

namespace reflection {

// Reads a whole deck in the project's card text (gamekit/cards/CardText.h),
// top card first, into codes suit * 13 + rank. On failure returns false with
// a message naming the first fault: a word that is no card, a duplicate, a
// count other than 52, or opening cards that are not an ace, two, three and
// four, which this game's deal needs.
bool parseDeckOrder(const std::string& text, int codes[kDeckSize], std::string& error);

}  // namespace reflection

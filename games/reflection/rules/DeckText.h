#pragma once

#include <string>

#include "games/reflection/rules/SequenceRules.h"

namespace reflection {

// Cards written as rank then suit: ranks A 2 3 4 5 6 7 8 9 10 J Q K, suits
// S C H D ("AS", "10H", "QD"). Codes are suit * 13 + rank.
std::string cardName(int code);
// The code of one card name (either case), or -1.
int parseCardName(const std::string& name);

// Reads a whole deck, top card first, names separated by blanks or commas.
// On failure returns false with a message naming the first fault: a bad
// name, a duplicate, a count other than 52, or opening cards that are not an
// ace, two, three and four.
bool parseDeckOrder(const std::string& text, int codes[kDeckSize], std::string& error);

std::string formatDeckOrder(const int codes[kDeckSize]);

}  // namespace reflection

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gamekit/cards/PlayingCard.h"
#include "gamekit/cards/PokerShoe.h"

namespace pellandine {

// A card by rank (0 ace ... 12 king) and suit (0 spades, 1 clubs, 2 hearts,
// 3 diamonds).
struct CardCode {
    int rank = 0;
    int suit = 0;
    bool operator==(const CardCode& other) const = default;
};

// "AS", "10H" (or "TH"), "QD", "7C": rank A 2-10 T J Q K, suit S C H D, in
// either case. False for anything else.
bool parseCardCode(std::string_view text, CardCode& out);

// Two or three characters: "AS", "10H".
std::string cardCodeName(const CardCode& code);
std::string cardCodeName(const gamekit::PlayingCard& card);

// A deck order written top first, codes separated by blanks or commas: one to
// 52 different cards. On refusal `error` says which code is wrong and why.
bool parseDeckOrder(std::string_view text, std::vector<CardCode>& out, std::string& error);

// Reorders a one-deck shoe so the given cards come first, in that order, and
// the others follow in the order they lay; rewinds it. False (nothing
// changed) when a code repeats, is not a card, or the shoe lacks it.
bool arrangeShoe(gamekit::PokerShoe& shoe, const std::vector<CardCode>& topFirst);

}  // namespace pellandine

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gamekit/cards/PlayingCard.h"

namespace gamekit {

// A card by rank (0 ace ... 12 king) and suit (0 spades, 1 clubs, 2 hearts,
// 3 diamonds), as the sims, the replay tools and the tests write them.
struct CardCode {
    int rank = 0;
    int suit = 0;
    bool operator==(const CardCode& other) const = default;
    // 0 to 51, suit-major: the order of a new deck.
    int index() const { return suit * 13 + rank; }
    static CardCode fromIndex(int index) { return CardCode{index % 13, index / 13}; }
};

// The one card text of the project: rank A 2-9 T J Q K (10 is read as T),
// then suit S C H D, either case: "AS", "TD", "10d", "qh".
bool parseCardCode(std::string_view text, CardCode& out);

// Two characters, ten written T: "AS", "TD"; "??" for a code that is no card.
std::string cardCodeText(const CardCode& code);
std::string cardCodeText(const PlayingCard& card);

struct CardListRules {
    bool allowRepeats = false;  // a card may appear more than once (several decks)
    int minCount = 1;
    int maxCount = 52;
};

// Reads cards separated by blanks or commas, in order. On refusal `error`
// names the first fault: a word that is no card (and its place), a card
// given twice, or a count outside the rules' range.
bool parseCardList(std::string_view text, std::vector<CardCode>& out, std::string& error,
                   const CardListRules& rules = {});

// The cards separated by single blanks: "7S 7C 2D".
std::string cardListText(const std::vector<CardCode>& cards);

}  // namespace gamekit

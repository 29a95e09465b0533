#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gamekit/cards/CardText.h"

namespace velloran {

// One card of the game's single deck by its place in a new deck: suit * 13 +
// rank (rank 0 ace .. 12 king, suit 0 spades, 1 clubs, 2 hearts, 3 diamonds),
// the same index as gamekit::CardCode. The rules hold these small codes
// instead of pointers so a whole game state copies with a plain assignment;
// the table maps a code to its PlayingCard of the deck it draws.
using Card = int8_t;
constexpr Card kNoCard = -1;
constexpr int kDeckSize = 52;

constexpr int rankOf(Card c) { return c % 13; }
constexpr int suitOf(Card c) { return c / 13; }
constexpr Card makeCard(int rank, int suit) { return static_cast<Card>(suit * 13 + rank); }

// Ace 1, two to ten their number, jack, queen and king 10.
constexpr int cardValue(Card c) {
    const int r = rankOf(c);
    return r >= 9 ? 10 : r + 1;
}

inline gamekit::CardCode toCode(Card c) { return gamekit::CardCode::fromIndex(c); }
inline Card fromCode(const gamekit::CardCode& code) { return static_cast<Card>(code.index()); }

// The project's card text ("7S", "TD"); "--" for an empty slot.
std::string cardText(Card c);
// Cards separated by single blanks, empty slots left out.
std::string cardsText(const Card* cards, int count);
// Reads a list in the card text ("7S 7C 2D"); false with `error` set on a
// word that is no card, a repeated card or a count outside min..max.
bool parseCards(std::string_view text, std::vector<Card>& out, std::string& error, int minCount = 0,
                int maxCount = kDeckSize);

}  // namespace velloran

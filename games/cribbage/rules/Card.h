#pragma once

#include <cstdint>
#include <string>

#include "gamekit/cards/CardText.h"

namespace cribbage {

// A card as the rules hold it: by value, so a whole game can be copied and
// searched. rank 0..12 is ace..king, suit 0..3 spades, clubs, hearts,
// diamonds, as on the shared card; rank -1 is "no card" (an empty slot, no
// starter cut yet).
struct Card {
    int8_t rank = -1;
    int8_t suit = -1;

    constexpr Card() = default;
    constexpr Card(int r, int s) : rank(static_cast<int8_t>(r)), suit(static_cast<int8_t>(s)) {}

    constexpr bool isCard() const { return rank >= 0; }
    constexpr bool operator==(const Card&) const = default;
    // 0..51 in new-deck order (suit-major), the card's name in a shuffle.
    constexpr int index() const { return suit * 13 + rank; }
    static constexpr Card fromIndex(int index) { return Card(index % 13, index / 13); }
};

constexpr Card kNoCard{};
constexpr int kJackRank = 10;

// Fifteens and the running count add count values: ace 1, two to nine their
// face value, ten and the faces 10.
constexpr int cardCountValue(Card card) {
    return card.rank < 9 ? card.rank + 1 : 10;
}

inline gamekit::CardCode toCardCode(Card card) {
    return gamekit::CardCode{card.rank, card.suit};
}
inline Card fromCardCode(const gamekit::CardCode& code) {
    return Card(code.rank, code.suit);
}
// The project's one card text: "AS", "TD", "QH".
inline std::string cardText(Card card) {
    return gamekit::cardCodeText(toCardCode(card));
}

}  // namespace cribbage

#pragma once

#include <cstdint>

#include "gamekit/cards/CardDeck.h"
#include "gamekit/containers/GVector.h"

namespace gamekit {

// One to eight decks combined into one list of card pointers (the decks own
// the cards), shuffled by imitating hand shuffling.
class PokerShoe {
  public:
    explicit PokerShoe(int deckCount);
    PokerShoe(const PokerShoe&) = delete;
    PokerShoe& operator=(const PokerShoe&) = delete;
    virtual ~PokerShoe() = default;

    // Every shuffle seeds the generator with `seed` first; a program passes
    // GetTickCount(), a test or a simulator a fixed number.
    // Seven riffles, each followed by a cut.
    void riffleShuffleSeeded(uint32_t seed);
    // The swap pass of CardDeck over the shoe's list.
    void swapShuffleSeeded(uint32_t seed);
    // Swaps each card of [from, to) with a random card of the same range.
    // With from = to it only rewinds the shoe.
    void rangeShuffleSeeded(uint32_t seed, int from, int to);

    PlayingCard* deal(bool faceUp) { return dealFrom(cards, nextCard, faceUp); }
    PlayingCard* cardAt(int index) { return cardFrom(cards, index); }

    int count() const { return cards.iSize; }
    bool exhausted() const { return nextCard >= cards.iSize; }
    int cardsLeft() const { return cards.iSize - nextCard; }

    GVector<PokerDeck> decks;
    GVector<PlayingCard*> cards;
    int nextCard = 0;
    int deckCount = 0;
};

}  // namespace gamekit

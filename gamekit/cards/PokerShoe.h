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

    // Seven riffles, each followed by a cut; reseeds from the tick count.
    void shuffle();
    // The swap pass of CardDeck over the shoe's list; reseeds from the tick count.
    void swapShuffle();
    // Swaps each card of [from, to) with a random card of the same range;
    // reseeds from the tick count. With from = to it only rewinds the shoe.
    void shuffle(int from, int to);

    // The same shuffles with the seed given by the caller.
    void riffleShuffleSeeded(uint32_t seed);
    void swapShuffleSeeded(uint32_t seed);
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

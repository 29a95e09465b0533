#pragma once

#include <cstdint>

#include "gamekit/cards/PlayingCard.h"
#include "gamekit/containers/GVector.h"

namespace gamekit {

// A list of cards the deck owns, with the index of the next card to deal.
class CardDeck {
  public:
    CardDeck() = default;
    CardDeck(const CardDeck& other);
    CardDeck& operator=(const CardDeck& other);
    virtual ~CardDeck();

    // The swap pass: seeds the generator with `seed` (a program passes
    // GetTickCount()), swaps each card with a random one, rewinds.
    void shuffleSeeded(uint32_t seed);

    // Takes the card at nextCard and advances; past the end the last card is
    // dealt again and nextCard stays.
    virtual PlayingCard* deal(bool faceUp);
    // The card at index, or the last card for any index out of range.
    virtual PlayingCard* cardAt(int index);

    int count() const { return cards.iSize; }

    GVector<PlayingCard*> cards;
    int nextCard = 0;

  protected:
    void deleteCards();
    void copyCardsFrom(const CardDeck& other);
};

// 52 cards, suit-major (spades, clubs, hearts, diamonds; ace to king), then
// 0 to 2 jokers; all face up.
class PokerDeck : public CardDeck {
  public:
    explicit PokerDeck(int jokers = 0);
    PokerDeck(const PokerDeck& other) = default;
    PokerDeck& operator=(const PokerDeck& other) = default;
    ~PokerDeck() override = default;

    void initialCards(int jokers);
};

// Shared by CardDeck::deal and PokerShoe::deal.
PlayingCard* dealFrom(GVector<PlayingCard*>& cards, int& nextCard, bool faceUp);
PlayingCard* cardFrom(GVector<PlayingCard*>& cards, int index);
// The swap pass over any card list, with the generator already seeded.
void swapPass(GVector<PlayingCard*>& cards);

}  // namespace gamekit

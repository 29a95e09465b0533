#include "gamekit/cards/CardDeck.h"

#include "gamekit/cards/Random.h"

namespace gamekit {

PlayingCard* dealFrom(GVector<PlayingCard*>& cards, int& nextCard, bool faceUp) {
    PlayingCard* card;
    if (nextCard < cards.iSize) {
        card = cards[nextCard];
        ++nextCard;
    } else {
        card = cards[cards.iSize - 1];  // an empty list reports the index fault
    }
    card->faceUp = faceUp;
    return card;
}

PlayingCard* cardFrom(GVector<PlayingCard*>& cards, int index) {
    if (index >= 0 && index < cards.iSize) return cards[index];
    return cards[cards.iSize - 1];
}

void swapPass(GVector<PlayingCard*>& cards) {
    const int n = cards.iSize;
    for (int i = 0; i < n; ++i) {
        int j = nextRandom() % n;
        PlayingCard* t = cards[i];
        cards[i] = cards[j];
        cards[j] = t;
    }
}

CardDeck::CardDeck(const CardDeck& other) {
    copyCardsFrom(other);
}

CardDeck& CardDeck::operator=(const CardDeck& other) {
    if (this != &other) {
        deleteCards();
        copyCardsFrom(other);
    }
    return *this;
}

CardDeck::~CardDeck() {
    deleteCards();
}

void CardDeck::deleteCards() {
    for (int i = 0; i < cards.iSize; ++i) delete cards[i];
    cards = GVector<PlayingCard*>();
    nextCard = 0;
}

void CardDeck::copyCardsFrom(const CardDeck& other) {
    cards = GVector<PlayingCard*>(other.cards.capacity());
    for (int i = 0; i < other.cards.iSize; ++i) {
        const PlayingCard* c = other.cards[i];
        cards[i] = new PlayingCard(c->rank, c->suit, c->faceUp);
    }
    nextCard = other.nextCard;
}

void CardDeck::shuffleSeeded(uint32_t seed) {
    seedRandom(seed);
    swapPass(cards);
    nextCard = 0;
}

PlayingCard* CardDeck::deal(bool faceUp) {
    return dealFrom(cards, nextCard, faceUp);
}

PlayingCard* CardDeck::cardAt(int index) {
    return cardFrom(cards, index);
}

PokerDeck::PokerDeck(int jokers) {
    initialCards(jokers);
}

void PokerDeck::initialCards(int jokers) {
    if (jokers < 0 || jokers > 2) {
        fatalErrorf("in PokerDeck initialCards: Number of jokers is %d. Must be 0, 1, or 2",
                    jokers);
    }
    deleteCards();
    cards = GVector<PlayingCard*>(52 + jokers);
    for (int suit = kSpades; suit <= kDiamonds; ++suit) {
        for (int rank = kAce; rank <= kKing; ++rank)
            cards[cards.iSize] = new PlayingCard(rank, suit);
    }
    for (int j = 0; j < jokers; ++j) cards[cards.iSize] = new PlayingCard(0, kJoker);
    nextCard = 0;
}

}  // namespace gamekit

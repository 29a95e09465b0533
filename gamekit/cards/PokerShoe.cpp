#include "gamekit/cards/PokerShoe.h"

#include "gamekit/cards/Random.h"
#include "gamekit/containers/GArray.h"

namespace gamekit {

PokerShoe::PokerShoe(int deckCount) : decks(deckCount > 0 && deckCount <= 8 ? deckCount : 0) {
    if (deckCount < 1) {
        fatalErrorf("in PokerShoe Constructor: \nNumber of decks is %d. \nMust be >= 1", deckCount);
    }
    if (deckCount > 8) {
        fatalErrorf("in PokerShoe Constructor: \nNumber of decks is %d. \nMust be <= 8", deckCount);
    }
    this->deckCount = deckCount;
    cards = GVector<PlayingCard*>(54 * deckCount);
    for (int d = 0; d < deckCount; ++d) {
        PokerDeck& deck = decks[d];
        for (int i = 0; i < deck.count(); ++i) cards[cards.iSize] = deck.cardAt(i);
    }
    nextCard = 0;
}

void PokerShoe::riffleShuffleSeeded(uint32_t seed) {
    const int n = cards.iSize;
    GArray<PlayingCard*> scratch(n);
    seedRandom(seed);
    for (int round = 0; round < 7; ++round) {
        for (int i = 0; i < n; ++i) scratch[i] = cards[i];
        // The left packet holds between n/2 - 5 and n/2 + 4 cards.
        int c = nextRandom() % 10 + n / 2 - 5;
        if (c < 0) c = 0;
        if (c > n) c = n;
        int l = 0, r = c, k = 0;
        while (l < c || r < n) {
            int a = nextRandom() % 2 + 1;
            int b = nextRandom() % 2 + 1;
            for (; a > 0 && l < c; --a) cards[k++] = scratch[l++];
            for (; b > 0 && r < n; --b) cards[k++] = scratch[r++];
        }
        for (int i = 0; i < n; ++i) scratch[i] = cards[i];
        int d = nextRandom() % 10 + n / 2 - 5;
        for (int i = 0; i < n; ++i) cards[i] = scratch[((d + i) % n + n) % n];
    }
    nextCard = 0;
}

void PokerShoe::swapShuffleSeeded(uint32_t seed) {
    seedRandom(seed);
    swapPass(cards);
    nextCard = 0;
}

void PokerShoe::rangeShuffleSeeded(uint32_t seed, int from, int to) {
    seedRandom(seed);
    int lo = from > 0 ? from : 0;
    int hi = to < cards.iSize ? to : cards.iSize;
    for (int i = lo; i < hi; ++i) {
        int j = lo + nextRandom() % (hi - lo);
        PlayingCard* t = cards[i];
        cards[i] = cards[j];
        cards[j] = t;
    }
    nextCard = 0;
}

}  // namespace gamekit

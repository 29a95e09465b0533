#include "games/pellandine/rules/DeckOrder.h"

namespace pellandine {

bool arrangeShoe(gamekit::PokerShoe& shoe, const std::vector<CardCode>& topFirst) {
    const int n = shoe.count();
    if (static_cast<int>(topFirst.size()) > n) return false;
    std::vector<gamekit::PlayingCard*> ordered;
    std::vector<bool> taken(static_cast<size_t>(n), false);
    for (const CardCode& code : topFirst) {
        int found = -1;
        for (int k = 0; k < n && found < 0; ++k) {
            const gamekit::PlayingCard* c = shoe.cards[k];
            if (!taken[static_cast<size_t>(k)] && c->rank == code.rank && c->suit == code.suit) {
                found = k;
            }
        }
        if (found < 0) return false;
        taken[static_cast<size_t>(found)] = true;
        ordered.push_back(shoe.cards[found]);
    }
    for (int k = 0; k < n; ++k) {
        if (!taken[static_cast<size_t>(k)]) ordered.push_back(shoe.cards[k]);
    }
    for (int k = 0; k < n; ++k) shoe.cards[k] = ordered[static_cast<size_t>(k)];
    shoe.nextCard = 0;
    return true;
}

}  // namespace pellandine

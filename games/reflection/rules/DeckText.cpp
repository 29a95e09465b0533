#include "games/reflection/rules/DeckText.h"

#include <vector>

#include "gamekit/cards/CardText.h"

namespace reflection {

bool parseDeckOrder(const std::string& text, int codes[kDeckSize], std::string& error) {
    std::vector<gamekit::CardCode> cards;
    if (!gamekit::parseCardList(text, cards, error, {false, kDeckSize, kDeckSize})) return false;
    for (int k = 0; k < kOpeningCards; ++k) {
        if (cards[k].rank != requiredRank(k, 0)) {
            error =
                "the first four cards must be an ace, a two, a three and a four in that "
                "order (card " +
                std::to_string(k + 1) + " is " + gamekit::cardCodeText(cards[k]) + ")";
            return false;
        }
    }
    for (int i = 0; i < kDeckSize; ++i) codes[i] = cards[i].index();
    return true;
}

}  // namespace reflection

#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "gamekit/cards/CardText.h"
#include "games/reflection/rules/ReflectionGame.h"

namespace reflection_test {

using namespace reflection;

// The code (suit * 13 + rank) of a card in the project's card text, or -1.
inline int cardCodeOf(const std::string& text) {
    gamekit::CardCode code;
    return gamekit::parseCardCode(text, code) ? code.index() : -1;
}

// A deck that opens with AS 2S 3S 4S, continues with `next` (card names, top
// first) and ends with every other card in construction order.
inline std::vector<int> deckStartingWith(std::initializer_list<const char*> next) {
    std::vector<int> codes = {0, 1, 2, 3};
    for (const char* name : next) codes.push_back(cardCodeOf(name));
    for (int code = 0; code < kDeckSize; ++code) {
        bool used = false;
        for (int c : codes) used = used || c == code;
        if (!used) codes.push_back(code);
    }
    return codes;
}

// A deck in which the n-th dealt card (n from 0) fits sequence n % 4 at
// position n / 4 + 1: it can be won by putting every card straight out.
inline std::vector<int> straightWinDeck() {
    bool used[kDeckSize] = {};
    std::vector<int> codes;
    auto take = [&](int rank) {
        for (int suit = 0; suit < 4; ++suit) {
            if (!used[suit * 13 + rank]) {
                used[suit * 13 + rank] = true;
                codes.push_back(suit * 13 + rank);
                return;
            }
        }
    };
    for (int p = 0; p < kSequenceLength; ++p) {
        for (int s = 0; s < kSequenceCount; ++s) take(requiredRank(s, p));
    }
    return codes;
}

// A game dealt from `codes` with its opening cards out, in the Playing state.
inline void dealFrom(ReflectionGame& game, const std::vector<int>& codes, bool expert = false) {
    game.setExpertMode(expert);
    game.arrangeDeck(codes.data());
    game.restartGame();
    game.dealOpeningCards();
}

// Everything that makes up a position, by card code.
struct Position {
    std::vector<int> deckOrder;
    int nextCard = 0;
    std::vector<int> piles[9];  // sequences 0-3, talons 0-3, kings talon
    int dealt = -1;
    int score = 0;
    bool operator==(const Position&) const = default;
};

inline std::vector<int> codesOf(const CardList& list) {
    std::vector<int> codes;
    for (int i = 0; i < list.iSize; ++i) codes.push_back(cardCode(list[i]));
    return codes;
}

inline Position positionOf(const ReflectionGame& game) {
    Position p;
    for (int i = 0; i < game.deck().count(); ++i)
        p.deckOrder.push_back(cardCode(game.deck().cards[i]));
    p.nextCard = game.deck().nextCard;
    for (int s = 0; s < 4; ++s) p.piles[s] = codesOf(game.sequence(s));
    for (int t = 0; t < 4; ++t) p.piles[4 + t] = codesOf(game.storeTalon(t));
    p.piles[8] = codesOf(game.kingsTalon());
    p.dealt = game.dealtCard() ? cardCode(game.dealtCard()) : -1;
    p.score = game.score();
    return p;
}

}  // namespace reflection_test

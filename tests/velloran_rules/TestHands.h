#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/velloran/rules/VelloranGame.h"

namespace velloran_test {

using namespace velloran;

// Cards from the project's card text: "7S 7C 2D".
inline std::vector<Card> cards(const std::string& text) {
    std::vector<Card> out;
    std::string error;
    if (!parseCards(text, out, error)) ADD_FAILURE() << "bad cards \"" << text << "\": " << error;
    return out;
}

inline Card card(const std::string& text) {
    const std::vector<Card> c = cards(text);
    return c.empty() ? kNoCard : c[0];
}

inline std::string groupText(const CardGroup& g) {
    return cardsText(g.cards, g.count);
}

inline std::string meldsText(const MeldList& melds) {
    std::string out;
    for (int i = 0; i < melds.count; ++i) {
        if (i) out += " | ";
        out += groupText(melds.groups[i]);
    }
    return out;
}

inline std::string groupsText(const std::vector<CardGroup>& groups) {
    std::string out;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (i) out += " | ";
        out += groupText(groups[i]);
    }
    return out;
}

// A stock that deals the computer `computer` and the person `player` (ten
// each, dealt alternately as the table does, the computer first), then the
// cards of `rest` in order (the upcard or the eleventh card first).
inline std::vector<Card> stackedDeal(const std::string& computer, const std::string& player,
                                     const std::string& rest = "") {
    const std::vector<Card> c = cards(computer), p = cards(player), r = cards(rest);
    std::vector<Card> out;
    for (size_t i = 0; i < 10; ++i) {
        out.push_back(c.at(i));
        out.push_back(p.at(i));
    }
    out.insert(out.end(), r.begin(), r.end());
    return out;
}

// A game dealt from a stacked stock with the given first dealer.
inline void deal(VelloranGame& game, const std::vector<Card>& stock, bool computerDeals,
                 bool deal10 = true) {
    game.options().deal10Cards = deal10;
    ASSERT_TRUE(game.arrangeStock(stock));
    Action a = Action::of(Action::NewGame);
    a.index = computerDeals ? 1 : 0;
    ASSERT_TRUE(game.apply(a));
}

inline std::string playerHandText(const VelloranGame& game) {
    return cardsText(game.playerHand, kPlayerSlots);
}
inline std::string computerHandText(const VelloranGame& game) {
    return cardsText(game.computerHand, kComputerSlots);
}

inline int slotOf(const VelloranGame& game, const std::string& c) {
    const Card k = card(c);
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (game.playerHand[i] == k) return i;
    }
    return -1;
}

// Puts cards straight into a hand (slot 0 on for the computer, from `first`
// for the person), emptying the rest.
inline void setComputerHand(VelloranGame& game, const std::string& text) {
    std::fill(game.computerHand, game.computerHand + kComputerSlots, kNoCard);
    const std::vector<Card> c = cards(text);
    for (size_t i = 0; i < c.size(); ++i) game.computerHand[i] = c[i];
}
inline void setPlayerHand(VelloranGame& game, const std::string& text, int first = 3) {
    std::fill(game.playerHand, game.playerHand + kPlayerSlots, kNoCard);
    std::fill(game.selected, game.selected + kPlayerSlots, false);
    const std::vector<Card> c = cards(text);
    for (size_t i = 0; i < c.size(); ++i) game.playerHand[first + i] = c[i];
}

}  // namespace velloran_test

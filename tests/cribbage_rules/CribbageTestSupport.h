#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamekit/cards/CardText.h"
#include "games/cribbage/rules/CribbageGame.h"

namespace cribbage_test {

using namespace cribbage;

// Cards from the project's card text: "7S 7C 2D".
inline std::vector<Card> cards(const std::string& text) {
    std::vector<gamekit::CardCode> codes;
    std::string error;
    EXPECT_TRUE(gamekit::parseCardList(text, codes, error)) << text << ": " << error;
    std::vector<Card> out;
    for (const auto& c : codes) out.push_back(fromCardCode(c));
    return out;
}

inline Card card(const std::string& text) {
    return cards(text).at(0);
}

inline HandCount count(const std::string& handText, const std::string& starterText = "",
                       bool crib = false) {
    const std::vector<Card> hand = cards(handText);
    EXPECT_EQ(hand.size(), 4u);
    return countHand(hand.data(), starterText.empty() ? kNoCard : card(starterText), crib);
}

// A deal set up by hand: the four cards each keeps, the crib (Red's two, then
// Blue's two) and the starter.
inline DealSetup deal(bool computerDeals, int red, int blue, const std::string& redHand,
                      const std::string& blueHand, const std::string& crib,
                      const std::string& starter) {
    DealSetup s;
    s.computerDeals = computerDeals;
    s.redScore = red;
    s.blueScore = blue;
    const auto r = cards(redHand), b = cards(blueHand), c = cards(crib);
    for (int i = 0; i < 4; ++i) {
        s.red[i] = r.at(i);
        s.blue[i] = b.at(i);
        s.crib[i] = c.at(i);
    }
    s.starter = card(starter);
    return s;
}

inline int slotOf(const CribbageGame& game, Side side, Card c) {
    for (int i = 0; i < game.handSize(side); ++i) {
        if (game.hand(side)[i] == c) return i;
    }
    return -1;
}

inline std::vector<GameEvent> applyOrFail(CribbageGame& game, const Action& action) {
    ApplyResult r = game.apply(action);
    EXPECT_TRUE(r.accepted) << "action " << static_cast<int>(action.kind) << " refused in state "
                            << static_cast<int>(game.state());
    return r.events;
}

// Deals `setup`, gives both cribs as set up and cuts the starter; the game
// is then in CuttingStarter (or over on his heels). Blue's choices are the
// test's for the discards; `computerPlays` hands Blue to the computer for
// the play.
inline std::vector<GameEvent> dealAndDiscard(CribbageGame& game, const DealSetup& setup,
                                             bool computerPlays, GameOptions options = {}) {
    game.setComputerPlaysBlue(false);
    game.setOptions(options);
    EXPECT_TRUE(game.arrangeDeal(setup));
    std::vector<GameEvent> events = applyOrFail(game, Action::simple(ActionKind::Deal));
    for (Side side : {Side::Red, Side::Blue}) {
        const int base = side == Side::Red ? 0 : 2;
        int a = slotOf(game, side, setup.crib[base]);
        int b = slotOf(game, side, setup.crib[base + 1]);
        if (a > b) std::swap(a, b);
        auto more = applyOrFail(game, Action::discard(side, a, b));
        events.insert(events.end(), more.begin(), more.end());
    }
    game.setComputerPlaysBlue(computerPlays);
    return events;
}

inline std::vector<GameEvent> startPlay(CribbageGame& game, const DealSetup& setup,
                                        bool computerPlays, GameOptions options = {}) {
    std::vector<GameEvent> events = dealAndDiscard(game, setup, computerPlays, options);
    if (!game.gameOver()) {
        auto more = applyOrFail(game, Action::simple(ActionKind::RevealStarter));
        events.insert(events.end(), more.begin(), more.end());
    }
    return events;
}

// Lays the named card of the side to play.
inline std::vector<GameEvent> lay(CribbageGame& game, const std::string& text) {
    const Card c = card(text);
    const Side side = game.toPlay();
    const int slot = slotOf(game, side, c);
    EXPECT_GE(slot, 0) << text << " is not in " << sideName(side) << "'s hand";
    return applyOrFail(game, Action::lay(side, slot));
}

inline int pegged(const std::vector<GameEvent>& events, Side side) {
    int points = 0;
    for (const GameEvent& e : events) {
        if (e.kind == EventKind::PegMoved && e.side == side) points += e.points;
    }
    return points;
}

inline int countOf(const std::vector<GameEvent>& events, EventKind kind) {
    int n = 0;
    for (const GameEvent& e : events) n += e.kind == kind;
    return n;
}

// Plays on by the first legal action until `done` holds (or the game ends).
template <typename Done>
inline void playOn(CribbageGame& game, Done done) {
    for (int guard = 0; guard < 10000 && !done() && !game.gameOver(); ++guard) {
        ActionList list;
        game.legalActions(list);
        ASSERT_GT(list.count, 0) << "no action in state " << static_cast<int>(game.state());
        ASSERT_TRUE(game.apply(list.actions[0]).accepted);
    }
}

}  // namespace cribbage_test

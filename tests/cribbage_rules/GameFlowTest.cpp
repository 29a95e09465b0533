#include <gtest/gtest.h>

#include <set>

#include "tests/cribbage_rules/CribbageTestSupport.h"

using namespace cribbage_test;

namespace {

const char* messageBoxText(const std::vector<GameEvent>& events, const char** title = nullptr) {
    for (const GameEvent& e : events) {
        if (e.kind == EventKind::MessageBox) {
            if (title) *title = e.title;
            return e.text;
        }
    }
    return "";
}

// Red deals with a jack as starter: his heels decides the game.
std::vector<GameEvent> redWinsOnHeels(CribbageGame& game, int blueScore) {
    return dealAndDiscard(game,
                          deal(false, 119, blueScore, "4H 7D KS KC", "4S 4C 7S 8H", "2C 3C AS 2S",
                               "JD"),
                          true, game.options());
}

TEST(Deck, FourDealsInQuartersThenAReshuffle) {
    CribbageGame game(7);
    GameOptions o;
    o.multipleGames = false;
    game.setOptions(o);
    applyOrFail(game, Action::simple(ActionKind::Continue));
    applyOrFail(game, Action::newGame(99, true));
    std::set<int> seen;
    for (int dealNumber = 1; dealNumber <= 4; ++dealNumber) {
        ASSERT_EQ(game.state(), GameState::Dealing);
        EXPECT_EQ(game.dealCounter(), dealNumber);
        applyOrFail(game, Action::simple(ActionKind::Deal));
        const int base = (dealNumber - 1) * kCardsPerDeal;
        // The computer's six, the person's six, then the starter.
        for (int i = 0; i < 6; ++i) EXPECT_EQ(game.hand(Side::Blue)[i], game.shoeCard(base + i));
        for (int i = 0; i < 6; ++i) {
            const Card c = game.hand(Side::Red)[i];
            bool found = false;
            for (int p = base + 6; p < base + 12; ++p) found = found || game.shoeCard(p) == c;
            EXPECT_TRUE(found);
            if (i > 0) {
                EXPECT_GE(game.hand(Side::Red)[i - 1].rank, c.rank);  // by descending rank
            }
        }
        for (int p = base; p < base + kCardsPerDeal; ++p) seen.insert(game.shoeCard(p).index());
        playOn(game, [&] { return game.state() == GameState::Playing; });
        EXPECT_EQ(game.starter(), game.shoeCard(base + 12));
        bool shuffled = false;
        while (game.state() != GameState::Dealing && !game.gameOver()) {
            ActionList list;
            game.legalActions(list);
            for (const GameEvent& e : applyOrFail(game, list.actions[0]))
                shuffled = shuffled || e.kind == EventKind::Shuffled;
        }
        ASSERT_FALSE(game.gameOver());
        EXPECT_EQ(shuffled, dealNumber == 4) << dealNumber;
    }
    EXPECT_EQ(seen.size(), 52u);  // the four deals took disjoint cards
    EXPECT_EQ(game.dealCounter(), 1);
}

TEST(Deck, TheSameSeedDealsTheSameGame) {
    CribbageGame a(1), b(1);
    for (CribbageGame* g : {&a, &b}) {
        applyOrFail(*g, Action::simple(ActionKind::Continue));
        applyOrFail(*g, Action::newGame(1234, false));
        applyOrFail(*g, Action::simple(ActionKind::Deal));
    }
    for (int i = 0; i < 6; ++i) EXPECT_EQ(a.hand(Side::Red)[i], b.hand(Side::Red)[i]);
    EXPECT_EQ(a.computerDeals(), b.computerDeals());
}

TEST(NewGame, ResetsTheDealAndDrawsTheDealer) {
    CribbageGame game(3);
    applyOrFail(game, Action::simple(ActionKind::Continue));
    std::vector<GameEvent> e = applyOrFail(game, Action::newGame(5, false));
    EXPECT_EQ(countOf(e, EventKind::Shuffled), 1);
    EXPECT_EQ(game.state(), GameState::Dealing);
    EXPECT_EQ(game.score(Side::Red), 0);
    EXPECT_EQ(game.backPeg(Side::Blue), -1);
    EXPECT_EQ(game.dealCounter(), 1);
    EXPECT_EQ(game.redToPlay(), game.computerDeals());  // pone leads
    ASSERT_EQ(game.messageCount(Side::Red), 2);
    EXPECT_STREQ(game.message(Side::Red, 0), "Select two cards to give to");
    EXPECT_STREQ(game.message(Side::Red, 1), "crib, and then tap the crib");
    // Both dealers come up over a few seeds.
    std::set<bool> dealers;
    for (uint32_t seed = 1; seed < 20; ++seed) {
        applyOrFail(game, Action::newGame(seed, false));
        dealers.insert(game.computerDeals());
    }
    EXPECT_EQ(dealers.size(), 2u);

    GameOptions o;
    o.learningMessages = false;
    game.setOptions(o);
    applyOrFail(game, Action::newGame(5, false));
    EXPECT_EQ(game.messageCount(Side::Red), 0);
}

TEST(SingleGame, GameOverMessage) {
    CribbageGame game;
    GameOptions o;
    o.multipleGames = false;
    game.setOptions(o);
    const char* title = nullptr;
    std::vector<GameEvent> e = redWinsOnHeels(game, 80);
    EXPECT_STREQ(messageBoxText(e, &title), "You won!!");
    EXPECT_STREQ(title, "Game Over");
    EXPECT_STREQ(game.statusLine(), "GAME OVER.");
    EXPECT_EQ(game.wins(Side::Red), 0);
}

TEST(Sets, AWinALurchAndTheSet) {
    CribbageGame game;  // multiple games is the default
    const char* title = nullptr;
    std::vector<GameEvent> e = redWinsOnHeels(game, 80);
    EXPECT_EQ(game.wins(Side::Red), 1);
    EXPECT_STREQ(messageBoxText(e, &title),
                 "You won!!\n\nSelect the 'ok' button and tap screen for next game in set.");
    EXPECT_STREQ(title, "Game Over");
    EXPECT_STREQ(game.statusLine(), "Tap for next game.");
    EXPECT_TRUE(game.nextSetDealer());  // Blue lost, Blue deals next

    // A tap after the game keeps the set; the loser deals.
    applyOrFail(game, Action::newGame(11, true));
    EXPECT_EQ(game.wins(Side::Red), 1);
    EXPECT_TRUE(game.computerDeals());

    // Blue below 61 is lurched: two games.
    e = redWinsOnHeels(game, 60);
    EXPECT_EQ(game.wins(Side::Red), 3);
    EXPECT_STREQ(messageBoxText(e),
                 "You won!!\n\nBlue did not make 61 points and was \"lurched\" to lose two "
                 "games.\n\nTap screen after selecting 'ok' button for next game in set.");

    // At 4 games a lurch wins the set with 5, not 6.
    game.setWins(4, 2);
    e = redWinsOnHeels(game, 10);
    EXPECT_EQ(game.wins(Side::Red), 5);
    EXPECT_STREQ(messageBoxText(e, &title), "You won the set of games!!");
    EXPECT_STREQ(title, "Game Over");
    EXPECT_STREQ(game.statusLine(), "GAME SET OVER.");
    bool setWon = false;
    for (const GameEvent& x : e) setWon = setWon || (x.kind == EventKind::GameWon && x.setWon);
    EXPECT_TRUE(setWon);

    // After a finished set the next game starts a new one.
    applyOrFail(game, Action::newGame(12, true));
    EXPECT_EQ(game.wins(Side::Red), 0);
    EXPECT_EQ(game.wins(Side::Blue), 0);
}

TEST(Sets, BlueWinsTheSetAndNewAbandonsASet) {
    CribbageGame game;
    game.setWins(1, 4);
    std::vector<GameEvent> e = dealAndDiscard(
        game, deal(true, 30, 119, "4H 7D KS KC", "4S 4C 7S 8H", "2C 3C AS 2S", "JD"), true,
        game.options());
    const char* title = nullptr;
    EXPECT_EQ(game.winner(), Side::Blue);
    EXPECT_STREQ(messageBoxText(e, &title),
                 "Blue won the set of games!\n\nYou did not make 61 points and were \"lurched\" "
                 "to lose two games!");
    EXPECT_STREQ(title, "Games Over");
    EXPECT_FALSE(game.nextSetDealer());  // Red lost: Red deals next

    game.setWins(2, 1);
    e = dealAndDiscard(game, deal(true, 70, 119, "4H 7D KS KC", "4S 4C 7S 8H", "2C 3C AS 2S", "JD"),
                       true, game.options());
    EXPECT_EQ(game.wins(Side::Blue), 2);
    EXPECT_STREQ(messageBoxText(e),
                 "Blue won this game.\n\nTap screen after selecting 'ok' button for next game in "
                 "set.");
    applyOrFail(game, Action::newGame(3, false));  // "New": the set is abandoned
    EXPECT_EQ(game.wins(Side::Red), 0);
    EXPECT_EQ(game.wins(Side::Blue), 0);

    // Switching to single games clears the set.
    game.setWins(3, 2);
    GameOptions single = game.options();
    single.multipleGames = false;
    game.setOptions(single);
    EXPECT_EQ(game.wins(Side::Red), 0);
}

TEST(Copy, ACopyPlaysOnIndependently) {
    CribbageGame game;
    startPlay(game, deal(true, 0, 0, "TS 5C 7H 8D", "KS 6S QH 6C", "2C 3C AS 2S", "9D"), false);
    CribbageGame trial = game;
    lay(trial, "TS");
    EXPECT_EQ(trial.runningCount(), 10);
    EXPECT_EQ(game.runningCount(), 0);
    EXPECT_EQ(game.cardsLaid(), 0);
}

}  // namespace

namespace {

TEST(Screens, ClosingConfigureGameReturnsAndTakesTheOptionsOver) {
    CribbageGame game;
    GameOptions o;
    o.learningMessages = false;
    game.setOptions(o);
    ASSERT_TRUE(game.arrangeDeal(deal(true, 0, 0, "5S 5C 5D 5H", "9S 9C 9D 9H", "KS 2D AS 3S", "KD")));
    applyOrFail(game, Action::simple(ActionKind::Deal));
    ASSERT_EQ(game.hintCard(), -1);
    ASSERT_TRUE(game.openScreen(GameState::ConfigureGame));
    EXPECT_FALSE(game.apply(Action::discard(Side::Red, 0, 5)).accepted);  // nothing while open
    EXPECT_FALSE(game.apply(Action::newGame(1, false)).accepted);
    o.hintType = 1;
    o.multipleGames = false;
    game.setWins(2, 3);
    game.closeScreen(o);
    EXPECT_EQ(game.state(), GameState::Discarding);
    EXPECT_EQ(game.hintCard(), 0);  // the advice shows at once on return
    EXPECT_EQ(game.hintCard2(), 5);
    EXPECT_EQ(game.wins(Side::Blue), 0);  // "Single Game" clears the set
}

}  // namespace

#include <gtest/gtest.h>

#include "tests/cribbage_rules/CribbageTestSupport.h"

using namespace cribbage_test;

namespace {

GameOptions quiet() {
    GameOptions o;
    o.learningMessages = false;
    o.multipleGames = false;
    return o;
}

// The person lays their last card and the computer cannot follow: the go
// point is the person's, who laid the last card, not the computer's.
TEST(PlayFlow, TheGoPointGoesToWhoLaidTheLastCard) {
    CribbageGame game;
    startPlay(game, deal(true, 0, 0, "TS TC 3D 5H", "9S 9C 9D 9H", "2C 4C 6S 7S", "KD"), true,
              quiet());
    ASSERT_EQ(game.state(), GameState::Playing);
    ASSERT_TRUE(game.redToPlay());  // pone leads

    lay(game, "TS");  // 10, the computer answers with a nine: 19
    EXPECT_EQ(game.runningCount(), 19);
    std::vector<GameEvent> e = lay(game, "TC");  // 29: the computer cannot lay and says go
    EXPECT_EQ(countOf(e, EventKind::GoSaid), 1);
    EXPECT_STREQ(game.message(Side::Blue, 0), "\"go\"");
    EXPECT_STREQ(game.statusLine(), "Tap to peg \"go\"");
    e = applyOrFail(game, Action::go(Side::Red));  // 1 for Red, then Blue leads a nine
    EXPECT_EQ(pegged(e, Side::Red), 1);
    EXPECT_EQ(game.runningCount(), 9);

    lay(game, "3D");  // 12, nine: 21
    e = lay(game, "5H");  // 26: Red's last card; Blue's nine does not fit
    EXPECT_EQ(countOf(e, EventKind::GoSaid), 1);
    EXPECT_EQ(pegged(e, Side::Blue), 0);
    ASSERT_TRUE(game.redToPlay());
    EXPECT_STREQ(game.statusLine(), "Tap to peg \"go\"");
    ActionList actions;
    game.legalActions(actions);
    ASSERT_EQ(actions.count, 1);
    EXPECT_EQ(actions.actions[0], Action::go(Side::Red));

    e = applyOrFail(game, Action::go(Side::Red));
    EXPECT_EQ(pegged(e, Side::Red), 1);   // the go for Red's last card
    EXPECT_EQ(pegged(e, Side::Blue), 1);  // Blue's last nine is the last card
    EXPECT_EQ(game.score(Side::Red), 2);
    EXPECT_EQ(game.score(Side::Blue), 1);
    EXPECT_TRUE(game.playOver());
}

// When the computer lays the eighth card the play is over: its move loop
// neither says go nor pegs with no cards left.
TEST(PlayFlow, TheEighthCardEndsTheComputersMoves) {
    CribbageGame game;
    startPlay(game, deal(true, 0, 0, "AS 2S 3C 4C", "9S 9C 9D 9H", "6C 7C KS QS", "KD"), true,
              quiet());
    lay(game, "AS");             // 1, nine 10
    lay(game, "2S");             // 12, nine 21
    lay(game, "3C");             // 24, the nine does not fit: go
    EXPECT_TRUE(game.goPending());
    lay(game, "4C");             // 28, Red plays on and has no card left
    std::vector<GameEvent> e = applyOrFail(game, Action::go(Side::Red));
    EXPECT_EQ(pegged(e, Side::Red), 1);
    // With the person out of cards the computer lays both nines at once:
    // 9, 18 with a pair (2) and the last card (1), and nothing after.
    EXPECT_EQ(countOf(e, EventKind::CardLaid), 2);
    EXPECT_EQ(pegged(e, Side::Blue), 3);
    int after = -1;
    for (size_t i = 0; i < e.size(); ++i) {
        if (e[i].kind == EventKind::CardLaid) after = static_cast<int>(i);
    }
    for (size_t i = after + 1; i < e.size(); ++i) EXPECT_NE(e[i].kind, EventKind::GoSaid);
    EXPECT_TRUE(game.playOver());
    EXPECT_EQ(game.score(Side::Blue), 3);
    EXPECT_STREQ(game.statusLine(), "Tap screen to cont.");
    ActionList actions;
    game.legalActions(actions);
    ASSERT_EQ(actions.count, 1);
    EXPECT_EQ(actions.actions[0].kind, ActionKind::CountNext);
}

// 31 scores 2 and restarts the count; the eighth card on 31 scores 2.
TEST(PlayFlow, ThirtyOneAndTheLastCard) {
    CribbageGame game;
    startPlay(game, deal(true, 0, 0, "TS 5C 7H 8D", "KS 6S QH 6C", "2C 3C AS 2S", "9D"), false,
              quiet());
    lay(game, "TS");
    lay(game, "KS");
    lay(game, "5C");
    std::vector<GameEvent> e = lay(game, "6S");
    EXPECT_EQ(pegged(e, Side::Blue), 2);
    EXPECT_STREQ(game.message(Side::Blue, 0), "2 pts for a go");
    EXPECT_EQ(game.runningCount(), 0);
    EXPECT_EQ(countOf(e, EventKind::CountReset), 1);
    EXPECT_TRUE(game.redToPlay());  // the other player leads the new count
    lay(game, "7H");
    lay(game, "QH");
    lay(game, "8D");
    e = lay(game, "6C");  // 31 with the eighth card
    EXPECT_EQ(pegged(e, Side::Blue), 2);
    EXPECT_EQ(game.score(Side::Blue), 4);
    EXPECT_EQ(game.score(Side::Red), 0);
    EXPECT_TRUE(game.playOver());
}

// Both stuck below 31: the one who said go first lets the other lay all
// they can; that last card scores 1 and the count restarts with the player
// after it.
TEST(PlayFlow, BothStuckBelowThirtyOne) {
    CribbageGame game;
    startPlay(game, deal(true, 0, 0, "KS QS 2H 3H", "9C 8C 7D AS", "4C 5C 6S 6D", "9D"), false,
              quiet());
    lay(game, "KS");   // 10
    lay(game, "9C");   // 19
    lay(game, "QS");   // 29: Blue cannot lay 7 or 8, holds the ace
    EXPECT_TRUE(game.canLay(Side::Blue));
    lay(game, "AS");   // 30
    EXPECT_FALSE(game.canLay(Side::Red));
    std::vector<GameEvent> e = applyOrFail(game, Action::go(Side::Red));  // Red says go
    EXPECT_EQ(countOf(e, EventKind::GoSaid), 1);
    EXPECT_FALSE(game.redToPlay());
    e = applyOrFail(game, Action::go(Side::Blue));  // Blue cannot lay either: the go is Blue's
    EXPECT_EQ(pegged(e, Side::Blue), 1);
    EXPECT_EQ(game.runningCount(), 0);
    EXPECT_TRUE(game.redToPlay());  // Red, who said go, leads again
}

TEST(PlayFlow, ARefusedCardChangesNothing) {
    CribbageGame game;
    startPlay(game, deal(true, 0, 0, "KS QS JH 3H", "9C 8C 7D AS", "4C 5C 6S 6D", "9D"), false,
              quiet());
    lay(game, "KS");
    lay(game, "9C");
    lay(game, "QS");  // 29
    const CribbageGame before = game;
    EXPECT_FALSE(game.apply(Action::lay(Side::Blue, slotOf(game, Side::Blue, card("8C")))).accepted);
    EXPECT_FALSE(game.apply(Action::go(Side::Blue)).accepted);  // the ace fits: Blue must lay
    EXPECT_FALSE(game.apply(Action::lay(Side::Red, 3)).accepted);  // not Red's turn
    EXPECT_EQ(game.runningCount(), before.runningCount());
    EXPECT_EQ(game.cardsLaid(), before.cardsLaid());
}

// The first to reach 121 wins at once: in the play no further card is laid.
TEST(GameEnd, TheGameEndsTheMomentAPlayerReaches121InThePlay) {
    CribbageGame game;
    startPlay(game, deal(true, 119, 100, "4H 7D KS KC", "4S 4C 7S 8H", "2C 3C AS 2S", "9D"), true,
              quiet());
    lay(game, "4H");  // Blue pairs it: 2
    EXPECT_EQ(game.score(Side::Blue), 102);
    std::vector<GameEvent> e = lay(game, "7D");  // 15: Red reaches 121
    EXPECT_TRUE(game.gameOver());
    EXPECT_EQ(game.winner(), Side::Red);
    EXPECT_EQ(game.score(Side::Red), 121);
    EXPECT_EQ(game.score(Side::Blue), 102);
    for (const GameEvent& x : e) EXPECT_FALSE(x.kind == EventKind::CardLaid && x.side == Side::Blue);
    EXPECT_STREQ(game.statusLine(), "GAME OVER.");
    ActionList actions;
    game.legalActions(actions);
    ASSERT_EQ(actions.count, 1);
    EXPECT_EQ(actions.actions[0].kind, ActionKind::NewGame);
}

// Pone reaching 121 in the count wins before the dealer counts.
TEST(GameEnd, TheCountStopsAt121) {
    CribbageGame game;
    startPlay(game, deal(true, 100, 110, "5S 5C TD KH", "9S 9C 8D 8H", "2C 3C AS 2S", "5H"), false,
              quiet());
    for (const char* c : {"5S", "9S", "5C", "9C"}) lay(game, c);
    applyOrFail(game, Action::go(Side::Red));
    applyOrFail(game, Action::go(Side::Blue));  // Blue's go: 111
    for (const char* c : {"TD", "8D", "KH"}) lay(game, c);
    applyOrFail(game, Action::go(Side::Blue));
    applyOrFail(game, Action::go(Side::Red));  // Red's last card: 101
    lay(game, "8H");                           // the last card: 112
    ASSERT_TRUE(game.playOver());
    ASSERT_EQ(game.score(Side::Red), 101);
    ASSERT_EQ(game.score(Side::Blue), 112);

    std::vector<GameEvent> e = applyOrFail(game, Action::simple(ActionKind::CountNext));
    EXPECT_EQ(game.lastCount().total, 20);
    EXPECT_TRUE(game.gameOver());
    EXPECT_EQ(game.winner(), Side::Red);
    EXPECT_EQ(game.score(Side::Blue), 112);
    EXPECT_EQ(countOf(e, EventKind::HandCounted), 1);
    EXPECT_FALSE(game.apply(Action::simple(ActionKind::CountNext)).accepted);
}

TEST(GameEnd, TheCountsComeInTheOrderPoneDealerCrib) {
    CribbageGame game;
    // Blue deals; the crib is a four-card flush without the starter's suit.
    startPlay(game, deal(true, 0, 0, "5S 5C TD KH", "9S 9C 8D 8H", "2C 4C 6C 8C", "5H"), false,
              quiet());
    playOn(game, [&] { return game.playOver(); });
    std::vector<Side> order;
    std::vector<bool> crib;
    for (int i = 0; i < 3; ++i) {
        for (const GameEvent& e : applyOrFail(game, Action::simple(ActionKind::CountNext))) {
            if (e.kind != EventKind::HandCounted) continue;
            order.push_back(e.side);
            crib.push_back(e.crib);
            if (e.crib) {
                EXPECT_EQ(e.handCount.flush, 0);
            }
        }
    }
    EXPECT_EQ(order, (std::vector<Side>{Side::Red, Side::Blue, Side::Blue}));
    EXPECT_EQ(crib, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(game.state(), GameState::CountingCrib);
    applyOrFail(game, Action::simple(ActionKind::CountNext));
    EXPECT_EQ(game.state(), GameState::Dealing);
    EXPECT_FALSE(game.computerDeals());  // the deal passes
    EXPECT_FALSE(game.redToPlay());      // and the new pone, Blue, leads
}

TEST(GameEnd, HisHeelsAt119And120) {
    for (int start : {119, 120}) {
        CribbageGame game;
        std::vector<GameEvent> e = dealAndDiscard(
            game, deal(false, start, 50, "4H 7D KS KC", "4S 4C 7S 8H", "2C 3C AS 2S", "JD"), true,
            quiet());
        EXPECT_EQ(pegged(e, Side::Red), 2);
        EXPECT_STREQ(game.message(Side::Red, 0), "2 points for \"His Heels\"");
        EXPECT_TRUE(game.gameOver()) << start;
        EXPECT_EQ(game.winner(), Side::Red);
        EXPECT_EQ(game.score(Side::Red), start + 2);
        EXPECT_EQ(game.cardsLaid(), 0);
    }
}

TEST(GameEnd, HisHeelsBelowTheEndAndTheLearningMessages) {
    CribbageGame game;
    GameOptions o = quiet();
    o.learningMessages = true;
    dealAndDiscard(game, deal(false, 10, 50, "4H 7D KS KC", "4S 4C 7S 8H", "2C 3C AS 2S", "JD"),
                   true, o);
    EXPECT_EQ(game.score(Side::Red), 12);
    ASSERT_EQ(game.messageCount(Side::Red), 2);
    EXPECT_STREQ(game.message(Side::Red, 1), "Select card & tap play area");

    CribbageGame other;
    dealAndDiscard(other, deal(true, 10, 50, "4H 7D KS KC", "4S 4C 7S 8H", "2C 3C AS 2S", "JD"),
                   true, o);
    EXPECT_EQ(other.score(Side::Blue), 52);
    ASSERT_EQ(other.messageCount(Side::Red), 2);
    EXPECT_STREQ(other.message(Side::Red, 0), "Select a card to play and");
    EXPECT_STREQ(other.message(Side::Red, 1), "then tap the play area");
}

}  // namespace

#include <gtest/gtest.h>

#include "TestDecks.h"
#include "games/reflection/rules/ReflectionSession.h"

using namespace reflection;
using namespace reflection_test;

namespace {

ClockTime at(int minute, int second) {
    return ClockTime{2024, 6, 1, 12, minute, second};
}

class Session : public ::testing::Test {
  protected:
    // A game dealt from a deck that can be put out card by card.
    void dealWinnable(bool expert, const ClockTime& now) {
        session.setExpertMode(expert, 1, now);
        session.game().arrangeDeck(straightWinDeck().data());
        session.restartGame(now);
        session.game().dealOpeningCards();
    }
    bool play(const Move& move) { return session.doCommand(makeCommand(session.game(), move)); }
    void putOut(int cards) {
        for (int n = 0; n < cards; ++n) {
            ASSERT_TRUE(play(Move::dealCard()));
            ASSERT_TRUE(play(Move::dealtToSequence(n % 4)));
        }
    }

    ReflectionSession session;
};

}  // namespace

TEST_F(Session, AWinEntersTheListOnceAndEndsPlay) {
    dealWinnable(false, at(0, 0));
    putOut(48);
    ASSERT_EQ(session.game().score(), 200);
    GameEndRecord r = session.recordGameEnd(at(2, 5));
    EXPECT_EQ(r.outcome, GameEnd::EnteredList);
    EXPECT_EQ(r.row, 0);
    EXPECT_EQ(r.seconds, 125);
    EXPECT_FALSE(r.expert);
    EXPECT_TRUE(session.hasEnded());
    EXPECT_FALSE(session.game().isPlaying());
    EXPECT_FALSE(play(Move::dealCard()));
    EXPECT_FALSE(session.undoLast());
    EXPECT_EQ(session.displayedSeconds(at(9, 0)), 125);  // the clock stopped
    // Whatever screen the table shows next, the game is not recorded again:
    // not by another check, not by "New".
    session.game().setPlaying(true);
    EXPECT_EQ(session.recordGameEnd(at(3, 0)).outcome, GameEnd::Nothing);
    EXPECT_EQ(session.newGame(7, at(4, 0)).outcome, GameEnd::Nothing);
    EXPECT_EQ(session.normalList().score(0), 200);
    EXPECT_EQ(session.normalList().time(0), 125);
    EXPECT_EQ(session.normalList().score(1), 0);
    EXPECT_EQ(session.normalList().time(1), 999);
    EXPECT_FALSE(session.hasEnded());
}

TEST_F(Session, AWinWithoutAPlaceIsStillAWin) {
    for (int i = 0; i < 10; ++i) session.normalList().insert(200, 0);
    dealWinnable(false, at(0, 0));
    putOut(48);
    GameEndRecord r = session.recordGameEnd(at(0, 1));
    EXPECT_EQ(r.outcome, GameEnd::Won);
    EXPECT_EQ(r.row, -1);
    EXPECT_TRUE(session.hasEnded());
    EXPECT_FALSE(session.game().isPlaying());
}

TEST_F(Session, NewRecordsAnAbandonedGameOnlyWhenACardWentOut) {
    dealWinnable(false, at(0, 0));
    ASSERT_TRUE(play(Move::dealCard()));
    EXPECT_EQ(session.newGame(5, at(1, 0)).outcome, GameEnd::Nothing);  // score 8
    EXPECT_EQ(session.normalList().score(0), 0);
    dealWinnable(false, at(0, 0));
    putOut(1);
    GameEndRecord r = session.newGame(5, at(0, 30));
    EXPECT_EQ(r.outcome, GameEnd::EnteredList);
    EXPECT_EQ(session.normalList().score(0), 12);
    EXPECT_EQ(session.normalList().time(0), 30);
    // The new game is dealt and waits for its opening cards.
    EXPECT_EQ(session.history().size(), 0);
    EXPECT_EQ(session.game().score(), 0);
    EXPECT_FALSE(session.hasEnded());
}

TEST_F(Session, SwitchingTheModeRecordsTheGameInTheModeItWasPlayedIn) {
    dealWinnable(false, at(0, 0));
    putOut(2);
    GameEndRecord r = session.setExpertMode(true, 9, at(0, 40));
    EXPECT_EQ(r.outcome, GameEnd::EnteredList);
    EXPECT_FALSE(r.expert);
    EXPECT_EQ(session.normalList().score(0), 16);
    EXPECT_EQ(session.expertList().score(0), 0);
    EXPECT_TRUE(session.game().expertMode());
    EXPECT_EQ(&session.currentList(), &session.expertList());
    // And back: the expert game goes to the expert list.
    dealWinnable(true, at(1, 0));
    putOut(3);
    r = session.setExpertMode(false, 9, at(1, 10));
    EXPECT_TRUE(r.expert);
    EXPECT_EQ(session.expertList().score(0), 20);
    EXPECT_EQ(session.normalList().score(1), 0);
}

TEST_F(Session, ResetClearsOnlyTheCurrentMode) {
    session.normalList().insert(100, 10);
    session.expertList().insert(120, 10);
    session.game().setExpertMode(true);
    session.resetHighScores();
    EXPECT_EQ(session.expertList().score(0), 0);
    EXPECT_EQ(session.expertList().time(0), 999);
    EXPECT_EQ(session.normalList().score(0), 100);
}

TEST_F(Session, RestartNeedsADealAndClearsTheHistoryAndClock) {
    EXPECT_FALSE(session.restartGame(at(0, 0)));
    EXPECT_EQ(session.displayedSeconds(at(5, 0)), 0);
    dealWinnable(false, at(0, 0));
    putOut(2);
    EXPECT_EQ(session.displayedSeconds(at(0, 42)), 42);
    EXPECT_TRUE(session.restartGame(at(1, 0)));
    EXPECT_EQ(session.history().size(), 0);
    EXPECT_EQ(session.displayedSeconds(at(1, 5)), 5);
    EXPECT_EQ(session.normalList().score(0), 0);  // a restart is not recorded
}

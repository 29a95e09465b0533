#include <gtest/gtest.h>

#include "TestDecks.h"
#include "games/reflection/rules/CommandHistory.h"
#include "games/reflection/rules/DealSolver.h"
#include "games/reflection/rules/GreedyPlayer.h"

using namespace reflection;
using namespace reflection_test;

namespace {

// Plays a solver's line through the real commands; false if any is refused.
bool replay(ReflectionGame& game, const std::vector<Move>& moves) {
    CommandHistory history;
    for (const Move& m : moves) {
        if (!history.doCommand(makeCommand(game, m))) return false;
    }
    return true;
}

std::vector<int> deckOf(const ReflectionGame& game) {
    return positionOf(game).deckOrder;
}

}  // namespace

TEST(Greedy, PutsOutEveryCardThatFitsAsItComes) {
    ReflectionGame game;
    dealFrom(game, straightWinDeck());
    CommandHistory history;
    EXPECT_EQ(playGreedy(game, ParkingRule::Shortest, &history), 96);  // deal + put out, x48
    EXPECT_TRUE(game.isWon());
    EXPECT_EQ(history.size(), 96);
}

TEST(Greedy, KingsGoToTheKingsTalonAndOtherCardsToTheShortestTalon) {
    ReflectionGame game;
    dealFrom(game, deckStartingWith({"KH", "9C", "9D", "2C"}));
    Move move;
    for (int i = 0; i < 8; ++i) {  // four cards, each dealt and placed
        ASSERT_TRUE(nextGreedyMove(game, ParkingRule::Shortest, move));
        ASSERT_TRUE(game.tryMove(move));
    }
    EXPECT_EQ(cardCode(game.kingsTalon()[0]), cardCodeOf("KH"));
    EXPECT_EQ(cardCode(game.storeTalon(0)[0]), cardCodeOf("9C"));
    EXPECT_EQ(cardCode(game.storeTalon(1)[0]), cardCodeOf("9D"));
    EXPECT_EQ(cardCode(game.sequence(0)[1]), cardCodeOf("2C"));
    playGreedy(game, ParkingRule::Shortest);
    EXPECT_TRUE(game.deckExhausted());
    EXPECT_FALSE(nextGreedyMove(game, ParkingRule::Shortest, move));
}

TEST(Greedy, InExpertModeAKingIsParkedLikeAnyCard) {
    ReflectionGame game;
    dealFrom(game, deckStartingWith({"9C", "KH"}), /*expert=*/true);
    Move move;
    ASSERT_TRUE(nextGreedyMove(game, ParkingRule::Shortest, move));
    ASSERT_TRUE(game.tryMove(move));  // deal 9C
    ASSERT_TRUE(nextGreedyMove(game, ParkingRule::Shortest, move));
    ASSERT_TRUE(game.tryMove(move));  // park it
    ASSERT_TRUE(nextGreedyMove(game, ParkingRule::Shortest, move));
    ASSERT_TRUE(game.tryMove(move));  // deal KH
    ASSERT_TRUE(nextGreedyMove(game, ParkingRule::Shortest, move));
    EXPECT_EQ(move, Move::dealtToTalon(1));
}

TEST(Greedy, MakesNoMoveOutsidePlay) {
    ReflectionGame game;
    game.newGame(3);
    Move move;
    EXPECT_FALSE(nextGreedyMove(game, ParkingRule::Careful, move));
    EXPECT_EQ(playGreedy(game, ParkingRule::Careful), 0);
}

TEST(Greedy, UrgencyCountsCardsStillToBePutOut) {
    ReflectionGame game;
    dealFrom(game, deckStartingWith({}));
    EXPECT_EQ(cardsBeforeWanted(game, 1), 0);    // sequence 0 wants a 2 now
    EXPECT_EQ(cardsBeforeWanted(game, 9), 3);    // a 10 comes soonest on sequence 1: 2 (4 6 8) 10
    EXPECT_EQ(cardsBeforeWanted(game, 12), 11);  // a king only closes a sequence
}

TEST(Solver, FindsTheStraightWinInBothModes) {
    for (bool expert : {false, true}) {
        std::vector<int> deck = straightWinDeck();
        DealSolver solver(deck.data(), expert);
        SolveResult r = solver.solve(100000);
        ASSERT_EQ(r.outcome, SolveOutcome::Won);
        ReflectionGame game;
        dealFrom(game, deck, expert);
        ASSERT_TRUE(replay(game, r.moves));
        EXPECT_TRUE(game.isWon());
    }
}

TEST(Solver, EveryWinItClaimsIsAWinByTheRules) {
    int won = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        const bool expert = seed % 2 == 0;
        ReflectionGame game;
        game.setExpertMode(expert);
        game.newGame(seed);
        std::vector<int> deck = deckOf(game);
        DealSolver solver(deck.data(), expert);
        SolveResult r = solver.solve(30000);
        EXPECT_LE(r.nodes, 30000);
        if (r.outcome != SolveOutcome::Won) continue;
        ++won;
        game.dealOpeningCards();
        ASSERT_TRUE(replay(game, r.moves)) << seed;
        EXPECT_TRUE(game.isWon()) << seed;
    }
    EXPECT_GT(won, 0);
}

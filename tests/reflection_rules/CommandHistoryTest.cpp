#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "TestDecks.h"
#include "games/reflection/rules/CommandHistory.h"
#include "games/reflection/rules/Commands.h"

using namespace reflection;
using namespace reflection_test;

namespace {

// The score rule: 2 for each opening card, 4 for every card put out after.
int expectedScore(const ReflectionGame& game) {
    return 8 + 4 * (game.cardsOnSequences() - 4);
}

class History : public ::testing::Test {
  protected:
    void SetUp() override { dealFrom(game, deckStartingWith({"2H", "9C", "3D", "KS"})); }
    bool play(const Move& move) { return history.doCommand(makeCommand(game, move)); }

    ReflectionGame game;
    CommandHistory history;
};

}  // namespace

TEST_F(History, RefusedCommandsAreNotKept) {
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(play(Move::dealtToTalon(0)));  // no dealt card
    EXPECT_EQ(history.size(), 0);
    EXPECT_FALSE(history.doCommand(nullptr));
    EXPECT_FALSE(history.undoLast());
    EXPECT_FALSE(history.redoNext());
    EXPECT_EQ(history.currentIndex(), -1);
}

TEST_F(History, UndoOfACardOnASequenceTakesTheFourPointsBack) {
    ASSERT_TRUE(play(Move::dealCard()));
    ASSERT_TRUE(history.doCommand(std::make_unique<DealtToSequence>(game, 0)));
    EXPECT_EQ(game.score(), 12);
    EXPECT_TRUE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    ASSERT_TRUE(history.undoLast());
    EXPECT_EQ(game.score(), 8);
    EXPECT_EQ(cardCode(game.dealtCard()), cardCodeOf("2H"));
    EXPECT_TRUE(history.canRedo());
    ASSERT_TRUE(history.undoLast());
    EXPECT_EQ(game.dealtCard(), nullptr);
    EXPECT_EQ(game.deck().nextCard, 4);
    EXPECT_FALSE(history.canUndo());
    ASSERT_TRUE(history.redoNext());
    ASSERT_TRUE(history.redoNext());
    EXPECT_EQ(game.score(), 12);
    EXPECT_FALSE(history.canRedo());
}

TEST_F(History, ANewMoveCutsOffEverythingThatCouldBeRedone) {
    ASSERT_TRUE(play(Move::dealCard()));
    ASSERT_TRUE(play(Move::dealtToTalon(0)));
    ASSERT_TRUE(play(Move::dealCard()));
    ASSERT_TRUE(history.undoLast());
    ASSERT_TRUE(history.undoLast());
    EXPECT_EQ(history.size(), 3);
    ASSERT_TRUE(play(Move::dealtToTalon(1)));
    EXPECT_EQ(history.size(), 2);
    EXPECT_EQ(history.currentIndex(), 1);
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.redoNext());
    EXPECT_EQ(game.storeTalon(0).iSize, 0);
    EXPECT_EQ(game.storeTalon(1).iSize, 1);
}

TEST_F(History, ARefusedRedoLeavesTheIndexSoUndoTakesTheRightCard) {
    ASSERT_TRUE(play(Move::dealCard()));          // 2H
    ASSERT_TRUE(play(Move::dealtToSequence(0)));  // A 2
    ASSERT_TRUE(play(Move::dealCard()));          // 9C
    ASSERT_TRUE(play(Move::dealtToTalon(0)));
    ASSERT_TRUE(history.undoLast());  // 9C back in the hand
    // The game leaves the Playing state (another screen, or the game ended):
    // the redo is refused by the command and must not count as done.
    game.setPlaying(false);
    EXPECT_FALSE(history.redoNext());
    EXPECT_EQ(history.currentIndex(), 2);
    EXPECT_EQ(game.storeTalon(0).iSize, 0);
    game.setPlaying(true);
    // Undo now reverses the deal of 9C, not the 2H on the sequence.
    ASSERT_TRUE(history.undoLast());
    EXPECT_EQ(game.dealtCard(), nullptr);
    EXPECT_EQ(game.sequence(0).iSize, 2);
    EXPECT_EQ(game.score(), 12);
    ASSERT_TRUE(history.redoNext());
    ASSERT_TRUE(history.redoNext());
    EXPECT_EQ(game.storeTalon(0).iSize, 1);
}

TEST_F(History, UndoWaitsForThePlayingState) {
    ASSERT_TRUE(play(Move::dealCard()));
    game.setPlaying(false);
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undoLast());
    EXPECT_NE(game.dealtCard(), nullptr);
}

TEST_F(History, ClearEmptiesTheHistory) {
    ASSERT_TRUE(play(Move::dealCard()));
    ASSERT_TRUE(play(Move::dealtToTalon(3)));
    history.clearHistory();
    EXPECT_EQ(history.size(), 0);
    EXPECT_EQ(history.currentIndex(), -1);
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
}

// The longest possible line of play: every card dealt, parked and put out,
// 3 x 48 commands, undone to the deal and redone to the win.
TEST(HistoryLength, AWholeGameOfParkedCardsUndoesAndRedoes) {
    ReflectionGame game;
    dealFrom(game, straightWinDeck(), /*expert=*/true);
    const Position dealt = positionOf(game);
    CommandHistory history;
    for (int n = 0; n < 48; ++n) {
        ASSERT_TRUE(history.doCommand(std::make_unique<DealCard>(game)));
        ASSERT_TRUE(history.doCommand(std::make_unique<DealtToTalon>(game, n % 4)));
        ASSERT_TRUE(history.doCommand(std::make_unique<TalonToSequence>(game, n % 4, n % 4)));
    }
    EXPECT_EQ(game.score(), 200);
    EXPECT_TRUE(game.isWon());
    const Position won = positionOf(game);
    int undone = 0;
    while (history.undoLast()) ++undone;
    EXPECT_EQ(undone, 144);
    EXPECT_EQ(positionOf(game), dealt);
    while (history.redoNext()) {
    }
    EXPECT_EQ(positionOf(game), won);
}

// Random games: a random mix of legal moves, undos and redos. After every
// step the position must equal the one recorded when the history last stood
// at that index, and the score must follow the cards on the sequences.
TEST(HistoryProperty, UndoAndRedoRestoreEveryPositionExactly) {
    for (uint32_t seed = 1; seed <= 150; ++seed) {
        ReflectionGame game;
        game.setExpertMode(seed % 3 == 0);
        game.newGame(seed);
        game.dealOpeningCards();
        CommandHistory history;
        std::mt19937 rng(seed);
        std::vector<Position> at = {positionOf(game)};  // at[k]: after k commands
        for (int step = 0; step < 400; ++step) {
            const int roll = static_cast<int>(rng() % 10);
            if (roll == 0) {
                if (history.undoLast()) {
                    ASSERT_EQ(positionOf(game), at[history.currentIndex() + 1]) << seed;
                }
            } else if (roll == 1) {
                if (history.redoNext()) {
                    ASSERT_EQ(positionOf(game), at[history.currentIndex() + 1]) << seed;
                }
            } else {
                MoveList moves;
                game.legalMoves(moves);
                if (moves.count == 0) continue;
                const Move move = moves.moves[rng() % moves.count];
                ASSERT_TRUE(history.doCommand(makeCommand(game, move)));
                at.resize(history.currentIndex() + 1);
                at.push_back(positionOf(game));
            }
            ASSERT_EQ(game.score(), expectedScore(game)) << seed;
            ASSERT_EQ(history.size() + 1, static_cast<int>(at.size()));
        }
        // Undo all: the deal. Redo all: the end.
        while (history.redoNext()) {
        }
        const Position end = positionOf(game);
        ASSERT_EQ(end, at.back());
        while (history.undoLast()) ASSERT_EQ(game.score(), expectedScore(game));
        ASSERT_EQ(positionOf(game), at.front()) << seed;
        while (history.redoNext()) {
        }
        ASSERT_EQ(positionOf(game), end) << seed;
    }
}

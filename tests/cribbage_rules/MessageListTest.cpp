// When each player's message list is shown: a line added shows it, the
// person's move hides what the computer said before (its lines stay), and
// the computer's move leaves the person's list shown.

#include <gtest/gtest.h>

#include "tests/cribbage_rules/CribbageTestSupport.h"

using namespace cribbage_test;

namespace {

// The computer deals; the person leads with tens against four nines, and
// Blue's moves come as actions.
void startDeal(CribbageGame& game, bool learningMessages) {
    GameOptions options;
    options.learningMessages = learningMessages;
    options.multipleGames = false;
    startPlay(game, deal(true, 0, 0, "TS TC 2D 5H", "9S 9C 9D 9H", "3C 4C 6S 7S", "KD"), false,
              options);
}

}  // namespace

TEST(MessageLists, ThePersonsMoveHidesTheComputersWordsAndTheComputersMoveKeepsThePersons) {
    CribbageGame game;
    startDeal(game, true);
    ASSERT_TRUE(game.redToPlay());  // pone leads
    // The play's instructions stand in the person's list; the computer's is empty.
    EXPECT_TRUE(game.messagesShown(Side::Red));
    EXPECT_FALSE(game.messagesShown(Side::Blue));

    lay(game, "TS");  // 10
    lay(game, "9S");  // 19
    lay(game, "TC");  // 29
    applyOrFail(game, Action::go(Side::Blue));
    EXPECT_STREQ(game.message(Side::Blue, 0), "\"go\"");
    EXPECT_TRUE(game.messagesShown(Side::Blue));
    EXPECT_FALSE(game.messagesShown(Side::Red)) << "the person's list was emptied by his move";

    lay(game, "2D");  // 31 for 2
    EXPECT_EQ(game.messageCount(Side::Blue), 1) << "the computer's line is kept";
    EXPECT_FALSE(game.messagesShown(Side::Blue)) << "but no longer shown";
    ASSERT_EQ(game.messageCount(Side::Red), 1);
    EXPECT_STREQ(game.message(Side::Red, 0), "2 pts for a go");
    EXPECT_TRUE(game.messagesShown(Side::Red));

    lay(game, "9C");  // the computer leads again: its list is emptied, the person's stays
    EXPECT_EQ(game.messageCount(Side::Blue), 0);
    EXPECT_FALSE(game.messagesShown(Side::Blue));
    EXPECT_TRUE(game.messagesShown(Side::Red));
}

TEST(MessageLists, WithoutLearningMessagesNothingIsShownAtTheDealOrThePlay) {
    CribbageGame game;
    startDeal(game, false);
    EXPECT_FALSE(game.messagesShown(Side::Red));
    EXPECT_FALSE(game.messagesShown(Side::Blue));
}

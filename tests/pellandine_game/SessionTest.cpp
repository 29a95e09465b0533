// The program's flow around the rules: screens, the end of a game, what the
// player is told, and the Game Settings choices.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamekit/cards/CardText.h"
#include "games/pellandine/Session.h"
#include "games/pellandine/TableLayout.h"
#include "games/pellandine/rules/GroupRules.h"
#include "pellandine_rules/StackedDecks.h"

using namespace pellandine;

namespace {

struct Fixture {
    PellandineOptions options;
    std::unique_ptr<PellandineSession> session;

    explicit Fixture(int gameType, bool dialogs = true) {
        options.gameType = gameType;
        options.displayDialogs = dialogs;
        session = std::make_unique<PellandineSession>(1234, options);
        session->leaveStartup();
    }

    void stack(const std::string& order) {
        std::vector<CardCode> codes;
        std::string error;
        ASSERT_TRUE(gamekit::parseCardList(order, codes, error)) << error;
        ASSERT_TRUE(session->rules().newGameWithOrder(codes).dealt);
    }

    // A tap on a card and the lift that judges the selection.
    PlayResult tapCard(int row, int column, Announcement& a) {
        const ScreenPoint at = slotPlace(session->rules().grid().gameType(), row, column);
        session->tapTable(at.x + 15, at.y + 22, 0, a);
        return session->penUp(false, a);
    }

    PlayResult tapDeck(Announcement& a) {
        const int y = firstRowY(session->rules().grid().gameType()) + 10;
        PlayResult r = session->tapTable(20, y, 99, a);
        session->penUp(false, a);
        return r;
    }

    // Removes the first group the rules allow; false when there is none.
    bool removeFirstGroup(Announcement& a) {
        std::vector<Group> groups;
        findGroups(session->rules().grid(), groups);
        if (groups.empty()) return false;
        for (int k = 0; k < groups[0].size; ++k) {
            tapCard(groups[0].index[k] / kColumns, groups[0].index[k] % kColumns, a);
        }
        return true;
    }

    // Plays the stacked game to its end; gives what the winning step told.
    Announcement playToTheEnd() {
        Announcement won;
        for (int plays = 0; !session->rules().gameOver() && plays < 100; ++plays) {
            Announcement a;
            if (!removeFirstGroup(a)) tapDeck(a);
            if (a.presentTableFirst) won = a;
        }
        EXPECT_TRUE(session->rules().gameOver());
        return won;
    }
};

// Sum 14 in pairs of 14: every deal is cleared by its own pairs, so the game
// is won after five deck taps.
std::string winnableSum14() {
    std::string order;
    for (const auto& pair : pellandine_test::sum14Pairs())
        order += pair.first + " " + pair.second + " ";
    return order;
}

}  // namespace

TEST(PellandineSession, StartsOnTheStartupScreenAndATapLeadsToTheTable) {
    PellandineOptions options;
    PellandineSession session(1, options);
    EXPECT_EQ(session.screen(), kScreenStartup);
    session.leaveStartup();
    EXPECT_EQ(session.screen(), kScreenTable);
}

TEST(PellandineSession, ADeckTapBeforeTheFirstGameDealsAndTheDealIsShownOnce) {
    Fixture f(kPairs);
    Announcement a;
    PlayResult r = f.tapDeck(a);
    EXPECT_TRUE(r.dealt);
    EXPECT_EQ(f.session->screen(), kScreenDealing);
    EXPECT_EQ(r.before.cardsOnTable(), 0);  // the deal flies onto a cleared table
    EXPECT_EQ(r.events.size(), 20u);
    f.session->dealShown();
    EXPECT_EQ(f.session->screen(), kScreenPlaying);
    EXPECT_EQ(a.message, nullptr);
}

TEST(PellandineSession, AWonGameIsOfferedToTheListOnceWhateverScreensFollow) {
    // With dialogs off the win goes to the list without a box.
    Fixture quiet(kSum14, false);
    quiet.stack(winnableSum14());
    const Announcement wonQuietly = quiet.playToTheEnd();
    EXPECT_TRUE(wonQuietly.presentTableFirst);
    EXPECT_EQ(wonQuietly.message, nullptr);
    EXPECT_EQ(quiet.session->screen(), kScreenHighScores);

    Fixture f(kSum14);
    f.stack(winnableSum14());
    const Announcement won = f.playToTheEnd();
    EXPECT_TRUE(won.presentTableFirst);
    ASSERT_NE(won.message, nullptr);
    EXPECT_STREQ(won.message, "You made the high score list");
    EXPECT_TRUE(won.scoresChanged);
    EXPECT_EQ(f.session->screen(), kScreenHighScores);
    EXPECT_EQ(f.session->returnScreen(), kScreenGameOver);

    // Back to the finished table, a lift there, the high scores again, and a
    // new game by "New": the won game stays entered once.
    f.session->closePage();
    EXPECT_EQ(f.session->screen(), kScreenGameOver);
    Announcement after;
    f.session->penUp(false, after);
    EXPECT_STREQ(f.session->rules().promptLines().first, "Tap deck to start a new game, or");
    f.session->openPage(kScreenHighScores);
    f.session->closePage();
    f.session->newGame(7, after);
    EXPECT_EQ(after.message, nullptr);
    EXPECT_FALSE(after.scoresChanged);
    const auto& list = f.session->rules().scores().list(kSum14);
    EXPECT_EQ(list[0], 52);
    EXPECT_EQ(list[1], 0);
}

TEST(PellandineSession, ASum11GameClearedByADeckTapIsWon) {
    // Two deals of ten vertical pairs of 11, then the twelve face cards: the
    // last deck tap stacks them all in one place with nothing to cover them,
    // so they count as removed and the score reaches 52 on that tap.
    const auto pairs = pellandine_test::sum11Pairs();
    std::string order;
    for (int first : {0, 5, 10, 15}) order += pellandine_test::twoRowsOfPairs(pairs, first);
    order += pellandine_test::sum11FaceCards();
    Fixture f(kSum11);
    f.stack(order);
    for (int round = 0; round < 2; ++round) {
        for (int column = 0; column < kColumns; ++column) {
            Announcement a;
            f.tapCard(0, column, a);
            f.tapCard(1, column, a);
            f.tapCard(2, column, a);
            f.tapCard(3, column, a);
        }
        EXPECT_EQ(f.session->rules().score(), 20 * (round + 1));
        Announcement a;
        PlayResult r = f.tapDeck(a);
        if (round == 0) {
            EXPECT_FALSE(r.gameWon);
            continue;
        }
        EXPECT_TRUE(r.gameWon);
        EXPECT_TRUE(a.presentTableFirst);
        EXPECT_STREQ(a.message, "You made the high score list");
    }
    EXPECT_EQ(f.session->rules().score(), 52);
    EXPECT_EQ(f.session->screen(), kScreenHighScores);
    EXPECT_EQ(f.session->returnScreen(), kScreenGameOver);
}

TEST(PellandineSession, NewOffersAnUnfinishedScoreWithOnlyTheBox) {
    Fixture f(kSum14);
    f.stack(winnableSum14());
    Announcement a;
    ASSERT_TRUE(f.removeFirstGroup(a));
    Announcement next;
    PlayResult r = f.session->newGame(55, next);
    EXPECT_TRUE(r.dealt);
    EXPECT_FALSE(next.presentTableFirst);
    EXPECT_STREQ(next.message, "You made the high score list");
    EXPECT_EQ(f.session->screen(), kScreenDealing);  // the list is not shown
    EXPECT_EQ(f.session->rules().scores().list(kSum14)[0], 2);
}

TEST(PellandineSession, ChoosingTheSameVariationKeepsTheGame) {
    Fixture f(kPairs);
    Announcement a;
    f.tapDeck(a);
    f.session->dealShown();
    f.session->openPage(kScreenSettings);
    PlayResult r;
    const TableGrid before = f.session->rules().grid();
    EXPECT_FALSE(f.session->chooseVariation(kPairs, 5, r, a));
    EXPECT_EQ(f.session->screen(), kScreenSettings);
    f.session->closePage();
    EXPECT_EQ(f.session->screen(), kScreenPlaying);
    EXPECT_EQ(f.session->rules().grid().at(0).card, before.at(0).card);
}

TEST(PellandineSession, ChoosingAnotherVariationDealsItAndOffersTheUnfinishedScore) {
    Fixture f(kSum14);
    f.stack(winnableSum14());
    Announcement a;
    ASSERT_TRUE(f.removeFirstGroup(a));
    f.session->openPage(kScreenSettings);
    PlayResult r;
    Announcement chosen;
    ASSERT_TRUE(f.session->chooseVariation(kSum10, 5, r, chosen));
    EXPECT_TRUE(r.dealt);
    EXPECT_EQ(f.options.gameType, kSum10);
    EXPECT_EQ(f.session->rules().dealtGameType(), kSum10);
    EXPECT_STREQ(chosen.message, "You made the high score list");
    EXPECT_EQ(f.session->rules().scores().list(kSum14)[0], 2);
    EXPECT_EQ(f.session->screen(), kScreenSettings);  // the page stays
    f.session->closePage();
    EXPECT_EQ(f.session->screen(), kScreenDealing);  // and leads to the new deal
}

TEST(PellandineSession, PagesReturnWhereTheyWereOpenedFrom) {
    Fixture f(kPairs);
    f.session->openPage(kScreenRules);
    f.session->openPage(kScreenRules);  // the same page again changes nothing
    f.session->closePage();
    EXPECT_EQ(f.session->screen(), kScreenTable);
    Announcement a;
    f.tapDeck(a);
    f.session->dealShown();
    f.session->openPage(kScreenHighScores);
    f.session->closePage();
    EXPECT_EQ(f.session->screen(), kScreenPlaying);
}

// The Right key shows the list over any page: its OK goes back to that
// page, whose own OK then leads to the table.
TEST(PellandineSession, AListOpenedOverTheRulesReturnsToThemAndTheyToTheTable) {
    Fixture f(kPairs);
    f.session->openPage(kScreenRules);
    f.session->openPage(kScreenHighScores);
    f.session->closePage();
    EXPECT_EQ(f.session->screen(), kScreenRules);
    f.session->closePage();
    EXPECT_EQ(f.session->screen(), kScreenTable);
}

TEST(PellandineSession, ResetEmptiesOnlyTheShownVariationsList) {
    Fixture f(kSum11);
    f.session->rules().scores().recordScore(kSum11, 12);
    f.session->rules().scores().recordScore(kPairs, 30);
    f.session->resetScores();
    EXPECT_EQ(f.session->rules().scores().list(kSum11)[0], 0);
    EXPECT_EQ(f.session->rules().scores().list(kPairs)[0], 30);
}

TEST(PellandineSession, RestartBeforeTheFirstDealDoesNothingAndAfterItDealsTheSameCards) {
    Fixture f(kSum10);
    Announcement a;
    EXPECT_FALSE(f.session->restartGame(a).dealt);
    EXPECT_EQ(f.session->screen(), kScreenTable);
    f.tapDeck(a);
    const TableGrid first = f.session->rules().grid();
    f.removeFirstGroup(a);  // whether or not the deal has a group
    PlayResult r = f.session->restartGame(a);
    EXPECT_TRUE(r.dealt);
    EXPECT_EQ(f.session->screen(), kScreenDealing);
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_EQ(f.session->rules().grid().at(i).card, first.at(i).card);
}

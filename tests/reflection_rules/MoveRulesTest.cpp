#include <gtest/gtest.h>

#include "TestDecks.h"
#include "games/reflection/rules/ReflectionGame.h"

using namespace reflection;
using namespace reflection_test;

namespace {

void deal(ReflectionGame& game) {
    ASSERT_TRUE(game.tryMove(Move::dealCard()));
}

}  // namespace

TEST(MoveRules, DealingNeedsNoWaitingCardAndCardsLeft) {
    ReflectionGame game;
    dealFrom(game, deckStartingWith({}), /*expert=*/true);
    deal(game);
    const int waiting = cardCode(game.dealtCard());
    EXPECT_FALSE(game.tryMove(Move::dealCard()));
    EXPECT_EQ(cardCode(game.dealtCard()), waiting);
    EXPECT_EQ(game.deck().nextCard, 5);
    // Park the whole deck: 48 cards, 12 per talon in expert mode.
    for (int n = 0; n < 48; ++n) {
        if (n > 0) deal(game);
        ASSERT_TRUE(game.tryMove(Move::dealtToTalon(n % 4)));
    }
    EXPECT_TRUE(game.deckExhausted());
    EXPECT_FALSE(game.canDealCard());
    EXPECT_FALSE(game.tryMove(Move::dealCard()));
    EXPECT_EQ(game.dealtCard(), nullptr);
    EXPECT_EQ(game.deck().nextCard, 52);
}

TEST(MoveRules, NothingMovesOutsideThePlayingState) {
    ReflectionGame game;
    EXPECT_FALSE(game.tryMove(Move::dealCard()));  // nothing dealt yet
    dealFrom(game, deckStartingWith({"5S"}));
    deal(game);
    game.setPlaying(false);
    MoveList moves;
    game.legalMoves(moves);
    EXPECT_EQ(moves.count, 0);
    EXPECT_FALSE(game.tryMove(Move::dealtToSequence(0)));
    EXPECT_FALSE(game.tryMove(Move::dealtToTalon(0)));
    EXPECT_EQ(game.sequence(0).iSize, 1);
    game.setPlaying(true);
    EXPECT_FALSE(game.tryMove(Move::dealtToSequence(0)));  // 5 does not follow A
    EXPECT_TRUE(game.tryMove(Move::dealtToTalon(0)));
}

TEST(MoveRules, DealtCardGoesOnlyWhereItsRankIsRequired) {
    ReflectionGame game;
    dealFrom(game, deckStartingWith({"2H", "6C"}));
    deal(game);
    EXPECT_FALSE(game.tryMove(Move::dealtToSequence(1)));  // sequence 1 wants a 4
    EXPECT_FALSE(game.tryMove(Move::dealtToSequence(4)));  // no such sequence
    EXPECT_FALSE(game.tryMove(Move::dealtToSequence(-1)));
    EXPECT_EQ(game.score(), 8);
    EXPECT_TRUE(game.tryMove(Move::dealtToSequence(0)));
    EXPECT_EQ(game.score(), 12);
    EXPECT_EQ(game.dealtCard(), nullptr);
    EXPECT_EQ(game.sequence(0).iSize, 2);
    deal(game);  // 6C: sequence 2 (3 6 ...) takes it
    EXPECT_FALSE(game.canDealtToSequence(0));
    EXPECT_FALSE(game.canDealtToSequence(1));
    EXPECT_TRUE(game.canDealtToSequence(2));
    EXPECT_FALSE(game.canDealtToSequence(3));
}

TEST(MoveRules, OnlyTheTopOfAStoreTalonMovesAndOnlyOntoASequence) {
    ReflectionGame game;
    dealFrom(game, deckStartingWith({"2H", "9C", "8D"}));
    EXPECT_FALSE(game.tryMove(Move::talonToSequence(0, 0)));  // empty talon
    deal(game);
    ASSERT_TRUE(game.tryMove(Move::dealtToTalon(0)));  // 2H
    deal(game);
    ASSERT_TRUE(game.tryMove(Move::dealtToTalon(0)));  // 9C covers it
    EXPECT_FALSE(game.tryMove(Move::talonToSequence(0, 0)));
    EXPECT_FALSE(game.tryMove(Move::talonToSequence(4, 0)));
    deal(game);
    ASSERT_TRUE(game.tryMove(Move::dealtToTalon(1)));        // 8D
    EXPECT_TRUE(game.tryMove(Move::talonToSequence(1, 3)));  // 4 then 8
    EXPECT_EQ(game.score(), 12);
    EXPECT_EQ(game.storeTalon(1).iSize, 0);
    EXPECT_EQ(game.storeTalon(0).iSize, 2);
}

TEST(MoveRules, TheTwentyFirstTalonCardIsRefused) {
    ReflectionGame game;
    // Twenty cards that are neither kings nor wanted yet, then a 21st.
    dealFrom(game,
             deckStartingWith({"6S",  "7S", "8S", "9S", "10S", "JS", "QS", "6C",  "7C", "8C", "9C",
                               "10C", "JC", "QC", "6H", "7H",  "8H", "9H", "10H", "JH", "QH"}));
    for (int n = 0; n < 20; ++n) {
        deal(game);
        ASSERT_TRUE(game.tryMove(Move::dealtToTalon(0))) << n;
    }
    deal(game);
    EXPECT_FALSE(game.canDealtToTalon(0));
    EXPECT_FALSE(game.tryMove(Move::dealtToTalon(0)));
    EXPECT_EQ(game.storeTalon(0).iSize, 20);
    EXPECT_TRUE(game.tryMove(Move::dealtToTalon(1)));
}

TEST(MoveRules, KingsTalonInNormalMode) {
    ReflectionGame game;
    dealFrom(game, deckStartingWith({"KH", "2C", "3C", "4C", "5C", "6C", "7C", "8C", "9C", "10C",
                                     "JC", "QC", "KD"}));
    deal(game);
    EXPECT_FALSE(game.tryMove(Move::dealtToTalon(0)));  // a king stays off the store talons
    EXPECT_FALSE(game.tryMove(Move::dealtToSequence(0)));
    EXPECT_TRUE(game.tryMove(Move::dealtToKings()));
    EXPECT_EQ(game.kingsTalon().iSize, 1);
    EXPECT_EQ(game.score(), 8);
    for (int n = 0; n < 11; ++n) {
        EXPECT_FALSE(game.canKingsToSequence(0)) << "sequence 0 holds " << game.sequence(0).iSize;
        deal(game);
        ASSERT_TRUE(game.tryMove(Move::dealtToSequence(0)));
    }
    ASSERT_EQ(game.sequence(0).iSize, 12);
    deal(game);  // KD, with KH waiting on the kings talon
    EXPECT_TRUE(game.tryMove(Move::dealtToKings()));
    EXPECT_FALSE(game.tryMove(Move::kingsToSequence(1)));  // holds one card
    EXPECT_FALSE(game.tryMove(Move::kingsToSequence(4)));
    EXPECT_TRUE(game.tryMove(Move::kingsToSequence(0)));
    EXPECT_EQ(game.sequence(0).iSize, 13);
    EXPECT_EQ(cardCode(game.sequence(0)[12]), cardCodeOf("KD"));
    EXPECT_FALSE(game.tryMove(Move::kingsToSequence(0)));  // complete
    EXPECT_EQ(game.score(), 8 + 12 * 4);
}

TEST(MoveRules, ExpertModeParksKingsOnStoreTalonsAndHasNoKingsTalon) {
    ReflectionGame game;
    dealFrom(game, deckStartingWith({"KH", "KS"}), /*expert=*/true);
    deal(game);
    EXPECT_FALSE(game.tryMove(Move::dealtToKings()));
    EXPECT_TRUE(game.tryMove(Move::dealtToTalon(2)));
    EXPECT_EQ(game.kingsTalon().iSize, 0);
    EXPECT_FALSE(game.canKingsToSequence(0));
    MoveList moves;
    game.legalMoves(moves);
    for (const Move& m : moves) EXPECT_NE(m.kind, MoveKind::KingsToSequence);
}

TEST(MoveRules, LegalMovesAreExactlyTheMovesThatSucceed) {
    ReflectionGame game;
    dealFrom(game, deckStartingWith({"2H", "KC", "4D", "8D"}));
    auto check = [&game] {
        MoveList listed;
        game.legalMoves(listed);
        int succeeded = 0;
        Move all[] = {Move::dealCard(), Move::dealtToKings()};
        for (const Move& m : all) succeeded += game.isLegal(m);
        for (int i = 0; i < 4; ++i) {
            succeeded += game.isLegal(Move::dealtToTalon(i)) +
                         game.isLegal(Move::dealtToSequence(i)) +
                         game.isLegal(Move::kingsToSequence(i));
            for (int j = 0; j < 4; ++j) succeeded += game.isLegal(Move::talonToSequence(i, j));
        }
        EXPECT_EQ(listed.count, succeeded);
        for (const Move& m : listed) EXPECT_TRUE(game.isLegal(m));
    };
    check();
    deal(game);
    check();
    ASSERT_TRUE(game.tryMove(Move::dealtToTalon(0)));
    deal(game);
    check();
    ASSERT_TRUE(game.tryMove(Move::dealtToKings()));
    deal(game);
    check();
}

#include <gtest/gtest.h>

#include "games/cribbage/rules/ComputerPlayer.h"
#include "tests/cribbage_rules/CribbageTestSupport.h"

using namespace cribbage_test;

namespace {

GameOptions withHints(int hintType, int computerAI = 1) {
    GameOptions o;
    o.hintType = hintType;
    o.computerAI = computerAI;
    o.learningMessages = false;
    o.multipleGames = false;
    return o;
}

TEST(Discards, TheCribValueOfTwoCards) {
    EXPECT_EQ(cribValue(card("5S"), card("5H")), 4);  // pair 2, a five 2
    EXPECT_EQ(cribValue(card("7S"), card("8H")), 5);  // fifteen 2, seven or eight 1, adjacent 2
    EXPECT_EQ(cribValue(card("AS"), card("4H")), 2);  // sum of 5
    EXPECT_EQ(cribValue(card("9S"), card("JH")), 1);  // two apart
    EXPECT_EQ(cribValue(card("2S"), card("KH")), 0);
}

// Blue's six in deal order: 5S KH QD 5C, then 5D 5H.
CribbageGame dealtSix(bool computerDeals) {
    CribbageGame game;
    game.setComputerPlaysBlue(false);
    game.setOptions(withHints(0));
    EXPECT_TRUE(game.arrangeDeal(
        deal(computerDeals, 0, 0, "2C 3C 9S JC", "5S KH QD 5C", "4S 8S 5D 5H", "AH")));
    applyOrFail(game, Action::simple(ActionKind::Deal));
    return game;
}

TEST(Discards, BeginningStopsAtTheFirstPairsThatKeepAHand) {
    const CribbageGame game = dealtSix(false);  // Blue is pone
    // Keeping the four fives (laying K Q away) is best ...
    const DiscardChoice standard = chooseDiscards(game, Side::Blue, kStandard, true);
    EXPECT_EQ(standard.first, 1);
    EXPECT_EQ(standard.second, 2);
    // ... but the pairs with slot 0 already keep a hand worth 14 (a five and
    // the king laid away), so the beginner looks no further.
    const DiscardChoice beginning = chooseDiscards(game, Side::Blue, kBeginning, true);
    EXPECT_EQ(beginning.first, 0);
    EXPECT_EQ(beginning.second, 1);
    // The person's advice with hints off rates every pair.
    const CribbageGame redSide = game;
    EXPECT_EQ(chooseDiscards(redSide, Side::Blue, kBeginning, false).first, 1);
}

TEST(Discards, TheCribCountsForTheDealerAndAgainstPone) {
    // Q 5 5 5 kept with K Q laid away: as dealer the crib adds, as pone it
    // subtracts; either way the four fives stay.
    for (bool computerDeals : {false, true}) {
        const CribbageGame game = dealtSix(computerDeals);
        const DiscardChoice c = chooseDiscards(game, Side::Blue, kExpert, true);
        EXPECT_EQ(c.first, 1);
        EXPECT_EQ(c.second, 2);
    }
    // A hand whose only difference is the crib: pone lays away the cards that
    // help the crib least, the dealer those that help it most.
    CribbageGame game;
    game.setComputerPlaysBlue(false);
    game.setOptions(withHints(0));
    ASSERT_TRUE(game.arrangeDeal(deal(false, 0, 0, "2C 3C 9S JC", "KS KH KD KC", "4S 8S 5D 5H", "AH")));
    applyOrFail(game, Action::simple(ActionKind::Deal));
    // Blue holds K K K K 5 5: laying the fives away keeps the royal (12) and
    // gives the dealer's crib 4; pone rather lays two kings away.
    const DiscardChoice pone = chooseDiscards(game, Side::Blue, kStandard, true);
    EXPECT_LT(pone.first, 4);
}

TEST(Discards, TheExpertAveragesOverTheStartersTheShoeCanStillDeal) {
    CribbageGame game(5);
    game.setOptions(withHints(0));
    applyOrFail(game, Action::simple(ActionKind::Continue));
    applyOrFail(game, Action::newGame(77, true));
    const int expected[4] = {46, 33, 20, 7};
    for (int d = 0; d < 4; ++d) {
        ASSERT_EQ(game.state(), GameState::Dealing);
        applyOrFail(game, Action::simple(ActionKind::Deal));
        Card candidates[46];
        const int n = starterCandidates(game, Side::Red, candidates);
        EXPECT_EQ(n, expected[d]) << "deal " << d + 1;
        // Never the rated player's own cards, always the starter to come.
        bool hasStarter = false;
        for (int i = 0; i < n; ++i) {
            for (int s = 0; s < 6; ++s) EXPECT_NE(candidates[i], game.hand(Side::Red)[s]);
            hasStarter = hasStarter || candidates[i] == game.shoeCard(d * 13 + 12);
        }
        EXPECT_TRUE(hasStarter);
        playOn(game, [&] { return game.state() == GameState::Dealing; });
        ASSERT_FALSE(game.gameOver());
    }
}

TEST(Discards, TheSameHandGivesTheSameChoice) {
    const CribbageGame a = dealtSix(true);
    const CribbageGame b = a;
    for (int strength : {kBeginning, kStandard, kExpert}) {
        const DiscardChoice x = chooseDiscards(a, Side::Blue, strength, true);
        const DiscardChoice y = chooseDiscards(b, Side::Blue, strength, true);
        EXPECT_EQ(x.first, y.first);
        EXPECT_EQ(x.second, y.second);
        EXPECT_LT(x.first, x.second);
    }
}

// A play position: Red pone leads `redLead`; Blue holds `blueHand`.
CribbageGame afterLead(const std::string& redHand, const std::string& blueHand,
                       const std::string& lead) {
    CribbageGame game;
    startPlay(game, deal(true, 0, 0, redHand, blueHand, "2C 3C AS 2S", "9D"), false,
              withHints(0));
    lay(game, lead);
    return game;
}

TEST(Play, ScoringCardsArePreferredAtEveryStrength) {
    // After a 7, Blue holds 9 (nothing), 8 (fifteen) and 7 (a pair).
    const CribbageGame game = afterLead("7H TD JD QD", "9C 8S KC 7S", "7H");
    for (int strength : {kBeginning, kStandard, kExpert}) {
        const int slot = choosePlay(game, Side::Blue, strength);
        ASSERT_GE(slot, 0);
        const Card c = game.hand(Side::Blue)[slot];
        EXPECT_TRUE(c == card("8S") || c == card("7S")) << strength;
    }
    // A run beats nothing too: 4 after 3 5 laid ... here 6 after 7 8.
}

TEST(Play, WithNothingToScoreTheStrongerLevelsAvoid5And21AndTheNextRank) {
    // Blue leads (Red deals) with 5? No: Blue answers a 2 with A (5), 4 (6, next but one), or 3.
    CribbageGame game;
    startPlay(game, deal(true, 0, 0, "2H TD JD QD", "AC 3S KC 9S", "2C 3C AS 2S", "9D"), false,
              withHints(0));
    lay(game, "2H");
    // AC makes 3 next to... A is next in rank to 2 and 3 is next in rank too;
    // K makes 12, 9 makes 11: the beginner lays its first card that fits.
    EXPECT_EQ(game.hand(Side::Blue)[choosePlay(game, Side::Blue, kBeginning)], card("AC"));
    const Card standard = game.hand(Side::Blue)[choosePlay(game, Side::Blue, kStandard)];
    EXPECT_TRUE(standard == card("KC") || standard == card("9S"));

    // Making 5 is avoided: on a 2, a 3 makes 5.
    CribbageGame five;
    startPlay(five, deal(true, 0, 0, "2H TD JD QD", "3C 7S 8C 9H", "2C 3S AS 2S", "9D"), false,
              withHints(0));
    lay(five, "2H");
    EXPECT_EQ(five.hand(Side::Blue)[choosePlay(five, Side::Blue, kBeginning)], card("3C"));
    EXPECT_NE(five.hand(Side::Blue)[choosePlay(five, Side::Blue, kStandard)], card("3C"));
}

// With no card of the person's fitting under 31, the advice suggests no
// card and the status says go.
TEST(Hints, NoPlayHintWhenNoCardFits) {
    for (int hintType : {1, 2}) {
        CribbageGame game;
        // Red deals: Blue leads a nine, Red a ten, Blue a nine: 28.
        startPlay(game, deal(false, 0, 0, "TS TC TD 5H", "9S 9C 9D 9H", "2C 3C AS 2S", "KD"), true,
                  withHints(hintType));
        ASSERT_TRUE(game.redToPlay());
        EXPECT_GE(game.hintCard(), 0);
        lay(game, "TS");
        ASSERT_EQ(game.runningCount(), 28);
        ASSERT_TRUE(game.redToPlay());
        EXPECT_FALSE(game.canLay(Side::Red));
        EXPECT_EQ(game.hintCard(), -1);
        EXPECT_EQ(game.hintCard2(), -1);
        EXPECT_STREQ(game.statusLine(), "Tap to say \"go\"");
        EXPECT_EQ(choosePlay(game, Side::Red, hintType), -1);
    }
}

TEST(Hints, DiscardAdviceAfterTheDealAndWhenHintsAreTurnedOn) {
    CribbageGame game;
    game.setComputerPlaysBlue(true);
    game.setOptions(withHints(0));
    ASSERT_TRUE(game.arrangeDeal(deal(true, 0, 0, "5S 5C 5D 5H", "9S 9C 9D 9H", "KS 2D AS 3S", "KD")));
    applyOrFail(game, Action::simple(ActionKind::Deal));
    EXPECT_EQ(game.hintCard(), -1);
    game.setOptions(withHints(2));  // back from Configure Game with hints on
    ASSERT_GE(game.hintCard(), 0);
    // The advice keeps the four fives and lays K 2 away (slots 0 and 5 by rank).
    EXPECT_EQ(game.hintCard(), 0);
    EXPECT_EQ(game.hintCard2(), 5);
    game.setOptions(withHints(0));
    EXPECT_EQ(game.hintCard(), -1);
}

}  // namespace

// The hand flow: both deal styles, both pass orders, taking, placing,
// moving and throwing cards, the tie, knocks, gins, melding and laying off.

#include <algorithm>

#include "TestHands.h"

namespace velloran_test {
namespace {

bool hasMessage(const Events& events, const std::string& title) {
    return std::any_of(events.begin(), events.end(), [&](const Event& e) {
        return e.kind == Event::Message && e.title == title;
    });
}

// Melds in the computer's hand, nothing in the person's that the upcard
// helps: these deals let each test steer one decision.
const char* kComputerJunk = "KS QC 9D 7H 5S 3C JD 8H 6C 2D";
const char* kPlayerJunk = "KH QD 9S 7C 5D 3H JS 8C 6H 2S";

// The junk deal with the computer dealing, both having passed the upcard:
// the person to draw.
void junkDealPassed(VelloranGame& game, const char* rest) {
    deal(game, stackedDeal(kComputerJunk, kPlayerJunk, rest), true);
    game.apply(Action::of(Action::BeginPlay));
    game.apply(Action::of(Action::Pass));
}

// The hands as they stand when the computer has just knocked (or gone gin)
// with `computerDeadwood` left, both having passed the upcard; the person
// then acknowledges the knock.
void afterComputerKnock(VelloranGame& game, const char* playerHand, const char* computerHand,
                        int computerDeadwood) {
    junkDealPassed(game, "KD");
    setPlayerHand(game, playerHand);
    setComputerHand(game, computerHand);
    game.computeDeadwood(Side::Player);
    game.computerDeadwood = computerDeadwood;
    game.playerActive = false;
    ASSERT_TRUE(game.apply(Action::of(Action::Acknowledge)));
}

TEST(Deal, TenEachWithAnUpcardOfferedToTheNonDealer) {
    VelloranGame game;
    Events events;
    deal(game, stackedDeal(kComputerJunk, kPlayerJunk, "4C"), true);
    EXPECT_EQ(game.phase(), Phase::Dealing);
    EXPECT_EQ(computerHandText(game), "KS QC 9D 7H 5S 3C JD 8H 6C 2D");
    // The person's ten cards in slots 3..12 by rank, highest first.
    EXPECT_EQ(cardsText(game.playerHand + 3, 10), "KH QD JS 9S 8C 7C 6H 5D 3H 2S");
    EXPECT_EQ(game.playerHand[2], kNoCard);
    EXPECT_EQ(game.playerHand[13], kNoCard);
    EXPECT_EQ(game.discardTop(), card("4C"));
    EXPECT_EQ(game.upcardOffer, 2);
    EXPECT_EQ(game.statusLine, "Computer deals first");
    EXPECT_EQ(game.cardsLeft(), 31);

    ASSERT_TRUE(game.apply(Action::of(Action::BeginPlay), &events));
    EXPECT_EQ(game.phase(), Phase::Play);
    EXPECT_EQ(game.statusLine, "Do you want the upcard?");
    EXPECT_EQ(game.promptLine, "(tap discard pile or pass button)");
    EXPECT_FALSE(game.apply(Action::of(Action::TakeStock)));  // not during the offer
    EXPECT_TRUE(game.isLegal(Action::of(Action::TakeDiscard)));
    EXPECT_TRUE(game.isLegal(Action::of(Action::Pass)));
}

TEST(Deal, ElevenToTheNonDealerWhoOnlyDiscards) {
    VelloranGame game;
    deal(game, stackedDeal(kComputerJunk, kPlayerJunk, "4C"), true, false);
    EXPECT_EQ(game.playerCardCount(), 11);
    EXPECT_EQ(cardsText(game.playerHand + 3, 11), "KH QD JS 9S 8C 7C 6H 5D 4C 3H 2S");
    EXPECT_TRUE(game.discardPile.empty());
    EXPECT_EQ(game.upcardOffer, 0);
    game.apply(Action::of(Action::BeginPlay));
    EXPECT_EQ(game.statusLine, "Your turn");
    EXPECT_EQ(game.promptLine, "(Discard: tap card & discard pile)");

    // The person deals: the computer holds eleven and throws at once.
    VelloranGame other;
    deal(other, stackedDeal(kComputerJunk, kPlayerJunk, "4C"), false, false);
    EXPECT_EQ(other.computerCardCount(), 11);
    EXPECT_EQ(other.statusLine, "You deal first");
    other.apply(Action::of(Action::BeginPlay));
    EXPECT_EQ(other.computerCardCount(), 10);
    EXPECT_EQ(other.discardPile.size(), 1u);
    EXPECT_EQ(other.promptLine, "(Take card: tap deck/discard pile)");
    EXPECT_TRUE(other.isLegal(Action::of(Action::TakeStock)));
}

TEST(UpcardOffer, ThePersonDealsAndTheComputerPassesFirst) {
    VelloranGame game;
    Events events;
    // A king that melds with nothing would go straight back: declined.
    deal(game, stackedDeal(kComputerJunk, kPlayerJunk, "KD"), false);
    game.apply(Action::of(Action::BeginPlay), &events);
    EXPECT_EQ(game.headline, "Computer passes");
    EXPECT_EQ(game.statusLine, "Do you want the upcard?");
    EXPECT_EQ(game.upcardOffer, 1);
    EXPECT_EQ(game.computerCardCount(), 10);
    // The person passes too: the computer, as non-dealer, draws.
    ASSERT_TRUE(game.apply(Action::of(Action::Pass)));
    EXPECT_EQ(game.headline, "");
    EXPECT_EQ(game.upcardOffer, 0);
    EXPECT_EQ(game.cardsLeft(), 30);  // it drew from the stock
    EXPECT_EQ(game.discardPile.size(), 2u);
    EXPECT_EQ(game.statusLine, "Your turn");
    EXPECT_EQ(game.promptLine, "(Take card: tap deck/discard pile)");
}

TEST(UpcardOffer, BothPassAndTheNonDealerMayTakeEitherPile) {
    VelloranGame game;
    deal(game, stackedDeal(kComputerJunk, kPlayerJunk, "KD"), true);
    game.apply(Action::of(Action::BeginPlay));
    Events events;
    ASSERT_TRUE(game.apply(Action::of(Action::Pass), &events));
    EXPECT_EQ(game.headline, "Computer passes");
    EXPECT_EQ(game.upcardOffer, 0);
    EXPECT_EQ(game.promptLine, "(Take card: tap deck/discard pile)");
    EXPECT_TRUE(game.isLegal(Action::of(Action::TakeStock)));
    EXPECT_TRUE(game.isLegal(Action::of(Action::TakeDiscard)));
    ASSERT_TRUE(game.apply(Action::of(Action::TakeDiscard)));
    EXPECT_EQ(game.headline, "");
    EXPECT_EQ(game.takenByPlayer, std::vector<Card>{card("KD")});
}

// The computer dealt and takes the upcard when the person passes it: the
// offer is over and the person is asked to draw, as when it passes.
TEST(UpcardOffer, TheDealerTakingTheUpcardEndsTheOffer) {
    VelloranGame game;
    deal(game, stackedDeal("7S 7D 9D 2H 5S 3C JD 8H 6C 2D", kPlayerJunk, "7H"), true);
    game.apply(Action::of(Action::BeginPlay));
    ASSERT_TRUE(game.apply(Action::of(Action::Pass)));
    EXPECT_EQ(game.takenByComputer, std::vector<Card>{card("7H")});
    EXPECT_EQ(game.upcardOffer, 0);
    EXPECT_EQ(game.statusLine, "Your turn");
    EXPECT_EQ(game.promptLine, "(Take card: tap deck/discard pile)");
    EXPECT_TRUE(game.apply(Action::of(Action::TakeStock)));
}

TEST(Play, ADrawnCardLandsByRankAfterTheLastOccupiedSlot) {
    VelloranGame game;
    junkDealPassed(game, "KD 9C");
    setPlayerHand(game, "AS AC AH 3D 4D 6S KC 9H 5H 2H");
    game.computeDeadwood(Side::Player);
    Events events;
    ASSERT_TRUE(game.apply(Action::of(Action::TakeStock), &events));
    // Past the 2 and the 5, stopping after the 9: K 9 9 5 2.
    EXPECT_EQ(cardsText(game.playerHand + 9, 5), "KC 9H 9C 5H 2H");
    EXPECT_EQ(slotOf(game, "9C"), 11);
    const auto flight = std::find_if(events.begin(), events.end(),
                                     [](const Event& e) { return e.kind == Event::CardFlown; });
    ASSERT_NE(flight, events.end());
    EXPECT_EQ(flight->from, Place::stock());
    EXPECT_EQ(flight->to, Place::player(11));
    EXPECT_EQ(game.promptLine, "(Discard: tap card & discard pile)");
}

TEST(Play, SelectingMovingAndThePrompts) {
    VelloranGame game;
    junkDealPassed(game, "KD 9C");
    // Three melds and a seven and a two: 7 once the two is selected.
    setPlayerHand(game, "KS KC KD 9H 8H 7H 4C 4D 4S 7C");
    game.computeDeadwood(Side::Player);
    ASSERT_TRUE(game.apply(Action::of(Action::TakeStock)));  // 9C
    const int nine = slotOf(game, "9C");
    ASSERT_TRUE(game.apply(Action::withSlot(Action::TapSlot, nine)));
    EXPECT_EQ(game.playerDeadwood, 7);
    EXPECT_EQ(game.promptLine, "(Knock or Discard: choose one)");
    EXPECT_TRUE(game.canKnock());
    EXPECT_FALSE(game.canGin());
    // Tapping it again deselects.
    ASSERT_TRUE(game.apply(Action::withSlot(Action::TapSlot, nine)));
    EXPECT_FALSE(game.canKnock());
    EXPECT_EQ(game.promptLine, "(Discard: tap card & discard pile)");

    // Moving a card: it goes to the target, those between close the gap.
    game.apply(Action::withSlot(Action::TapSlot, 3));  // KS
    ASSERT_TRUE(game.apply(Action::withSlot(Action::TapSlot, 6)));
    EXPECT_EQ(cardsText(game.playerHand + 3, 4), "KC KD 9H KS");
    EXPECT_EQ(game.selectedCount(), 0);

    // Throw the nine: the computer plays its turn in the same tap.
    game.apply(Action::withSlot(Action::TapSlot, slotOf(game, "9C")));
    ASSERT_TRUE(game.apply(Action::of(Action::Discard)));
    EXPECT_EQ(game.playerCardCount(), 10);
    EXPECT_EQ(game.computerCardCount(), 10);
    EXPECT_EQ(game.promptLine, "(Take card: tap deck/discard pile)");

    // With ten cards the last slot of the row counts as the one before it.
    const int first = 3;
    game.apply(Action::withSlot(Action::TapSlot, first));
    const Card moved = game.playerHand[first];
    ASSERT_TRUE(game.apply(Action::withSlot(Action::TapSlot, kPlayerSlots - 1)));
    EXPECT_EQ(game.playerHand[kPlayerSlots - 2], moved);
    EXPECT_EQ(game.playerHand[kPlayerSlots - 1], kNoCard);
}

TEST(Tie, TwoCardsLeftEndTheHandEvenAfterAComputerKnock) {
    VelloranGame game;
    junkDealPassed(game, "KD");
    // The computer one card from a knock; three cards left, the next its 5H.
    setComputerHand(game, "AS 2S 3S 4C 4D 4H 9C 9D 9H KH");
    game.nextCard = 49;
    game.stock[49] = card("5H");  // the third-last card
    game.stock[50] = card("JC");
    game.stock[51] = card("QH");
    // (the swapped-out cards do not matter: the hand ends here)
    setPlayerHand(game, "KS QS JS TS 8C 7D 6D 5C 3D 2C QD");
    game.computeDeadwood(Side::Player);
    game.apply(Action::withSlot(Action::TapSlot, 3));
    Events events;
    ASSERT_TRUE(game.apply(Action::of(Action::Discard), &events));
    EXPECT_FALSE(game.playerActive);  // it knocked
    EXPECT_EQ(game.phase(), Phase::TiedHand);
    EXPECT_TRUE(hasMessage(events, "YOU TIED!"));
    const auto message = std::find_if(events.begin(), events.end(),
                                      [](const Event& e) { return e.kind == Event::Message; });
    EXPECT_EQ(message->text,
              "Two cards left in deck.  You tied this hand!! \n\n(tap ok for next hand)");
    // Nothing is booked; the same dealer deals again.
    ASSERT_TRUE(game.apply(Action::withSeed(Action::ContinueAfterTie, 5)));
    EXPECT_EQ(game.phase(), Phase::Dealing);
    EXPECT_EQ(game.scores.handsRecorded(), 0);
    EXPECT_TRUE(game.computerDeals);
}

TEST(Tie, ThePersonDrawingTheThirdLastCardTiesAtOnce) {
    VelloranGame game;
    junkDealPassed(game, "KD");
    game.nextCard = 49;
    Events events;
    ASSERT_TRUE(game.apply(Action::of(Action::TakeStock), &events));
    EXPECT_EQ(game.phase(), Phase::TiedHand);
    EXPECT_TRUE(hasMessage(events, "YOU TIED!"));
    EXPECT_EQ(game.computerTurn(nullptr), 0);  // the computer does not move either
}

// The person knocks: he lays out his melds, the computer lays off onto them
// and the hand is scored.
TEST(KnockAndMeld, ThePersonKnocksAndTheComputerLaysOff) {
    VelloranGame game;
    junkDealPassed(game, "KD TC");
    setPlayerHand(game, "5H 6H 7H 9C 9D 9S AC 2C 3C 4S");
    setComputerHand(game, "8H 9H JS QS KC 2D 4D 6S 8S TD");
    game.computeDeadwood(Side::Player);
    ASSERT_TRUE(game.apply(Action::of(Action::TakeStock)));  // TC
    game.apply(Action::withSlot(Action::TapSlot, slotOf(game, "TC")));
    EXPECT_EQ(game.playerDeadwood, 4);
    ASSERT_TRUE(game.apply(Action::of(Action::Knock)));
    EXPECT_EQ(game.phase(), Phase::Meld);
    EXPECT_EQ(game.statusLine, "Meld your cards");
    EXPECT_EQ(game.discardTop(), card("TC"));
    EXPECT_EQ(game.playerDeadwood, 4 + 5 + 6 + 7 + 27 + 6);  // nothing grouped yet
    EXPECT_FALSE(game.canFinishMelding());                  // the knock must be kept

    // A group that is neither set nor run is refused; the cards stay marked.
    for (const char* c : {"5H", "9C", "AC"}) game.apply(Action::withSlot(Action::ToggleCard, slotOf(game, c)));
    game.apply(Action::of(Action::CreateMeld));
    EXPECT_EQ(game.playerMelds.size(), 0u);
    EXPECT_EQ(game.selectedCount(), 3);
    for (const char* c : {"5H", "9C", "AC"}) game.apply(Action::withSlot(Action::ToggleCard, slotOf(game, c)));

    auto group = [&](std::initializer_list<const char*> names) {
        for (const char* c : names) game.apply(Action::withSlot(Action::ToggleCard, slotOf(game, c)));
        ASSERT_TRUE(game.apply(Action::of(Action::CreateMeld)));
    };
    group({"5H", "7H", "6H"});
    group({"9C", "9D", "9S"});
    group({"AC", "2C", "3C"});
    EXPECT_EQ(groupsText(game.playerMelds), "7H 6H 5H | 9S 9C 9D | 3C 2C AC");
    EXPECT_EQ(game.playerDeadwood, 4);
    // The hand is packed to the right.
    EXPECT_EQ(game.playerHand[kPlayerSlots - 1], card("4S"));

    // Ungrouping puts a meld back, and it can be made again.
    ASSERT_TRUE(game.apply(Action::withIndex(Action::SelectMeld, 1)));
    ASSERT_TRUE(game.apply(Action::of(Action::UngroupMeld)));
    EXPECT_EQ(game.playerMelds.size(), 2u);
    EXPECT_EQ(game.playerDeadwood, 4 + 27);
    group({"9C", "9D", "9S"});

    ASSERT_TRUE(game.apply(Action::of(Action::FinishMelding)));
    EXPECT_EQ(game.phase(), Phase::HandResult);
    // 8H and 9H go onto 5-6-7 of hearts, one pass after the other.
    EXPECT_EQ(groupText(game.layOffTargets[0]), "9H 8H 7H 6H 5H");
    EXPECT_EQ(groupText(game.computerMelds.back()), "9H 8H");
    EXPECT_EQ(game.computerDeadwood, 10 + 10 + 10 + 2 + 4 + 6 + 8 + 10);
    EXPECT_TRUE(game.playerWonHand);
    EXPECT_EQ(game.handScore, 60 - 4);
    EXPECT_EQ(game.statusLine, "You knocked");

    ASSERT_TRUE(game.apply(Action::of(Action::RecordHand)));
    EXPECT_EQ(game.phase(), Phase::ScoreSheet);
    ASSERT_TRUE(game.apply(Action::withSeed(Action::NextHand, 3)));
    EXPECT_FALSE(game.computerDeals);  // the winner deals the next hand
}

// The computer knocks: the person melds, then lays off onto its melds.
TEST(KnockAndMeld, ThePersonLaysOffOntoTheComputersMelds) {
    VelloranGame game;
    afterComputerKnock(game, "QH 4C 8D 8S 2D 2S 6D 3D 4D 9S",
                       "QS QC QD 5C 6C 7C AH 2H 3H 5S", 5);
    EXPECT_EQ(game.phase(), Phase::Meld);
    EXPECT_TRUE(game.canFinishMelding());  // the knocker's rule does not bind the person
    for (const char* c : {"2D", "3D", "4D"}) game.apply(Action::withSlot(Action::ToggleCard, slotOf(game, c)));
    ASSERT_TRUE(game.apply(Action::of(Action::CreateMeld)));
    ASSERT_TRUE(game.apply(Action::of(Action::FinishMelding)));
    EXPECT_EQ(game.phase(), Phase::LayOff);
    EXPECT_EQ(game.statusLine, "Play your deadwood");
    ASSERT_EQ(game.layOffTargets.size(), 3u);
    EXPECT_EQ(groupsText(game.layOffTargets), "QS QC QD | 7C 6C 5C | 3H 2H AH");

    // The queen onto the set of queens: the set keeps its group, the queen
    // is shown as its own.
    game.apply(Action::withSlot(Action::ToggleCard, slotOf(game, "QH")));
    ASSERT_TRUE(game.apply(Action::withIndex(Action::LayOffOnto, 0)));
    EXPECT_EQ(slotOf(game, "QH"), -1);
    EXPECT_EQ(groupText(game.playerMelds.back()), "QH");
    EXPECT_EQ(game.layOffTargets[0].count, 4);
    // 4C onto 5-6-7 of clubs.
    game.apply(Action::withSlot(Action::ToggleCard, slotOf(game, "4C")));
    ASSERT_TRUE(game.apply(Action::withIndex(Action::LayOffOnto, 1)));
    EXPECT_EQ(groupText(game.layOffTargets[1]), "7C 6C 5C 4C");
    // 9S fits nothing: it stays marked until Finish, then counts.
    game.apply(Action::withSlot(Action::ToggleCard, slotOf(game, "9S")));
    ASSERT_TRUE(game.apply(Action::withIndex(Action::LayOffOnto, 2)));
    EXPECT_NE(slotOf(game, "9S"), -1);
    ASSERT_TRUE(game.apply(Action::of(Action::FinishLayOff)));
    EXPECT_EQ(game.selectedCount(), 0);
    EXPECT_EQ(game.playerCardCount(), 5);  // 8D 8S 2S 6D 9S
    EXPECT_EQ(game.playerDeadwood, 8 + 8 + 2 + 6 + 9);
}

// Finish on the lay-off screen with marked cards that fit nowhere: they stay
// in the hand and are the deadwood scored and shown.
TEST(KnockAndMeld, FinishKeepsMarkedCardsAsDeadwood) {
    VelloranGame game;
    afterComputerKnock(game, "KH QD 9S 7C 5D 3H JS 8C 6H 2S",
                       "QS QC QH 5C 6C 7C AH 2H 3H 4S", 4);
    ASSERT_TRUE(game.apply(Action::of(Action::FinishMelding)));
    ASSERT_EQ(game.phase(), Phase::LayOff);
    game.apply(Action::withSlot(Action::ToggleCard, slotOf(game, "KH")));
    game.apply(Action::withSlot(Action::ToggleCard, slotOf(game, "9S")));
    ASSERT_TRUE(game.apply(Action::of(Action::FinishLayOff)));
    // QD went onto the queens? Not marked, so no: everything stays.
    EXPECT_EQ(game.playerCardCount(), 10);
    EXPECT_EQ(game.playerDeadwood, 10 + 10 + 9 + 7 + 5 + 3 + 10 + 8 + 6 + 2);
    EXPECT_EQ(game.handScore, 70 - 4);
    EXPECT_EQ(game.handResultLines().lines[0].number, "70");
}

// Gin: no lay-offs, straight to the result.
TEST(KnockAndMeld, NoLayOffsOntoGin) {
    VelloranGame game;
    afterComputerKnock(game, "8H 9H JS QS KC 2D 4D 6S 8S KD",
                       "5H 6H 7H 9C 9D 9S AC 2C 3C 4C", 0);
    EXPECT_EQ(game.phase(), Phase::HandResult);
    EXPECT_TRUE(game.layOffTargets.empty());
    EXPECT_EQ(game.playerCardCount(), 10);  // 8H and 9H stay deadwood
    EXPECT_EQ(game.handScore, 8 + 9 + 10 + 10 + 10 + 2 + 4 + 6 + 8 + 10 + 25);
    EXPECT_EQ(game.statusLine, "Computer went 'gin'!");

    // The person's own gin.
    VelloranGame mine;
    junkDealPassed(mine, "KD 4C");
    setPlayerHand(mine, "5H 6H 7H 9C 9D 9S AC 2C 3C KS");
    mine.computeDeadwood(Side::Player);
    ASSERT_TRUE(mine.apply(Action::of(Action::TakeStock)));  // 4C
    mine.apply(Action::withSlot(Action::TapSlot, slotOf(mine, "KS")));
    EXPECT_EQ(mine.promptLine, "(Gin or Discard: choose one)");
    ASSERT_TRUE(mine.apply(Action::of(Action::Gin)));
    EXPECT_EQ(mine.phase(), Phase::HandResult);
    EXPECT_EQ(mine.statusLine, "You went 'gin'!");
    EXPECT_EQ(mine.playerMelds.size(), 3u);
    EXPECT_EQ(mine.discardTop(), card("KS"));
}

// The person marks a card, then passes the upcard; the computer takes it
// and knocks. The marked card must stay in his hand through the meld step.
TEST(KnockAndMeld, AComputerKnockAfterAPassKeepsThePersonsMarkedCard) {
    VelloranGame game;
    deal(game, stackedDeal("AD 2D 3D 4C 4D 4H 9C 9D TC QC", kPlayerJunk, "9H"), true);
    game.apply(Action::of(Action::BeginPlay));
    ASSERT_TRUE(game.apply(Action::withSlot(Action::TapSlot, 3)));
    ASSERT_EQ(game.selectedCount(), 1);
    ASSERT_TRUE(game.apply(Action::of(Action::Pass)));
    ASSERT_FALSE(game.playerActive);  // it took the nine and knocked
    EXPECT_EQ(game.selectedCount(), 0);
    ASSERT_TRUE(game.apply(Action::of(Action::Acknowledge)));
    EXPECT_EQ(game.phase(), Phase::Meld);
    EXPECT_EQ(game.playerCardCount(), 10);
    EXPECT_EQ(game.playerDeadwood, 10 + 10 + 9 + 7 + 5 + 3 + 10 + 8 + 6 + 2);
}

TEST(Actions, RefusedOutsideTheirPhaseAndListedWithin) {
    VelloranGame game;
    EXPECT_FALSE(game.apply(Action::of(Action::TakeStock)));
    EXPECT_FALSE(game.apply(Action::of(Action::BeginPlay)));
    deal(game, stackedDeal(kComputerJunk, kPlayerJunk, "KD"), true);
    std::vector<Action> legal = game.legalActions();
    ASSERT_EQ(legal.size(), 2u);
    EXPECT_EQ(legal[1].kind, Action::BeginPlay);
    game.apply(Action::of(Action::BeginPlay));
    legal = game.legalActions();
    // New, take the upcard, pass, and a tap on each of the ten cards.
    EXPECT_EQ(legal.size(), 13u);
    // A copy plays on without touching the original.
    VelloranGame copy = game;
    copy.apply(Action::of(Action::TakeDiscard));
    EXPECT_EQ(copy.playerCardCount(), 11);
    EXPECT_EQ(game.playerCardCount(), 10);
    EXPECT_EQ(game.discardTop(), card("KD"));
}

}  // namespace
}  // namespace velloran_test

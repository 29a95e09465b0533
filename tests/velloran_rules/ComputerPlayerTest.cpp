// The computer's take, throw and knock at each level, and the hints.

#include <algorithm>

#include "FatalErrorCatcher.h"
#include "TestHands.h"

namespace velloran_test {
namespace {

// A table in mid-hand: the computer to move with `hand` (ten or eleven
// cards), `top` on the discard pile, `left` cards in the stock, and the
// person holding ten cards of his own.
VelloranGame table(Level level, const std::string& hand, const std::string& top, int left,
                   const std::string& person = "KH QD 9S 7C 5D 3H JS 8C 6H 2S") {
    VelloranGame game;
    game.options().level = level;
    game.apply(Action::of(Action::NewGame));
    game.apply(Action::of(Action::BeginPlay));
    setComputerHand(game, hand);
    setPlayerHand(game, person);
    game.discardPile = cards(top);
    game.nextCard = kDeckSize - left;
    game.upcardOffer = 0;
    game.playerActive = true;
    return game;
}

int deadwoodWithout(const VelloranGame& game, int slot) {
    return leastDeadwood(game.sideMask(Side::Computer) & ~maskBit(game.computerHand[slot]));
}

TEST(TakeDiscard, EachLevelsChoice) {
    const char* junk = "KS QC 9D 7H 5S 8C JD 8H 6C TD";
    const char* nineMelded = "5D AS 2S 3S 5H 6H 7H 9C 9D 9S";
    // Three melds and a king: a six in place of the king leaves 6, so the
    // expert takes it. Counted twice (with the trial card still in its
    // slot) it would seem to leave 12 and be declined.
    const char* kingOut = "AS 2S 3S 5H 6H 7H 9C 9D 9S KH";
    // A discard that completes eleven melded cards: the hand then throws a
    // card that keeps it at gin, never the new card.
    const char* oneFromEleven = "5H AS 2S 3S 4S 9C 9D 9H 9S 6H";
    const struct {
        const char* name;
        Level level;
        const char* hand;
        const char* top;
        int left;
        bool takes;
    } cases[] = {
        // A card that would go straight back is declined at every level.
        {"beginning, straight back", Level::Beginning, nineMelded, "KC", 30, false},
        {"standard, straight back", Level::Standard, nineMelded, "KC", 30, false},
        {"expert, straight back", Level::Expert, nineMelded, "KC", 30, false},
        // Standard takes ace to four, and cards that meld.
        {"standard, ace", Level::Standard, junk, "AH", 30, true},
        {"standard, two", Level::Standard, junk, "2C", 30, true},
        {"standard, three", Level::Standard, junk, "3D", 30, true},
        {"standard, four", Level::Standard, junk, "4H", 30, true},
        {"standard, five", Level::Standard, junk, "5H", 30, false},
        {"standard, a king to one king", Level::Standard, junk, "KD", 30, false},
        {"standard, a king to two kings", Level::Standard, "KS KC 9D 7H 5S 8C JD 8H 6C TD", "KD",
         30, true},
        {"expert, the trial card counted once", Level::Expert, kingOut, "6C", 30, true},
        // With fewer than 11 cards left the expert plays for melds only.
        {"expert, late", Level::Expert, kingOut, "6C", 10, false},
        {"beginning, all eleven", Level::Beginning, oneFromEleven, "7H", 30, true},
        {"standard, all eleven", Level::Standard, oneFromEleven, "7H", 30, true},
        {"expert, all eleven", Level::Expert, oneFromEleven, "7H", 30, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Beginning tosses a coin only after its checks: asked often, the
        // answer must never change.
        for (int i = 0; i < 40; ++i) {
            VelloranGame game = table(c.level, c.hand, c.top, c.left);
            EXPECT_EQ(game.shouldTakeDiscard(Side::Computer, game.computerStrategy()), c.takes);
        }
    }
}

TEST(TakeDiscard, AnEmptyPileIsNeverTakenAndTheHintPointsAtTheStock) {
    VelloranGame game = table(Level::Expert, "KS QC 9D 7H 5S 8C JD 8H 6C TD", "", 30);
    EXPECT_FALSE(game.shouldTakeDiscard(Side::Computer, game.computerStrategy()));
    game.options().hints = true;
    game.updateHints();
    EXPECT_FALSE(game.hintTakeDiscard);
}

TEST(ChooseDiscard, StandardThrowsItsHighestDeadwoodBeginningItsFirstHigherOne) {
    VelloranGame standard = table(Level::Standard, "5D 9C 2H QH 3S 8S 4D 6D JS JC 7S", "", 30);
    // 4D 5D 6D meld; the jacks do not. Highest deadwood: the queen (slot 3).
    EXPECT_EQ(standard.chooseDiscard(Side::Computer, standard.computerStrategy()), 3);
    VelloranGame beginning = table(Level::Beginning, "5D 9C 2H QH 3S 8S 4D 6D JS JC 7S", "", 30);
    // The first deadwood card that outranks the hand's first card (5D): 9C.
    EXPECT_EQ(beginning.chooseDiscard(Side::Computer, beginning.computerStrategy()), 1);
}

// Slot 0 holds a melded king and no deadwood outranks it: the lower levels
// still throw deadwood, never the king.
TEST(ChooseDiscard, TheLowerLevelsNeverBreakAMeldInSlotZero) {
    const char* hand = "KS KC KD 2H 3C 5D 7S 9H JC QH 4S";
    VelloranGame standard = table(Level::Standard, hand, "", 30);
    EXPECT_EQ(standard.chooseDiscard(Side::Computer, standard.computerStrategy()), 9);  // QH
    VelloranGame beginning = table(Level::Beginning, hand, "", 30);
    const int slot = beginning.chooseDiscard(Side::Computer, beginning.computerStrategy());
    EXPECT_EQ(slot, 3);  // 2H, its first deadwood card
    EXPECT_EQ(deadwoodWithout(beginning, slot) + cardValue(beginning.computerHand[slot]),
              leastDeadwood(beginning.sideMask(Side::Computer)));
}

// Eleven melded cards whose first and last cards lie in a three-card run:
// every level throws a card that leaves gin.
TEST(ChooseDiscard, WithAllElevenMeldedEveryLevelKeepsGin) {
    for (Level level : {Level::Beginning, Level::Standard, Level::Expert}) {
        for (int left : {30, 15, 5}) {
            VelloranGame game = table(level, "5H AS 2S 3S 4S 9C 9D 9H 9S 6H 7H", "", left);
            const int slot = game.chooseDiscard(Side::Computer, game.computerStrategy());
            ASSERT_GE(slot, 0);
            EXPECT_EQ(deadwoodWithout(game, slot), 0) << levelName(level) << " threw "
                                                      << cardText(game.computerHand[slot]);
        }
    }
}

TEST(ChooseDiscard, TheExpertThrowsItsHighestDeadwoodEarlyAndKeepsLowCards) {
    // Two melds, deadwood KD 8C 2H 3D: early the king goes.
    VelloranGame early = table(Level::Expert, "AS 2S 3S 9C 9D 9H KD 8C 2H 3D 6C", "", 30);
    EXPECT_EQ(cardText(early.computerHand[early.chooseDiscard(Side::Computer, early.computerStrategy())]),
              "KD");
    // Late (fewer than 11 left) it throws by outs: never a card that melds.
    VelloranGame late = table(Level::Expert, "AS 2S 3S 9C 9D 9H KD 8C 2H 3D 6C", "", 8);
    const int slot = late.chooseDiscard(Side::Computer, late.computerStrategy());
    EXPECT_EQ(deadwoodWithout(late, slot) + cardValue(late.computerHand[slot]),
              leastDeadwood(late.sideMask(Side::Computer)));
}

TEST(Knock, EachLevelsRule) {
    // Deadwood 6 with 8 cards left: the expert plays on, the others knock.
    VelloranGame late = table(Level::Expert, "AS 2S 3S 5H 6H 7H 9C 9D 9S 6D", "", 8);
    EXPECT_FALSE(late.wantsToKnock(Side::Computer, Level::Expert, 6));
    EXPECT_TRUE(late.wantsToKnock(Side::Computer, Level::Standard, 6));
    EXPECT_TRUE(late.wantsToKnock(Side::Computer, Level::Beginning, 6));
    // Three melds and one card with 15 left: one card from gin, no knock.
    VelloranGame middle = table(Level::Expert, "AS 2S 3S 5H 6H 7H 9C 9D 9S 4D", "", 15);
    EXPECT_FALSE(middle.wantsToKnock(Side::Computer, Level::Expert, 4));
    VelloranGame two = table(Level::Expert, "AS 2S 3S 5H 6H 7H 9C 9D 2C 2D", "", 15);
    EXPECT_TRUE(two.wantsToKnock(Side::Computer, Level::Expert, 4));
    VelloranGame early = table(Level::Expert, "AS 2S 3S 5H 6H 7H 9C 9D 9S 4D", "", 25);
    EXPECT_TRUE(early.wantsToKnock(Side::Computer, Level::Expert, 4));
    EXPECT_FALSE(early.wantsToKnock(Side::Computer, Level::Standard, 11));
}

TEST(ComputerTurn, DrawsThrowsAndKnocksWithItsEvents) {
    VelloranGame game = table(Level::Standard, "AS 2S 3S 5H 6H 7H 9C 9D KD QC", "KH", 30);
    game.stock[game.nextCard] = card("9H");
    Events events;
    ASSERT_EQ(game.computerTurn(&events), 1);
    EXPECT_EQ(game.computerCardCount(), 10);
    EXPECT_EQ(game.discardTop(), card("KD"));  // the 9H melded, the king went
    EXPECT_EQ(game.statusLine, "Computer 'knocks'");
    EXPECT_FALSE(game.playerActive);
    EXPECT_EQ(game.computerDeadwood, 10);
    std::vector<Event::Kind> kinds;
    for (const Event& e : events) {
        if (e.kind == Event::CardFlown) {
            kinds.push_back(e.kind);
        }
    }
    ASSERT_EQ(kinds.size(), 2u);
    const auto first = std::find_if(events.begin(), events.end(),
                                    [](const Event& e) { return e.kind == Event::CardFlown; });
    EXPECT_EQ(first->from, Place::stock());
    EXPECT_EQ(first->to, Place::computer(10));
    const auto last = std::find_if(events.rbegin(), events.rend(),
                                   [](const Event& e) { return e.kind == Event::CardFlown; });
    EXPECT_EQ(last->card, card("KD"));
    EXPECT_EQ(last->to, Place::discardPile());
    EXPECT_EQ(events.back().kind, Event::Pause);  // a knock is held on screen

    VelloranGame gin = table(Level::Beginning, "AS 2S 3S 5H 6H 7H 9C 9D KD 4S", "9H", 30);
    ASSERT_EQ(gin.computerTurn(nullptr), 1);
    EXPECT_EQ(gin.statusLine, "Computer goes 'gin'!");
    EXPECT_EQ(gin.computerDeadwood, 0);
}

// The computer lays off in the combination that leaves it least: 8H onto
// the eights would strand the 9H; both onto 5-6-7 of hearts leave nothing.
TEST(LayOffComputer, TriesRunsAndSetsTogether) {
    VelloranGame game = table(Level::Standard, "8H 9H", "", 30);
    game.playerMelds = {};
    CardGroup eights, hearts;
    for (Card c : cards("8S 8C 8D")) eights.push(c);
    for (Card c : cards("7H 6H 5H")) hearts.push(c);
    game.playerMelds = {eights, hearts};
    game.layOffComputer();
    EXPECT_EQ(game.computerDeadwood, 0);
    EXPECT_EQ(game.computerCardCount(), 0);
    EXPECT_EQ(groupText(game.layOffTargets[1]), "9H 8H 7H 6H 5H");
    EXPECT_EQ(groupsText(game.computerMelds), "9H 8H");

    // Runs grow at both ends, pass by pass; a set takes its fourth card.
    VelloranGame more = table(Level::Standard, "4H 3H QS 9H 8C 2C", "", 30);
    CardGroup otherEights;
    for (Card c : cards("8S 8D 8H")) otherEights.push(c);
    more.playerMelds = {otherEights, hearts};
    more.layOffComputer();
    EXPECT_EQ(groupText(more.layOffTargets[1]), "7H 6H 5H 4H 3H");  // 4H, then 3H
    EXPECT_EQ(groupsText(more.computerMelds), "8C | 4H 3H");
    EXPECT_EQ(more.computerDeadwood, 10 + 9 + 2);
}

TEST(Hints, TheThrowWithElevenCardsTheTakeWithTen) {
    VelloranGame game = table(Level::Beginning, "KS QC 9D 7H 5S 3C JD 8H 6C 2D", "4D",
                              30, "AS 2S 3S 9C 9D 9H KD 8C 2H 3D QH");
    game.options().hints = true;
    // Eleven cards: no take hint (it would analyse twelve), a throw hint on
    // deadwood.
    const std::string fatal = testing_support::fatalMessageOf([&] { game.updateHints(); });
    EXPECT_EQ(fatal, "");
    EXPECT_FALSE(game.hintTakeDiscard);
    ASSERT_GE(game.hintDiscardSlot, 0);
    const Card hinted = game.playerHand[game.hintDiscardSlot];
    EXPECT_TRUE(hinted == card("KD") || hinted == card("QH")) << cardText(hinted);

    // A marked card does not change the hint, and stays marked.
    game.selected[slotOf(game, "8C")] = true;
    game.updateHints();
    EXPECT_TRUE(game.selected[slotOf(game, "8C")]);
    EXPECT_EQ(game.playerHand[game.hintDiscardSlot], hinted);

    // Ten cards: a take hint, no throw hint.
    setPlayerHand(game, "AS 2S 9C 9D 9H KD 8C 2H 3D QH");
    game.discardPile = cards("3S");
    game.updateHints();
    EXPECT_TRUE(game.hintTakeDiscard);
    EXPECT_EQ(game.hintDiscardSlot, -1);
}

TEST(Hints, SwitchTheComputerToTheExpertRules) {
    VelloranGame game;
    game.options().level = Level::Beginning;
    EXPECT_FALSE(game.computerStrategy().expertRules);
    game.options().hints = true;
    EXPECT_TRUE(game.computerStrategy().expertRules);
    EXPECT_TRUE(game.computerStrategy().coinFlip);  // still the Beginning coin
}

TEST(UnseenCards, TheStockAndTheOpponentsUntakenCards) {
    VelloranGame game = table(Level::Expert, "KS QC 9D 7H 5S 3C JD 8H 6C 2D", "", 3);
    game.takenByPlayer = cards("KH 4D");  // KH is in his hand, 4D long thrown
    HandMask expected = 0;
    for (int i = game.nextCard; i < kDeckSize; ++i) expected |= maskBit(game.stock[i]);
    for (Card c : cards("QD 9S 7C 5D 3H JS 8C 6H 2S")) expected |= maskBit(c);
    EXPECT_EQ(game.unseenCards(Side::Computer), expected);
}

}  // namespace
}  // namespace velloran_test

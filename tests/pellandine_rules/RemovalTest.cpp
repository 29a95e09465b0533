#include <cstring>

#include "PellandineTestSupport.h"

using namespace pellandine_test;

// Pairs and Sum 11 deal row by row over all twenty places.

// Taps on a fresh deal, one after the other: what the last one removed and
// what stays selected.
TEST(Removal, TheCardsOfAGroupGoTogetherAndOthersAreNoGroup) {
    struct Tap {
        int row, column;
    };
    const struct {
        const char* name;
        int game;
        const char* deal;
        std::vector<Tap> taps;
        int removed;  // by the last tap
        int stillSelected;
    } cases[] = {
        {"pairs: the end of a row and the start of the next", kPairs, "2S 3S 4S 5S 7S 7C",
         {{0, 4}, {1, 0}}, 0, 1},
        {"sum 10: five and five anywhere", kSum10, "5S 2C 3C 4C 6C 7C 8C 9C AD 2D 3D 4D 5C",
         {{0, 0}, {2, 4}}, 2, 0},
        {"sum 10: ten, jack, queen and king in another order", kSum10,
         "KD 2C 10D 3C 4C QD 5H JD", {{1, 3}, {0, 0}, {0, 2}, {1, 1}}, 4, 0},
        {"sum 14: king then ace", kSum14, "KS 9D 5C 6C 7C 8C 2H 3H 4H AS", {{0, 0}, {1, 4}}, 2,
         0},
        {"sum 11: five over six diagonally", kSum11, "5S 2C 3C 4C 7C 8C 6H", {{0, 0}, {1, 1}}, 2,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto rules = stacked(c.game, c.deal);
        PlayResult r;
        for (const Tap& t : c.taps) r = tap(*rules, t.row, t.column);
        EXPECT_EQ(r.removed, c.removed > 0);
        EXPECT_EQ(r.cardsRemoved, c.removed);
        EXPECT_EQ(rules->score(), c.removed);
        EXPECT_EQ(rules->cardsLeft(), 52 - c.removed);
        EXPECT_EQ(rules->selectionCount(), c.stillSelected);
        // A card that makes no group is not kept selected.
        EXPECT_FALSE(c.removed == 0 && isSelected(*rules, c.taps.back().row, c.taps.back().column));
    }
}

TEST(Pairs, TwoSevensSideBySideAreRemoved) {
    auto rules = stacked(kPairs, "7S 7C 2D");
    EXPECT_EQ(rules->select(0, 0).tap, TapKind::Selected);
    EXPECT_FALSE(rules->evaluateSelection().removed);  // one card is never removed alone
    EXPECT_TRUE(isSelected(*rules, 0, 0));
    rules->select(0, 1);
    PlayResult r = rules->evaluateSelection();
    EXPECT_TRUE(r.removed);
    EXPECT_EQ(r.cardsRemoved, 2);
    EXPECT_EQ(rules->score(), 2);
    EXPECT_EQ(rules->cardsLeft(), 50);
    EXPECT_EQ(at(*rules, 0, 0), "--");
    EXPECT_EQ(at(*rules, 0, 1), "--");
    EXPECT_EQ(at(*rules, 0, 2), "2D");
    EXPECT_EQ(rules->selectionCount(), 0);
    ASSERT_EQ(r.events.size(), 2u);
    EXPECT_EQ(r.events[0].kind, EventKind::Remove);
    EXPECT_EQ(r.events[1].column, 1);
    EXPECT_STREQ(rules->promptLines().first, "Tap deck to deal more cards, or");
    EXPECT_STREQ(rules->promptLines().second, "select another pair.");
}

TEST(Pairs, EqualCardsTwoColumnsApartStayAndTheSecondIsUnselected) {
    auto rules = stacked(kPairs, "7S 2C 7C");
    tap(*rules, 0, 0);
    PlayResult r = tap(*rules, 0, 2);
    EXPECT_FALSE(r.removed);
    EXPECT_TRUE(isSelected(*rules, 0, 0));
    EXPECT_FALSE(isSelected(*rules, 0, 2));
    EXPECT_EQ(rules->selectionCount(), 1);
    EXPECT_EQ(rules->score(), 0);
    // The first stays selected and can still be paired.
    EXPECT_TRUE(rules->selection().at(0) == &rules->grid().slot(0, 0));
}

TEST(Pairs, DiagonalAndVerticalPairsAreRemovedButDifferentValuesAreNot) {
    auto rules = stacked(kPairs, "7S 2C 3C 4C 5C 6C 7C 8H 9H 10H 6D");
    tap(*rules, 0, 0);
    EXPECT_TRUE(tap(*rules, 1, 1).removed);   // 7S over 7C diagonally
    tap(*rules, 1, 0);                        // 6C
    EXPECT_FALSE(tap(*rules, 1, 2).removed);  // 8H: another value
    EXPECT_EQ(rules->selectionCount(), 1);
    EXPECT_TRUE(tap(*rules, 2, 0).removed);  // 6D below the 6C
    EXPECT_EQ(rules->score(), 4);
}

TEST(Selection, TappingASelectedCardUnselectsItAndCompacts) {
    auto rules = stacked(kSum14, "AS AC AH AD 2S 2C 3S");
    tap(*rules, 0, 0);
    tap(*rules, 0, 1);
    tap(*rules, 0, 2);
    EXPECT_EQ(rules->select(0, 1).tap, TapKind::Unselected);
    EXPECT_FALSE(isSelected(*rules, 0, 1));
    ASSERT_EQ(rules->selectionCount(), 2);
    EXPECT_EQ(rules->selection().at(0), &rules->grid().slot(0, 0));
    EXPECT_EQ(rules->selection().at(1), &rules->grid().slot(0, 2));
    EXPECT_EQ(rules->selection().at(2), nullptr);
}

TEST(Selection, TappingEmptySpaceClearsTheWholeSelection) {
    auto rules = stacked(kSum14, "AS AC AH 5S 6S");
    tap(*rules, 0, 0);
    tap(*rules, 0, 1);
    tap(*rules, 0, 2);
    ASSERT_EQ(rules->selectionCount(), 3);
    PlayResult r = rules->tapEmptySpace();  // below the cards
    EXPECT_EQ(r.tap, TapKind::SelectionCleared);
    EXPECT_EQ(rules->selectionCount(), 0);
    for (int c = 0; c < 3; ++c) EXPECT_FALSE(isSelected(*rules, 0, c));

    // An emptied place counts as empty space too.
    tap(*rules, 0, 3);
    tap(*rules, 0, 4);  // 5 + 6: still below 14
    tap(*rules, 0, 0);
    tap(*rules, 0, 1);  // + A + A = 13
    tap(*rules, 0, 2);  // + A = 14: removed
    ASSERT_EQ(at(*rules, 0, 0), "--");
    tap(*rules, 1, 0);
    EXPECT_EQ(rules->selectionCount(), 1);
    EXPECT_EQ(rules->select(0, 0).tap, TapKind::SelectionCleared);
    EXPECT_EQ(rules->selectionCount(), 0);
}

// Sum 10 deals row 1 (5), row 2 columns 1-3, row 3 (5): reading positions
// (0,0..4) (1,1..3) (2,0..4).

TEST(Sum10, HonoursOfOneSuitStaySelectedUntilTheFourthAndAnOtherSuitIsDropped) {
    auto rules = stacked(kSum10, "JH QH KS 7C 10H 2C 3C KH");
    tap(*rules, 0, 0);
    tap(*rules, 0, 1);
    EXPECT_EQ(rules->selectionCount(), 2);  // J♥ Q♥: the start of a 10-J-Q-K
    EXPECT_TRUE(isSelected(*rules, 0, 1));
    tap(*rules, 0, 2);  // K♠
    EXPECT_EQ(rules->selectionCount(), 2);
    EXPECT_FALSE(isSelected(*rules, 0, 2));
    tap(*rules, 1, 3);  // K♥
    EXPECT_EQ(rules->selectionCount(), 3);
    PlayResult r = tap(*rules, 0, 4);  // 10♥
    EXPECT_TRUE(r.removed);
    EXPECT_EQ(r.cardsRemoved, 4);
    EXPECT_EQ(rules->score(), 4);
    EXPECT_EQ(rules->cardsLeft(), 48);
    EXPECT_EQ(at(*rules, 0, 2), "KS");
}

TEST(Sum10, AKingThenASevenOfAnotherSuitDropsTheSeven) {
    auto rules = stacked(kSum10, "KS 7H 10C 3C");
    tap(*rules, 0, 0);
    tap(*rules, 0, 1);
    EXPECT_EQ(rules->selectionCount(), 1);
    EXPECT_FALSE(isSelected(*rules, 0, 1));
    tap(*rules, 0, 2);  // 10♣: an honour, but not a spade
    EXPECT_EQ(rules->selectionCount(), 1);
    EXPECT_TRUE(isSelected(*rules, 0, 0));
}

// Sum 14 deals rows 1 and 2, ten cards.

TEST(Sum14, AceTwoThreeDropsANineAndIsRemovedWithAnEightOnTheFourthTap) {
    auto rules = stacked(kSum14, "AS 2S 3S 8S 9S");
    tap(*rules, 0, 0);
    tap(*rules, 0, 1);
    EXPECT_FALSE(tap(*rules, 0, 2).removed);
    EXPECT_EQ(rules->selectionCount(), 3);
    EXPECT_FALSE(tap(*rules, 0, 4).removed);  // A 2 3 9 is 15
    EXPECT_EQ(rules->selectionCount(), 3);
    EXPECT_FALSE(isSelected(*rules, 0, 4));
    PlayResult r = tap(*rules, 0, 3);  // the eight still completes it
    EXPECT_TRUE(r.removed);
    EXPECT_EQ(r.cardsRemoved, 4);
    EXPECT_EQ(rules->score(), 4);
    EXPECT_EQ(rules->cardsLeft(), 48);
}

TEST(Sum14, ASeventhCardCannotBeSelected) {
    auto rules = stacked(kSum14, "AS AC AH AD 2S 2C 3S");
    for (int c = 0; c < 5; ++c) tap(*rules, 0, c);
    tap(*rules, 1, 0);
    ASSERT_EQ(rules->selectionCount(), 6);  // 1+1+1+1+2+2 = 8
    EXPECT_EQ(rules->select(1, 1).tap, TapKind::SelectionFull);
    EXPECT_FALSE(isSelected(*rules, 1, 1));
    EXPECT_FALSE(rules->evaluateSelection().removed);
    EXPECT_EQ(rules->selectionCount(), 6);
}

// Sum 11: face cards go under the next card dealt.

TEST(Sum11, ElevenApartOrAnotherSumIsRefused) {
    auto rules = stacked(kSum11, "5S 2C 6C 5D");
    tap(*rules, 0, 0);
    EXPECT_FALSE(tap(*rules, 0, 2).removed);  // 5 + 6 but not adjacent
    EXPECT_EQ(rules->selectionCount(), 1);
    EXPECT_FALSE(isSelected(*rules, 0, 2));
    EXPECT_FALSE(tap(*rules, 0, 1).removed);  // 5 + 2
    EXPECT_EQ(rules->selectionCount(), 1);
}

TEST(Sum11, FaceCardsLieUnderTheNextCardAndLeaveWithIt) {
    auto rules = stacked(kSum11, "JS QH 5S 6S KD 4C 7D");
    const TableSlot& stack = rules->grid().slot(0, 0);
    EXPECT_EQ(stack.value, 5);
    EXPECT_EQ(stack.cardCount, 3);
    EXPECT_EQ(at(*rules, 0, 1), "6S");
    EXPECT_EQ(at(*rules, 0, 2), "4C");
    EXPECT_EQ(rules->grid().slot(0, 2).cardCount, 2);
    EXPECT_EQ(at(*rules, 0, 3), "7D");
    tap(*rules, 0, 0);
    PlayResult r = tap(*rules, 0, 1);
    EXPECT_TRUE(r.removed);
    EXPECT_EQ(r.cardsRemoved, 4);
    EXPECT_EQ(rules->score(), 4);
    EXPECT_EQ(rules->cardsLeft(), 48);
}

// The simulator keeps one result for a whole game: each step must tell only
// itself, whatever the step before it left in the result.
TEST(Pairs, AResultKeptFromStepToStepTellsOnlyTheLatestStep) {
    auto rules = stacked(kPairs, "7S 7C 2D 9H 9C");
    PlayResult kept;
    rules->select(0, 0, kept);
    rules->select(0, 1, kept);
    rules->evaluateSelection(kept);
    EXPECT_TRUE(kept.removed);
    ASSERT_EQ(kept.events.size(), 2u);
    EXPECT_EQ(at(kept.before, 0, 0), "7S");  // the grid before the removal
    rules->select(0, 3, kept);
    EXPECT_EQ(kept.tap, TapKind::Selected);
    EXPECT_FALSE(kept.removed);
    EXPECT_EQ(kept.cardsRemoved, 0);
    EXPECT_TRUE(kept.events.empty());
    EXPECT_EQ(at(kept.before, 0, 0), "--");
    rules->select(0, 0, kept);  // an empty place: empty space
    EXPECT_EQ(kept.tap, TapKind::SelectionCleared);
    rules->tapDeck(kept);
    EXPECT_EQ(kept.tap, TapKind::DeckTapped);
    EXPECT_FALSE(kept.events.empty());
    std::vector<Group> groups{Group{}, Group{}};
    rules->legalMoves(groups);
    EXPECT_EQ(groups.size(), rules->legalMoves().size());
}

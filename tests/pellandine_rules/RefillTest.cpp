#include "PellandineTestSupport.h"
#include "StackedDecks.h"

using namespace pellandine_test;

namespace {

std::string shoeCard(const PellandineRules& rules, int index) {
    return gamekit::cardCodeText(*rules.shoe().cards[index]);
}

std::vector<std::string> occupiedInReadingOrder(const TableGrid& grid) {
    std::vector<std::string> out;
    for (int i = 0; i < kSlotCount; ++i) {
        if (grid.at(i).holdsCard()) out.push_back(gamekit::cardCodeText(*grid.at(i).card));
    }
    return out;
}

// Replaying the reported steps on the table as it was gives the table as it is.
void expectReplayMatches(const PellandineRules& rules, const PlayResult& result) {
    TableGrid shown = result.before;
    for (const TableEvent& e : result.events) shown.apply(e);
    for (int i = 0; i < kSlotCount; ++i) {
        const TableSlot& a = shown.at(i);
        const TableSlot& b = rules.grid().at(i);
        EXPECT_EQ(a.empty, b.empty) << "slot " << i;
        EXPECT_EQ(a.card, b.card) << "slot " << i;
        EXPECT_EQ(a.cardCount, b.cardCount) << "slot " << i;
        EXPECT_EQ(a.value, b.value) << "slot " << i;
    }
}

int countKind(const PlayResult& r, EventKind kind) {
    int n = 0;
    for (const TableEvent& e : r.events) n += e.kind == kind ? 1 : 0;
    return n;
}

// Sum 11 dealt as four deals of ten vertical pairs of 11 and the twelve face
// cards, the face cards last or first.
std::unique_ptr<PellandineRules> sum11Stacked(bool faceCardsFirst) {
    const auto pairs = sum11Pairs();
    std::string order;
    for (int first : {0, 5, 10, 15}) order += twoRowsOfPairs(pairs, first);
    return stacked(kSum11, faceCardsFirst ? sum11FaceCards() + order : order + sum11FaceCards());
}

// Removes the vertical pairs of rows `top` and `top + 1`, column by column.
void removeColumnPairs(PellandineRules& rules, int top) {
    for (int c = 0; c < kColumns; ++c) {
        tap(rules, top, c);
        ASSERT_TRUE(tap(rules, top + 1, c).removed) << "column " << c;
    }
}

}  // namespace

TEST(ZigZag, ARowStartMovesUpToTheEndOfTheRowAboveAndTheTailIsRefilled) {
    auto rules = stacked(kPairs, "2S 3S 4S 5S 7S 3D 4D 5D 6D 7C");
    tap(*rules, 0, 4);
    ASSERT_TRUE(tap(*rules, 1, 4).removed);
    std::vector<std::string> expected = occupiedInReadingOrder(rules->grid());
    expected.push_back(shoeCard(*rules, 20));
    expected.push_back(shoeCard(*rules, 21));

    PlayResult r = rules->tapDeck();
    EXPECT_EQ(at(*rules, 0, 4), "3D");
    EXPECT_EQ(occupiedInReadingOrder(rules->grid()), expected);
    EXPECT_EQ(rules->grid().emptySlotCount(), 0);
    EXPECT_EQ(countKind(r, EventKind::Slide), 14);
    ASSERT_EQ(countKind(r, EventKind::Fill), 2);
    EXPECT_EQ(r.events[0].kind, EventKind::Slide);
    EXPECT_EQ(r.events[0].fromRow, 1);
    EXPECT_EQ(r.events[0].fromColumn, 0);
    EXPECT_EQ(r.events[0].row, 0);
    EXPECT_EQ(r.events[0].column, 4);
    EXPECT_EQ(r.events.back().row, 3);
    EXPECT_EQ(r.events.back().column, 4);
    EXPECT_EQ(rules->cardsLeft(), 50);
    EXPECT_EQ(rules->cardsInShoe(), 30);
    expectReplayMatches(*rules, r);
}

TEST(StraightUp, AColumnRisesOneRowAndItsFootIsRefilled) {
    auto rules = stacked(kPairs, "2S 3S 7S 7C", kSlideStraightUp);
    TableGrid old = rules->grid();
    tap(*rules, 0, 2);
    ASSERT_TRUE(tap(*rules, 0, 3).removed);
    const std::string next0 = shoeCard(*rules, 20);
    const std::string next1 = shoeCard(*rules, 21);
    PlayResult r = rules->tapDeck();
    for (int c = 2; c <= 3; ++c) {
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(rules->grid().slot(row, c).card, old.slot(row + 1, c).card) << row << c;
        }
    }
    EXPECT_EQ(at(*rules, 3, 2), next0);
    EXPECT_EQ(at(*rules, 3, 3), next1);
    for (int row = 0; row < kRows; ++row) {
        for (int c : {0, 1, 4}) EXPECT_EQ(rules->grid().slot(row, c).card, old.slot(row, c).card);
    }
    EXPECT_EQ(countKind(r, EventKind::Slide), 6);
    expectReplayMatches(*rules, r);
}

TEST(StraightUp, CardsBelowAGapRiseAsFarAsTheColumnAllows) {
    auto rules = stacked(kPairs, "2S 3S 4S 5S 6S 7D 8D 7S 9D 10D 2C 3C 7C", kSlideStraightUp);
    TableGrid old = rules->grid();
    tap(*rules, 1, 2);
    ASSERT_TRUE(tap(*rules, 2, 2).removed);
    const std::string next0 = shoeCard(*rules, 20);
    const std::string next1 = shoeCard(*rules, 21);
    rules->tapDeck();
    EXPECT_EQ(rules->grid().slot(0, 2).card, old.slot(0, 2).card);
    EXPECT_EQ(rules->grid().slot(1, 2).card, old.slot(3, 2).card);
    EXPECT_EQ(at(*rules, 2, 2), next0);
    EXPECT_EQ(at(*rules, 3, 2), next1);
}

TEST(PlainRefill, Sum10AndSum14FillGapsInPlace) {
    auto sum14 = stacked(kSum14, "KS AS QS 2S JS 3S 10S 4S 9S 5S");
    TableGrid old = sum14->grid();
    tap(*sum14, 0, 0);
    ASSERT_TRUE(tap(*sum14, 0, 1).removed);
    PlayResult r = sum14->tapDeck();
    EXPECT_EQ(countKind(r, EventKind::Slide), 0);
    EXPECT_EQ(at(*sum14, 0, 0), shoeCard(*sum14, 10));
    EXPECT_EQ(at(*sum14, 0, 1), shoeCard(*sum14, 11));
    for (int i = 2; i < 10; ++i) EXPECT_EQ(sum14->grid().at(i).card, old.at(i).card);

    auto sum10 = stacked(kSum10, "2S 5S 3S 4S 6S 5C");
    old = sum10->grid();
    tap(*sum10, 0, 1);
    ASSERT_TRUE(tap(*sum10, 1, 1).removed);
    r = sum10->tapDeck();
    EXPECT_EQ(countKind(r, EventKind::Slide), 0);
    EXPECT_EQ(at(*sum10, 0, 1), shoeCard(*sum10, 13));
    EXPECT_EQ(at(*sum10, 1, 1), shoeCard(*sum10, 14));
    EXPECT_EQ(sum10->grid().slot(0, 2).card, old.slot(0, 2).card);
    EXPECT_FALSE(sum10->grid().slot(1, 0).active);
    EXPECT_TRUE(sum10->grid().slot(1, 0).empty);  // an inactive place is never filled
}

TEST(PlainRefill, AnAlmostEmptyDeckFillsTheFirstGapsAndThenTheDeckIsEmpty) {
    const auto pairs = sum14Pairs();
    std::string order;
    for (const auto& p : pairs) order += p.first + " " + p.second + " ";
    auto rules = stacked(kSum14, order);
    while (rules->cardsInShoe() > 2) {
        tap(*rules, 0, 0);
        ASSERT_TRUE(tap(*rules, 0, 1).removed);
        EXPECT_EQ(rules->prompt(), Prompt::AfterRemoval);
        rules->tapDeck();
    }
    tap(*rules, 0, 0);
    tap(*rules, 0, 1);
    tap(*rules, 0, 2);
    ASSERT_TRUE(tap(*rules, 0, 3).removed);
    EXPECT_FALSE(rules->deckEmpty());
    PlayResult r = rules->tapDeck();
    EXPECT_EQ(countKind(r, EventKind::Fill), 2);
    EXPECT_EQ(at(*rules, 0, 0), "7H");
    EXPECT_EQ(at(*rules, 0, 1), "7D");
    EXPECT_EQ(at(*rules, 0, 2), "--");
    EXPECT_EQ(at(*rules, 0, 3), "--");
    EXPECT_TRUE(rules->shoeExhausted());
    EXPECT_TRUE(rules->deckEmpty());
    EXPECT_TRUE(rules->tapDeck().events.empty());  // nothing more to deal, nothing moves

    tap(*rules, 0, 4);
    ASSERT_TRUE(tap(*rules, 1, 0).removed);
    EXPECT_EQ(rules->prompt(), Prompt::AfterRemovalEmpty);
    EXPECT_STREQ(rules->promptLines().first, "Tap cards to select a new set");
    EXPECT_STREQ(rules->promptLines().second, "(J=11, Q=12, K=13).");
}

TEST(Sum11Refill, FaceCardsLeftWhenTheShoeRunsOutAreCountedAsRemoved) {
    auto rules = sum11Stacked(false);
    for (int top : {0, 2}) removeColumnPairs(*rules, top);
    PlayResult r = rules->tapDeck();
    EXPECT_EQ(countKind(r, EventKind::Slide), 0);
    EXPECT_EQ(countKind(r, EventKind::Fill), 20);
    EXPECT_EQ(rules->cardsInShoe(), 12);

    removeColumnPairs(*rules, 2);
    r = rules->tapDeck();
    ASSERT_EQ(r.events.size(), 2u);
    EXPECT_EQ(r.events[0].kind, EventKind::Fill);
    EXPECT_EQ(r.events[1].kind, EventKind::Stranded);
    EXPECT_EQ(r.events[1].row, 2);
    EXPECT_EQ(r.events[1].column, 0);
    EXPECT_EQ(r.events[1].cardCount, 12);
    EXPECT_EQ(r.cardsRemoved, 12);
    EXPECT_EQ(rules->score(), 42);
    EXPECT_EQ(rules->cardsLeft(), 10);
    EXPECT_EQ(rules->grid().emptySlotCount(), 10);
    EXPECT_TRUE(rules->shoeExhausted());
    EXPECT_FALSE(r.gameWon);
    EXPECT_EQ(rules->phase(), GamePhase::Playing);
    expectReplayMatches(*rules, r);

    // With the shoe exhausted a deck tap still moves cards up and clears the
    // selection.
    tap(*rules, 0, 1);
    ASSERT_TRUE(tap(*rules, 1, 1).removed);
    rules->select(0, 2);
    ASSERT_EQ(rules->selectionCount(), 1);
    const std::vector<std::string> before = occupiedInReadingOrder(rules->grid());
    r = rules->tapDeck();
    EXPECT_EQ(countKind(r, EventKind::Fill), 0);
    EXPECT_EQ(countKind(r, EventKind::Slide), 7);  // (0,2)..(1,4) but (1,1), one or two places
    EXPECT_EQ(occupiedInReadingOrder(rules->grid()), before);
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(rules->grid().at(i).holdsCard()) << i;
    EXPECT_EQ(rules->selectionCount(), 0);
    for (int i = 0; i < kSlotCount; ++i) EXPECT_FALSE(rules->grid().at(i).selected);
}

TEST(Sum11Refill, AWinByTheLastFaceCardsIsAWin) {
    auto rules = sum11Stacked(false);
    PlayResult r;
    for (int round = 0; round < 2; ++round) {
        for (int top : {0, 2}) removeColumnPairs(*rules, top);
        r = rules->tapDeck();
        EXPECT_EQ(r.gameWon, round == 1) << "round " << round;
    }
    EXPECT_TRUE(r.offer.offered);
    EXPECT_TRUE(r.offer.won);
    EXPECT_EQ(r.offer.place, 0);
    EXPECT_EQ(r.offer.gameType, kSum11);
    EXPECT_EQ(rules->score(), 52);
    EXPECT_EQ(rules->cardsLeft(), 0);
    EXPECT_EQ(rules->phase(), GamePhase::Over);
    EXPECT_EQ(rules->scores().list(kSum11)[0], 52);
    // Taps on the table are ignored now; the deck starts the next game.
    EXPECT_EQ(rules->select(0, 0).tap, TapKind::None);
    rules->evaluateSelection();
    EXPECT_STREQ(rules->promptLines().first, "Tap deck to start a new game, or");
    EXPECT_EQ(rules->tapDeckOrDeal(5).tap, TapKind::NewGame);
    EXPECT_EQ(rules->phase(), GamePhase::Playing);
    EXPECT_EQ(rules->scores().list(kSum11)[1], 0);
}

TEST(Sum11Refill, TheDealMorePromptAsksTheShoeNotACountWithCoveredFaceCards) {
    auto rules = sum11Stacked(true);
    ASSERT_EQ(rules->grid().slot(0, 0).cardCount, 13);
    for (int round = 0; round < 2; ++round) {
        removeColumnPairs(*rules, 2);
        EXPECT_EQ(rules->prompt(), Prompt::AfterRemoval);
        EXPECT_STREQ(rules->promptLines().first, "Tap deck to deal more cards, or");
        PlayResult r = rules->tapDeck();
        EXPECT_EQ(countKind(r, EventKind::Slide), 0);
        EXPECT_EQ(countKind(r, EventKind::Fill), 10);
    }
    ASSERT_TRUE(rules->shoeExhausted());
    tap(*rules, 2, 0);
    ASSERT_TRUE(tap(*rules, 3, 0).removed);
    // A count of the cards not yet removed still holds the twelve covered
    // face cards and would claim there are cards to deal.
    EXPECT_GE(rules->cardsLeft() - 20 + rules->grid().emptySlotCount(), 1);
    EXPECT_EQ(rules->prompt(), Prompt::AfterRemovalEmpty);
    EXPECT_STREQ(rules->promptLines().first, "Tap deck to move cards up, or");
    EXPECT_STREQ(rules->promptLines().second, "select another pair for sum 11.");
}

TEST(Replay, RestartGivesTheSameCardsInTheSamePlacesAndNewAFreshDeal) {
    PellandineRules rules(11, kPairs);
    rules.newGame(1234);
    const TableGrid first = rules.grid();
    const std::string nextCard = shoeCard(rules, 20);
    std::vector<Group> groups;
    findGroups(rules.grid(), groups);
    if (!groups.empty()) {
        rules.select(groups[0].index[0] / 5, groups[0].index[0] % 5);
        rules.select(groups[0].index[1] / 5, groups[0].index[1] % 5);
        ASSERT_TRUE(rules.evaluateSelection().removed);
    }
    rules.tapDeck();
    rules.select(0, 0);
    PlayResult r = rules.restartGame();
    EXPECT_TRUE(r.dealt);
    EXPECT_FALSE(r.offer.offered);
    EXPECT_EQ(rules.score(), 0);
    EXPECT_EQ(rules.cardsLeft(), 52);
    EXPECT_EQ(rules.selectionCount(), 0);
    for (int i = 0; i < kSlotCount; ++i) EXPECT_EQ(rules.grid().at(i).card, first.at(i).card);
    EXPECT_EQ(shoeCard(rules, 20), nextCard);
    EXPECT_EQ(rules.cardsInShoe(), 32);
    ASSERT_EQ(r.events.size(), 20u);
    EXPECT_EQ(r.events[19].kind, EventKind::Fill);
    EXPECT_EQ(r.before.emptySlotCount(), 20);  // the deal flies onto a cleared table
    expectReplayMatches(rules, r);

    rules.newGame(98765);
    int same = 0;
    for (int i = 0; i < kSlotCount; ++i) same += rules.grid().at(i).card == first.at(i).card;
    EXPECT_LT(same, 20);
}

#include <random>

#include "PellandineTestSupport.h"

using namespace pellandine_test;

namespace {

struct Totals {
    int games = 0;
    int won = 0;
};

// Checks, after every step of a game, what must always hold: every card is on
// the table, in the shoe or removed; the reported steps turn the table as it
// was into the table as it is; the prompt's deck test agrees with the count of
// cards not yet removed wherever no face card lies covered.
void checkStep(const PellandineRules& rules, const PlayResult& r) {
    ASSERT_EQ(rules.score() + rules.cardsLeft(), 52);
    ASSERT_EQ(rules.cardsLeft(), rules.grid().cardsOnTable() + rules.cardsInShoe());
    TableGrid shown = r.before;
    for (const TableEvent& e : r.events) shown.apply(e);
    for (int i = 0; i < kSlotCount; ++i) {
        ASSERT_EQ(shown.at(i).card, rules.grid().at(i).card) << i;
        ASSERT_EQ(shown.at(i).cardCount, rules.grid().at(i).cardCount) << i;
    }
    const int type = rules.dealtGameType();
    if (type != kSum11) {
        const int countedDeck =
            rules.cardsLeft() - variationInfo(type).tableSize + rules.grid().emptySlotCount();
        ASSERT_EQ(rules.deckEmpty(), countedDeck < 1);
    }
    for (int i = 0; i < kSlotCount; ++i) {
        const TableSlot& s = rules.grid().at(i);
        if (s.holdsCard()) {
            ASSERT_LE(s.value, type == kSum11 ? 10 : 13);
        }
        if (!s.active) {
            ASSERT_TRUE(s.empty);
        }
    }
}

void playRandomGames(int gameType, int slideMode, int games, Totals& totals) {
    std::mt19937 pick(static_cast<uint32_t>(gameType * 100 + slideMode));
    std::vector<Group> groups;
    for (int seed = 1; seed <= games; ++seed) {
        PellandineRules rules(static_cast<uint32_t>(seed), gameType, slideMode);
        PlayResult r = rules.newGame(static_cast<uint32_t>(seed));
        checkStep(rules, r);
        for (int step = 0; step < 500 && rules.phase() == GamePhase::Playing; ++step) {
            findGroups(rules.grid(), groups);
            if (groups.empty()) {
                r = rules.tapDeck();
                checkStep(rules, r);
                if (r.events.empty()) break;
                continue;
            }
            const Group& g = groups[pick() % groups.size()];
            for (int k = 0; k < g.size; ++k) {
                rules.select(g.index[k] / kColumns, g.index[k] % kColumns);
                r = rules.evaluateSelection();
                if (k + 1 < g.size) {
                    ASSERT_FALSE(r.removed);
                }
            }
            ASSERT_TRUE(r.removed) << "a group the search found was not removed";
            ASSERT_EQ(r.cardsRemoved, groupCardCount(r.before, g));
            checkStep(rules, r);
        }
        ++totals.games;
        totals.won += rules.phase() == GamePhase::Over ? 1 : 0;
        if (rules.phase() == GamePhase::Over) {
            EXPECT_EQ(rules.score(), 52);
        }
    }
}

}  // namespace

TEST(PlayThrough, EveryVariationAndRefillModeKeepsItsCountsAndReplaysItsSteps) {
    for (int type = kPairs; type <= kSum14; ++type) {
        for (int mode : {kSlideZigZag, kSlideStraightUp}) {
            SCOPED_TRACE(testing::Message() << "type " << type << " mode " << mode);
            Totals t;
            playRandomGames(type, mode, 40, t);
            EXPECT_EQ(t.games, 40);
            if (HasFatalFailure()) return;
        }
    }
}

TEST(GroupSearch, FindsExactlyTheGroupsTheTapsAccept) {
    // Every pair of cards and every Sum 14 group the search reports is
    // removed by tapping it, and the first one is the earliest in reading order.
    auto rules = stacked(kSum14, "AS 2S 3S 8S KS AC 4D 9D 5H 6C");
    std::vector<Group> groups;
    findGroups(rules->grid(), groups);
    // Sums of 14 among A 2 3 8 K A 4 9 5 6 (values 1 2 3 8 13 1 4 9 5 6).
    int expected = 0;
    const int values[10] = {1, 2, 3, 8, 13, 1, 4, 9, 5, 6};
    for (int mask = 0; mask < 1024; ++mask) {
        int sum = 0, n = 0;
        for (int i = 0; i < 10; ++i) {
            if (mask & (1 << i)) {
                sum += values[i];
                ++n;
            }
        }
        expected += (sum == 14 && n >= 2 && n <= 6) ? 1 : 0;
    }
    EXPECT_EQ(static_cast<int>(groups.size()), expected);
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(groups[0].size, 4);  // A 2 3 8
    EXPECT_EQ(groups[0].index[3], 3);
    for (size_t k = 1; k < groups.size(); ++k) EXPECT_TRUE(groups[k - 1] < groups[k]);
    EXPECT_TRUE(hasAllowedGroup(rules->grid()));
    // The rules offer the same groups as moves, and none before a deal.
    EXPECT_EQ(rules->legalMoves(), groups);
    EXPECT_TRUE(PellandineRules(1, kSum14).legalMoves().empty());

    auto none = stacked(kPairs, "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS KS AC 2C 3C 4C 5C 6C 7C");
    EXPECT_FALSE(hasAllowedGroup(none->grid()));
    findGroups(none->grid(), groups);
    EXPECT_TRUE(groups.empty());
}

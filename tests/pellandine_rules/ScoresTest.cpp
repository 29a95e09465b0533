#include "PellandineTestSupport.h"
#include "StackedDecks.h"

using namespace pellandine_test;

namespace {

std::vector<int> entries(const gamekit::GArray<int>& list) {
    std::vector<int> out;
    for (int i = 0; i < kScoreListSize; ++i) out.push_back(list[i]);
    return out;
}

void fill(gamekit::GArray<int>& list, std::vector<int> values) {
    for (int i = 0; i < kScoreListSize; ++i) list[i] = values[static_cast<size_t>(i)];
}

// Plays a Sum 14 game of planned pairs to its win.
void winSum14(PellandineRules& rules, PlayResult* winning) {
    std::string order;
    for (const auto& p : sum14Pairs()) order += p.first + " " + p.second + " ";
    rules.newGameWithOrder(codes(order));
    while (!rules.shoeExhausted()) {
        tap(rules, 0, 0);
        ASSERT_TRUE(tap(rules, 0, 1).removed);
        rules.tapDeck();
    }
    for (int first : {0, 2, 4, 6, 8}) {
        tap(rules, first / 5, first % 5);
        PlayResult r = tap(rules, (first + 1) / 5, (first + 1) % 5);
        ASSERT_TRUE(r.removed);
        if (r.gameWon && winning != nullptr) *winning = r;
    }
}

}  // namespace

TEST(ScoreList, AnyScoreEntersAnEmptyListFirstAndZeroRecordsNothing) {
    ScoreLists lists;
    EXPECT_EQ(lists.recordScore(kPairs, 0), -1);
    EXPECT_EQ(lists.recordScore(kPairs, -3), -1);
    EXPECT_EQ(lists.recordScore(kPairs, 53), -1);
    EXPECT_EQ(entries(lists.list(kPairs)), std::vector<int>(10, 0));
    EXPECT_EQ(lists.recordScore(kPairs, 1), 0);
    EXPECT_EQ(lists.list(kPairs)[0], 1);
    EXPECT_EQ(lists.list(kSum10)[0], 0);
}

TEST(ScoreList, AScoreEntersOnlyAboveAnEntryAndPushesTheRestDown) {
    ScoreLists lists;
    fill(lists.list(kSum11), {50, 44, 40, 40, 30, 20, 18, 12, 10, 8});
    EXPECT_EQ(lists.recordScore(kSum11, 8), -1);  // equal to the lowest: out
    EXPECT_EQ(entries(lists.list(kSum11)),
              (std::vector<int>{50, 44, 40, 40, 30, 20, 18, 12, 10, 8}));
    EXPECT_EQ(lists.recordScore(kSum11, 9), 9);  // one higher replaces the tenth
    EXPECT_EQ(lists.list(kSum11)[9], 9);
    EXPECT_EQ(lists.recordScore(kSum11, 40), 4);  // below the equal entries
    EXPECT_EQ(entries(lists.list(kSum11)),
              (std::vector<int>{50, 44, 40, 40, 40, 30, 20, 18, 12, 10}));
    EXPECT_EQ(lists.recordScore(kSum11, 52), 0);
    EXPECT_EQ(entries(lists.list(kSum11)),
              (std::vector<int>{52, 50, 44, 40, 40, 40, 30, 20, 18, 12}));
}

TEST(ScoreList, ResetEmptiesOnlyTheVariationShown) {
    ScoreLists lists;
    lists.recordScore(kSum10, 20);
    lists.recordScore(kSum14, 30);
    lists.resetScores(kSum10);
    EXPECT_EQ(entries(lists.list(kSum10)), std::vector<int>(10, 0));
    EXPECT_EQ(lists.list(kSum14)[0], 30);
}

TEST(GameEnd, AWonGameEntersTheListOnceWhateverFollows) {
    PellandineRules rules(3, kSum14);
    PlayResult win;
    winSum14(rules, &win);
    ASSERT_TRUE(win.gameWon);
    EXPECT_EQ(rules.phase(), GamePhase::Over);
    EXPECT_EQ(win.offer.place, 0);
    EXPECT_STREQ(win.offer.message(), "You made the high score list");
    EXPECT_STREQ(ScoreOffer::caption(), "Congratulations!");
    EXPECT_EQ(entries(rules.scores().list(kSum14)),
              (std::vector<int>{52, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    // New from the high-score screen, or a new variation chosen after the
    // win: the won game is not offered again.
    PlayResult next = rules.newGame(77);
    EXPECT_FALSE(next.offer.offered);
    rules.setGameType(kPairs);
    EXPECT_EQ(rules.newGame(78).offer.place, -1);  // the fresh Sum 14 game had scored 0
    EXPECT_EQ(entries(rules.scores().list(kSum14)),
              (std::vector<int>{52, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(entries(rules.scores().list(kPairs)), std::vector<int>(10, 0));

    // A second win enters again, below the equal entry.
    rules.setGameType(kSum14);
    winSum14(rules, &win);
    EXPECT_EQ(win.offer.place, 1);
    EXPECT_EQ(entries(rules.scores().list(kSum14)),
              (std::vector<int>{52, 52, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(GameEnd, AWinOffAFullListOfWinsIsStillToldAsAWin) {
    PellandineRules rules(3, kSum14);
    fill(rules.scores().list(kSum14), std::vector<int>(10, 52));
    PlayResult win;
    winSum14(rules, &win);
    EXPECT_TRUE(win.gameWon);
    EXPECT_EQ(win.offer.place, -1);
    EXPECT_STREQ(win.offer.message(), "You won!");
}

TEST(GameEnd, AnUnfinishedGameIsOfferedToItsOwnListWhenReplaced) {
    auto rules = stacked(kSum14, "KS AS 9D 2H 3H");
    tap(*rules, 0, 0);
    ASSERT_TRUE(tap(*rules, 0, 1).removed);
    rules->setGameType(kSum10);  // the player picks another variation
    PlayResult r = rules->newGame(5);
    EXPECT_TRUE(r.offer.offered);
    EXPECT_FALSE(r.offer.won);
    EXPECT_EQ(r.offer.place, 0);
    EXPECT_STREQ(r.offer.message(), "You made the high score list");
    EXPECT_EQ(rules->scores().list(kSum14)[0], 2);
    EXPECT_EQ(rules->scores().list(kSum10)[0], 0);
    EXPECT_EQ(rules->dealtGameType(), kSum10);
    // The new game scored nothing: replacing it records nothing.
    PlayResult again = rules->newGame(6);
    EXPECT_EQ(again.offer.place, -1);
    EXPECT_EQ(again.offer.message(), nullptr);
    EXPECT_EQ(rules->scores().list(kSum10)[0], 0);
}

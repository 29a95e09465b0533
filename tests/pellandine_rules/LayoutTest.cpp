#include <cstring>

#include "PellandineTestSupport.h"
#include "games/pellandine/rules/TableGrid.h"

using namespace pellandine_test;

TEST(GameType, ZeroReadsAsPairsAndOtherStrayValuesAsSum14) {
    EXPECT_EQ(normalizeGameType(0), kPairs);
    EXPECT_EQ(normalizeGameType(1), kPairs);
    EXPECT_EQ(normalizeGameType(3), kSum11);
    EXPECT_EQ(normalizeGameType(4), kSum14);
    EXPECT_EQ(normalizeGameType(5), kSum14);
    EXPECT_EQ(normalizeGameType(-1), kSum14);
    EXPECT_EQ(normalizeGameType(0x7fffffff), kSum14);
    EXPECT_STREQ(variationInfo(0).registryName, "PairsScores");
    EXPECT_STREQ(variationInfo(99).registryName, "Sum14Scores");

    PellandineRules zero(1, 0);
    EXPECT_EQ(zero.gameType(), kPairs);
    EXPECT_EQ(zero.grid().gameType(), kPairs);
    zero.setGameType(-7);
    EXPECT_EQ(zero.gameType(), kSum14);
    EXPECT_EQ(zero.grid().gameType(), kSum14);  // no game yet: the empty table follows the setting
    zero.newGame(3);
    EXPECT_EQ(zero.grid().emptySlotCount(), 0);
    int active = 0;
    for (int i = 0; i < kSlotCount; ++i) active += zero.grid().at(i).active ? 1 : 0;
    EXPECT_EQ(active, 10);
}

TEST(Layout, ActiveSetsOfEachVariation) {
    TableGrid grid;
    auto activeMap = [&grid](int type) {
        grid.setLayout(type);
        std::string map;
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kColumns; ++c) map += grid.slot(r, c).active ? 'X' : '.';
            map += '/';
        }
        return map;
    };
    EXPECT_EQ(activeMap(kPairs), "XXXXX/XXXXX/XXXXX/XXXXX/");
    EXPECT_EQ(activeMap(kSum10), "XXXXX/.XXX./XXXXX/...../");
    EXPECT_EQ(activeMap(kSum11), "XXXXX/XXXXX/XXXXX/XXXXX/");
    EXPECT_EQ(activeMap(kSum14), "XXXXX/XXXXX/...../...../");
}

TEST(Layout, NeighboursAreTheEightSurroundingGridPlacesWithoutWrapping) {
    TableGrid grid;
    const TableSlot& centre = grid.slot(1, 2);
    int neighbours = 0;
    for (int i = 0; i < kSlotCount; ++i) neighbours += TableGrid::areNeighbours(centre, grid.at(i));
    EXPECT_EQ(neighbours, 8);
    EXPECT_FALSE(TableGrid::areNeighbours(centre, centre));
    EXPECT_FALSE(TableGrid::areNeighbours(grid.slot(0, 4), grid.slot(1, 0)));
    EXPECT_TRUE(TableGrid::areNeighbours(grid.slot(3, 0), grid.slot(2, 1)));
    EXPECT_FALSE(TableGrid::areNeighbours(grid.slot(0, 0), grid.slot(2, 0)));
}

TEST(Layout, ClearSlotReturnsTheCardAndEmptiesEverything) {
    auto rules = stacked(kPairs, "QH");
    TableGrid grid = rules->grid();
    TableSlot& s = grid.slot(0, 0);
    s.selected = true;
    gamekit::PlayingCard* card = grid.clearSlot(s);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->rank, 11);
    EXPECT_EQ(card->suit, 2);
    EXPECT_TRUE(s.empty);
    EXPECT_FALSE(s.selected);
    EXPECT_EQ(s.value, 0);
    EXPECT_EQ(s.cardCount, 0);
    EXPECT_EQ(s.card, nullptr);
    EXPECT_EQ(grid.emptySlotCount(), 1);
}

TEST(Prompts, LinesOfEachCaseAreTheGameOwnTexts) {
    const struct {
        Prompt prompt;
        int type;
        const char *first, *second;
    } cases[] = {
        {Prompt::AfterRemoval, kSum10, "Tap deck to deal more cards, or",
         "select another pair / 10-J-Q-K"},
        {Prompt::AfterRemovalEmpty, kSum10, "Tap cards to select another pair or", "10-J-Q-K"},
        {Prompt::AfterRemovalEmpty, kSum11, "Tap deck to move cards up, or",
         "select another pair for sum 11."},
        {Prompt::AfterRemoval, kSum14, "Tap deck to deal more cards, or",
         "select a new set (J=11, Q=12, K=13)."},
        {Prompt::Instructions, kPairs, "Select 2 adjacent cards (pairs can be",
         "horizontal, vertical or diagonal)."},
        {Prompt::Instructions, kSum14, "Select cards that sum to 14 where",
         "J=11, Q=12, K=13 and A=1."},
        {Prompt::GameOver, kSum11, "Tap deck to start a new game, or",
         "use menu to change game variation."},
        {Prompt::BeforeFirstGame, kPairs, "Tap deck to deal, or use menu to",
         "change game variation."},
        {Prompt::None, kPairs, "", ""},
    };
    for (const auto& c : cases) {
        const PromptLines p = promptLines(c.prompt, c.type);
        EXPECT_STREQ(p.first, c.first) << "variation " << c.type;
        EXPECT_STREQ(p.second, c.second) << "variation " << c.type;
    }
}

TEST(Start, TheTableHoldsNoCardUntilTheFirstDealAndRestartWaitsForIt) {
    PellandineRules rules(42, kSum11);
    EXPECT_EQ(rules.phase(), GamePhase::NoGame);
    EXPECT_EQ(rules.grid().emptySlotCount(), 20);
    EXPECT_EQ(rules.prompt(), Prompt::BeforeFirstGame);
    EXPECT_FALSE(rules.canRestart());
    PlayResult r = rules.restartGame();
    EXPECT_FALSE(r.dealt);
    EXPECT_TRUE(r.events.empty());
    EXPECT_EQ(rules.grid().emptySlotCount(), 20);
    EXPECT_EQ(rules.shoe().count(), 52);
    EXPECT_EQ(rules.shoe().nextCard, 0);
}

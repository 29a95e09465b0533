// The places and hit tests of the table against the figures the game is
// drawn to: slots, piles, melds, buttons and the score sheets' scroll bars.

#include <gtest/gtest.h>

#include <vector>

#include "games/velloran/table/TableLayout.h"

using namespace velloran;

TEST(VelloranLayout, PlaySlotFromXTruncatesTowardZero) {
    const struct {
        int x, slot;
    } cases[] = {{0, 0},  {2, 0},   {9, 0},   {20, 0},  {21, 1},  {32, 1},  {33, 2},
                 {200, 15}, {201, 16}, {212, 16}, {213, 16}, {224, 16}, {225, -1}, {239, -1}};
    for (const auto& c : cases) EXPECT_EQ(playSlotAt(c.x), c.slot) << "x " << c.x;
}

TEST(VelloranLayout, MeldScreenSlotsAreTheLastTen) {
    const struct {
        int x, slot;
    } cases[] = {{88, -1}, {89, 7}, {100, 7}, {111, 7}, {112, 8}, {207, 15}, {208, 16}, {239, 16}};
    for (const auto& c : cases) EXPECT_EQ(meldSlotAt(c.x), c.slot) << "x " << c.x;
}

TEST(VelloranLayout, OnlyTheFirstThreeMeldsCanBePicked) {
    // w = (cards - 1) x 12 + 32: 56, 68, 56, then a fourth that never counts.
    const int sizes[] = {3, 4, 3, 3};
    const struct {
        int x, group;
    } cases[] = {{0, 0}, {55, 0}, {56, 1}, {123, 1}, {124, 2}, {179, 2}, {180, -1}, {235, -1}};
    for (const auto& c : cases) EXPECT_EQ(groupAt(c.x, sizes, 4), c.group) << "x " << c.x;
    EXPECT_EQ(groupAt(10, sizes, 0), -1);
}

TEST(VelloranLayout, PilesTakeTapsWithTheirMarginsInclusive) {
    // The pile at (133, 145): x 128..168, y 125..195; the stock at (77, 145).
    EXPECT_TRUE(onDiscardPile(128, 125));
    EXPECT_TRUE(onDiscardPile(168, 195));
    EXPECT_FALSE(onDiscardPile(127, 150));
    EXPECT_FALSE(onDiscardPile(169, 150));
    EXPECT_FALSE(onDiscardPile(150, 124));
    EXPECT_FALSE(onDiscardPile(150, 196));
    EXPECT_TRUE(onStock(72, 125));
    EXPECT_TRUE(onStock(112, 195));
    EXPECT_FALSE(onStock(71, 150));
    EXPECT_FALSE(onStock(113, 150));
}

TEST(VelloranLayout, RowsAndPlaces) {
    EXPECT_EQ(playerSlotPlace(0), (ScreenPoint{9, 261}));
    EXPECT_EQ(playerSlotPlace(16), (ScreenPoint{201, 261}));
    EXPECT_EQ(computerSlotPlace(0), (ScreenPoint{46, 32}));
    EXPECT_EQ(computerSlotPlace(10), (ScreenPoint{166, 32}));
    // The deal's pass i reaches the person's slot i + 3 at 45 + 12 i.
    for (int i = 0; i < 10; ++i) EXPECT_EQ(playerSlotPlace(i + 3).x, 45 + 12 * i);
    // Right-aligned: slot i at 240 - 32 - (last - i) x 12.
    EXPECT_EQ(playerRightSlotPlace(16).x, 208);
    EXPECT_EQ(playerRightSlotPlace(7).x, 100);
    EXPECT_EQ(computerRightSlotPlace(10).x, 208);
    EXPECT_EQ(computerRightSlotPlace(1).x, 100);
    EXPECT_EQ(abovePlayerSlot(5), (ScreenPoint{69, 211}));
    EXPECT_TRUE(inPlayerRow(261));
    EXPECT_TRUE(inPlayerRow(305));
    EXPECT_FALSE(inPlayerRow(306));
    EXPECT_FALSE(inPlayerRow(260));
    EXPECT_TRUE(inComputerRow(77));
    EXPECT_FALSE(inComputerRow(78));
}

// Whatever slot the rules name, a card of the person's row is drawn wholly
// on the screen: 17 slots 12 apart from x 9 end with the last card at 201.
TEST(VelloranLayout, ThePersonsRowNeverLeavesTheScreen) {
    for (int slot = -3; slot < 25; ++slot) {
        for (const ScreenPoint p : {playerSlotPlace(slot), playerRightSlotPlace(slot), abovePlayerSlot(slot)}) {
            EXPECT_GE(p.x, 0) << slot;
            EXPECT_LE(p.x + 31, kScreenWidth) << slot;
        }
    }
}

TEST(VelloranLayout, MeldGroupsKeepTheirStepsUntilTheyWouldRunOff) {
    const int two[] = {3, 4};
    int xs[64];
    ASSERT_EQ(groupCardXs(two, 2, xs), 7);
    const int expected[] = {2, 14, 26, 58, 70, 82, 94};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(xs[i], expected[i]) << i;

    // Three melds and three laid-off groups of the lay-off screen: far wider
    // than the screen at the natural steps, squeezed onto it.
    const int many[] = {4, 3, 3, 1, 2, 1};
    const int n = groupCardXs(many, 6, xs);
    ASSERT_EQ(n, 14);
    EXPECT_EQ(xs[0], 2);
    for (int i = 0; i < n; ++i) {
        EXPECT_LE(xs[i] + 31, kScreenWidth) << i;
        if (i > 0) {
            EXPECT_GT(xs[i], xs[i - 1]) << i;
        }
    }
}

TEST(VelloranLayout, HintMarksStandWhereTheTableSays) {
    EXPECT_EQ(kTakeThisPileMark.x, kDiscardPlace.x + 33);
    EXPECT_EQ(kTakeThisPileMark.y, kDiscardPlace.y + 17);
    EXPECT_EQ(kTakeBesidePass, (ScreenPoint{85, 238}));
    EXPECT_EQ(kTakeBesideStock, (ScreenPoint{67, 162}));
    EXPECT_EQ(throwMarkLeft(0), 13);
    EXPECT_EQ(throwMarkLeft(10), 133);
}

TEST(VelloranLayout, ScrollZonesOfThePlainSheet) {
    // Ten rows: the box from 61 to 61 + 110.
    const struct {
        int y;
        ScrollZone zone;
    } cases[] = {{60, ScrollZone::None}, {61, ScrollZone::First}, {72, ScrollZone::First},
                 {73, ScrollZone::Up},   {85, ScrollZone::Up},    {86, ScrollZone::None},
                 {145, ScrollZone::None}, {146, ScrollZone::Down}, {158, ScrollZone::Down},
                 {159, ScrollZone::Last}, {171, ScrollZone::Last}, {172, ScrollZone::None}};
    for (const auto& c : cases) {
        EXPECT_EQ(scrollZoneAt(200, c.y, 0, false, 10), c.zone) << "y " << c.y;
    }
    EXPECT_EQ(scrollZoneAt(184, 65, 0, false, 10), ScrollZone::None);
    EXPECT_EQ(scrollZoneAt(185, 65, 0, false, 10), ScrollZone::First);
    EXPECT_EQ(scrollZoneAt(215, 65, 0, false, 10), ScrollZone::First);
    EXPECT_EQ(scrollZoneAt(216, 65, 0, false, 10), ScrollZone::None);
}

TEST(VelloranLayout, HollywoodColumnsAndTheirStrips) {
    EXPECT_EQ(sheetColumnAt(79, true), 0);
    EXPECT_EQ(sheetColumnAt(80, true), 1);
    EXPECT_EQ(sheetColumnAt(160, true), 2);
    EXPECT_EQ(sheetColumnAt(239, true), 2);
    EXPECT_EQ(sheetColumnAt(239, false), 0);
    EXPECT_EQ(hollywoodLeft(1), 86);
    EXPECT_EQ(hollywoodRight(2), 238);
    // Column 1's strip, 8 wide, lies inside its bar (144 to 154).
    EXPECT_EQ(scrollZoneAt(145, 80, 1, true, 10), ScrollZone::First);
    EXPECT_EQ(scrollZoneAt(152, 88, 1, true, 10), ScrollZone::Up);
    EXPECT_EQ(scrollZoneAt(144, 80, 1, true, 10), ScrollZone::None);
    EXPECT_EQ(scrollZoneAt(153, 80, 1, true, 10), ScrollZone::None);
    EXPECT_EQ(scrollZoneAt(148, 74, 1, true, 10), ScrollZone::First);
    EXPECT_EQ(scrollZoneAt(148, 184, 1, true, 10), ScrollZone::Last);
}

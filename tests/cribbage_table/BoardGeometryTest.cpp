// The board's holes as the table places them: every hole of both lanes on
// the screen, no two pits touching, the lanes 8 px apart, the grouping in
// fives, and pegs asked for scores off the board kept on it.

#include <gtest/gtest.h>

#include "games/cribbage/CribbageSprites.h"
#include "games/cribbage/table/BoardGeometry.h"
#include "platform/ScreenSize.h"

using namespace cribbage;
namespace sprites = cribbage_sprites;

namespace {

struct Box {
    int left, top, right, bottom;
};

// What a hole paints: its pit, inset in the 9 x 9 cell.
Box pit(bool red, int hole) {
    const HolePlace at = holePlace(red, hole);
    const int in = sprites::kHolePitInset;
    return {at.x + in, at.y + in, at.x + sprites::kPegSize - 1 - in,
            at.y + sprites::kPegSize - 1 - in};
}

// What a peg paints: its head, inset in the cell.
Box pegHead(bool red, int hole) {
    const HolePlace at = holePlace(red, hole);
    const int in = sprites::kPegHeadInset;
    return {at.x + in, at.y + in, at.x + sprites::kPegSize - 1 - in,
            at.y + sprites::kPegSize - 1 - in};
}

bool overlap(const Box& a, const Box& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

bool onScreen(const Box& b) {
    return b.left >= 0 && b.top >= 0 && b.right < platform::kScreenWidth &&
           b.bottom < platform::kScreenHeight;
}

}  // namespace

TEST(BoardHoles, EveryHoleAndEveryPegOfBothLanesLiesOnTheScreen) {
    for (bool red : {false, true}) {
        for (int hole = kFirstHole; hole <= kLastHole; ++hole) {
            EXPECT_TRUE(onScreen(pit(red, hole))) << (red ? "red " : "blue ") << hole;
            EXPECT_TRUE(onScreen(pegHead(red, hole))) << (red ? "red " : "blue ") << hole;
            // Below the menu bar.
            EXPECT_GE(holePlace(red, hole).y, 18) << hole;
        }
    }
}

TEST(BoardHoles, NoTwoHolesOfEitherLaneOverlap) {
    for (int a = 0; a < 2 * kHoleCount; ++a) {
        for (int b = a + 1; b < 2 * kHoleCount; ++b) {
            const bool redA = a >= kHoleCount, redB = b >= kHoleCount;
            const int holeA = a % kHoleCount + kFirstHole, holeB = b % kHoleCount + kFirstHole;
            EXPECT_FALSE(overlap(pit(redA, holeA), pit(redB, holeB)))
                << (redA ? "red " : "blue ") << holeA << " and " << (redB ? "red " : "blue ")
                << holeB;
        }
    }
}

TEST(BoardHoles, RedLaneLiesEightPixelsInsideBlueOnEveryEdge) {
    // Top edge: straight below; right edge: to the left; bottom: above;
    // left edge: to the right. The corner-adjacent holes are nudged along
    // the edge only.
    for (int hole = -1; hole <= 11; ++hole) {
        EXPECT_EQ(holePlace(true, hole).y - holePlace(false, hole).y, kLaneGap) << hole;
        EXPECT_EQ(holePlace(true, hole).x, holePlace(false, hole).x) << hole;
    }
    for (int hole = 14; hole <= 52; ++hole) {
        EXPECT_EQ(holePlace(false, hole).x - holePlace(true, hole).x, kLaneGap) << hole;
    }
    for (int hole = 54; hole <= 82; ++hole) {
        EXPECT_EQ(holePlace(false, hole).y - holePlace(true, hole).y, kLaneGap) << hole;
    }
    for (int hole = 84; hole <= 121; ++hole) {
        EXPECT_EQ(holePlace(true, hole).x - holePlace(false, hole).x, kLaneGap) << hole;
    }
}

TEST(BoardHoles, FollowTheBoardsFormulasAtTheirTurningPoints) {
    struct Case {
        bool red;
        int hole, x, y;
    } cases[] = {
        // Blue, one pixel in from the formula's numbers.
        {false, -1, 123, 19}, {false, 0, 130, 19},  {false, 1, 143, 19},   {false, 5, 167, 19},
        {false, 6, 177, 19},  {false, 11, 210, 19}, {false, 12, 219, 19},  {false, 13, 228, 23},
        {false, 14, 232, 32}, {false, 16, 232, 52}, {false, 52, 232, 299}, {false, 53, 228, 308},
        {false, 54, 219, 312}, {false, 82, 15, 312}, {false, 83, 5, 308},  {false, 84, 1, 299},
        {false, 120, 1, 66},  {false, 121, 5, 52},
        // Red: its own corners, the holes by them moved 3 px.
        {true, 12, 216, 27},  {true, 13, 221, 30},  {true, 14, 224, 35},   {true, 52, 224, 296},
        {true, 53, 221, 301}, {true, 54, 216, 304}, {true, 82, 18, 304},   {true, 83, 12, 301},
        {true, 84, 9, 296},   {true, 121, 13, 52},
    };
    for (const Case& c : cases) {
        const HolePlace at = holePlace(c.red, c.hole);
        EXPECT_EQ(at.x, c.x) << (c.red ? "red " : "blue ") << c.hole;
        EXPECT_EQ(at.y, c.y) << (c.red ? "red " : "blue ") << c.hole;
    }
}

TEST(BoardHoles, HolesComeInFivesWithAWiderGapBetweenGroups) {
    // Along the top: 6 px within a group, 10 between groups.
    EXPECT_EQ(holePlace(false, 5).x - holePlace(false, 4).x, 6);
    EXPECT_EQ(holePlace(false, 6).x - holePlace(false, 5).x, 10);
    // Down the right side: 6 within, 10 between (holes 20 and 21).
    EXPECT_EQ(holePlace(false, 20).y - holePlace(false, 19).y, 6);
    EXPECT_EQ(holePlace(false, 21).y - holePlace(false, 20).y, 10);
}

TEST(BoardPegs, AScoreOffTheBoardPegsAtItsNearestEnd) {
    // A score past 121 shows at 121, never beyond the last hole; a back peg
    // below the start at the start.
    for (bool red : {false, true}) {
        EXPECT_EQ(holePlace(red, 125).x, holePlace(red, 121).x);
        EXPECT_EQ(holePlace(red, 125).y, holePlace(red, 121).y);
        EXPECT_EQ(holePlace(red, 240).y, holePlace(red, 121).y);
        EXPECT_EQ(holePlace(red, -7).x, holePlace(red, -1).x);
        EXPECT_TRUE(onScreen(pegHead(red, 1000)));
    }
}

TEST(BoardPegs, SetPegsStepSixPixelsPerGameWon) {
    EXPECT_EQ(setPegPlace(false, 0).x, 41);
    EXPECT_EQ(setPegPlace(false, 3).x, 59);
    EXPECT_EQ(setPegPlace(false, 3).y, 19);
    EXPECT_EQ(setPegPlace(true, 5).x, 71);
    EXPECT_EQ(setPegPlace(true, 5).y, 27);
    EXPECT_EQ(setPegPlace(true, 9).x, 71);  // never past the fifth game
}

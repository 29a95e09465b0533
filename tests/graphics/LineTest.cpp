#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <random>

#include "Canvas.h"
#include "gamekit/graphics/Primitives.h"

using namespace graphics_test;
using gamekit::drawLine;

namespace {

std::string lineArt(int w, int h, int x1, int y1, int x2, int y2) {
    GuardedCanvas canvas(w, h);
    drawLine(canvas.surface(), x1, y1, x2, y2, kEdge);
    EXPECT_TRUE(canvas.canariesIntact());
    return art(canvas.surface());
}

}  // namespace

TEST(DrawLine, RejectsLinesWhollyBeyondOneSide) {
    std::string empty;
    for (int i = 0; i < 8; ++i) empty += "..........\n";
    EXPECT_EQ(lineArt(10, 8, -5, 1, -1, 6), empty);  // both left
    EXPECT_EQ(lineArt(10, 8, 10, 1, 30, 6), empty);  // both right
    EXPECT_EQ(lineArt(10, 8, 0, -1, 9, -7), empty);  // both above
    EXPECT_EQ(lineArt(10, 8, 0, 8, 9, 100), empty);  // both below
}

TEST(DrawLine, AxisRunsAreOrderedAndClampedToTheSurface) {
    GuardedCanvas canvas(240, 320);
    drawLine(canvas.surface(), -10, 10, 10, 10, kEdge);
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 240; ++x)
            ASSERT_EQ(canvas.surface().pixel(x, y), (y == 10 && x <= 10) ? kEdge : kBackground)
                << x << "," << y;
    EXPECT_EQ(lineArt(6, 2, 9, 1, -100, 1), "......\n######\n");
    // Vertical runs likewise, in either order.
    EXPECT_EQ(lineArt(3, 5, 1, 400, 1, -3), ".#.\n.#.\n.#.\n.#.\n.#.\n");
    EXPECT_EQ(lineArt(3, 5, 2, 3, 2, 1), "...\n..#\n..#\n..#\n...\n");
}

TEST(DrawLine, ShallowLineHasOnePixelPerColumn) {
    // (0,0)-(10,5): the row is y rounded after each half-pixel step.
    const char* expected =
        "#..........\n"
        ".##........\n"
        "...##......\n"
        ".....##....\n"
        ".......##..\n"
        ".........##\n";
    EXPECT_EQ(lineArt(11, 6, 0, 0, 10, 5), expected);
    EXPECT_EQ(lineArt(11, 6, 10, 5, 0, 0), expected);
}

TEST(DrawLine, SteepLineHasOnePixelPerRowAndGoesEitherWay) {
    const char* down = "#...\n#...\n.#..\n.#..\n.#..\n..#.\n..#.\n..#.\n...#\n...#\n";
    EXPECT_EQ(lineArt(4, 10, 0, 0, 3, 9), down);
    EXPECT_EQ(lineArt(4, 10, 3, 9, 0, 0), down);
    // Upwards the same steps, walked from the bottom row.
    const char* up = "...#\n...#\n..#.\n..#.\n..#.\n.#..\n.#..\n.#..\n#...\n#...\n";
    EXPECT_EQ(lineArt(4, 10, 0, 9, 3, 0), up);
}

TEST(DrawLine, ClippedEndMovesByTheTruncatedSlopeOfTheWholeLine) {
    // Left: (-3,0)-(7,4) becomes (0,1)-(7,4), which steps differently from
    // the unclipped line (that one would be on row 2 at x = 1).
    EXPECT_EQ(lineArt(10, 6, -3, 0, 7, 4),
              "..........\n"
              "##........\n"
              "..##......\n"
              "....##....\n"
              "......##..\n"
              "..........\n");
    // Right: (5,2)-(14,5) becomes (5,2)-(9,4).
    EXPECT_EQ(lineArt(10, 6, 5, 2, 14, 5),
              "..........\n"
              "..........\n"
              ".....#....\n"
              "......##..\n"
              "........##\n"
              "..........\n");
    // Top: (2,-4)-(4,6) becomes (2,0)-(4,6).
    EXPECT_EQ(lineArt(6, 8, 2, -4, 4, 6),
              "..#...\n..#...\n...#..\n...#..\n...#..\n....#.\n....#.\n......\n");
    // Bottom: (1,5)-(3,15) becomes (1,5)-(2,9).
    EXPECT_EQ(lineArt(4, 10, 1, 5, 3, 15),
              "....\n....\n....\n....\n....\n.#..\n.#..\n..#.\n..#.\n..#.\n");
    // Both x ends: (-5,0)-(15,20) on 10x10 becomes (0,5)-(4,9).
    EXPECT_EQ(lineArt(10, 10, -5, 0, 15, 20),
              "..........\n..........\n..........\n..........\n..........\n"
              "#.........\n.#........\n..#.......\n...#......\n....#.....\n");
}

TEST(DrawLine, LinePassingOutsideACornerDrawsNothingAndWritesNothingOutside) {
    // After clipping both ends of these lines lie outside the surface.
    const std::string blank = art(GuardedCanvas(240, 320).surface());
    EXPECT_EQ(lineArt(240, 320, -20, 10, 10, -20), blank);
    EXPECT_EQ(lineArt(240, 320, 230, 330, 250, 310), blank);
}

TEST(DrawLine, ExtremeCoordinatesStayInside) {
    GuardedCanvas canvas(240, 320);
    Surface& s = canvas.surface();
    drawLine(s, INT_MIN, INT_MIN, INT_MAX, INT_MAX, kEdge);
    drawLine(s, INT_MIN, INT_MAX, INT_MAX, INT_MIN, kEdge);
    drawLine(s, INT_MIN, 5, INT_MAX, 6, kEdge);
    drawLine(s, 5, INT_MIN, 6, INT_MAX, kEdge);
    EXPECT_TRUE(canvas.canariesIntact());
    // A line through the whole surface still shows inside it.
    EXPECT_EQ(s.pixel(0, 5), kEdge);
    EXPECT_EQ(s.pixel(239, 6), kEdge);
}

TEST(DrawLine, EmptySurfaceIsLeftAlone) {
    Surface none(nullptr, 10, 10);
    drawLine(none, 0, 0, 5, 5, kEdge);
    EXPECT_EQ(none.width(), 0);
}

TEST(DrawLine, LinesInsideHaveOnePixelPerStepAndReachBothEnds) {
    std::mt19937 engine(5);
    auto coordinate = [&](int size) {
        return std::uniform_int_distribution<int>(0, size - 1)(engine);
    };
    GuardedCanvas canvas(60, 45);
    Surface& s = canvas.surface();
    for (int i = 0; i < 400; ++i) {
        const int x1 = coordinate(60), y1 = coordinate(45), x2 = coordinate(60),
                  y2 = coordinate(45);
        s.fill(kBackground);
        drawLine(s, x1, y1, x2, y2, kEdge);
        const bool alongX = std::abs(y2 - y1) <= std::abs(x2 - x1);
        int count = 0;
        for (int y = 0; y < 45; ++y) {
            int inRow = 0;
            for (int x = 0; x < 60; ++x) inRow += s.pixel(x, y) == kEdge;
            count += inRow;
            if (!alongX) {
                ASSERT_LE(inRow, 1) << "row " << y;
            }
        }
        for (int x = 0; x < 60 && alongX; ++x) {
            int inColumn = 0;
            for (int y = 0; y < 45; ++y) inColumn += s.pixel(x, y) == kEdge;
            ASSERT_LE(inColumn, 1) << "column " << x;
        }
        ASSERT_EQ(count, std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1)
            << x1 << "," << y1 << " " << x2 << "," << y2;
        ASSERT_EQ(s.pixel(x1, y1), kEdge);
        ASSERT_EQ(s.pixel(x2, y2), kEdge);
    }
}

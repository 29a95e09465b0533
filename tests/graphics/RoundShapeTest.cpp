#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "Canvas.h"
#include "gamekit/graphics/Primitives.h"

using namespace graphics_test;
using gamekit::drawCircle;
using gamekit::drawRoundRect;

namespace {

std::string circleArt(int size, int radius, int mode) {
    GuardedCanvas canvas(size, size);
    drawCircle(canvas.surface(), size / 2, size / 2, radius, mode, kEdge, kFill);
    EXPECT_TRUE(canvas.canariesIntact());
    return art(canvas.surface());
}

std::string roundRectArt(int w, int h, int x1, int y1, int x2, int y2, int radius, int mode) {
    GuardedCanvas canvas(w, h);
    drawRoundRect(canvas.surface(), x1, y1, x2, y2, radius, mode, kEdge, kFill);
    EXPECT_TRUE(canvas.canariesIntact());
    return art(canvas.surface());
}

// The picture with one symbol replaced: the outline alone is the outlined
// and filled picture with its inside left as background, and the fill alone
// is that picture with its edge painted as inside.
std::string swapped(std::string picture, char from, char to) {
    std::replace(picture.begin(), picture.end(), from, to);
    return picture;
}

std::vector<int> tableOf(int radius) {
    int table[gamekit::kMaxShapeRadius + 1];
    if (!gamekit::quarterCircleTable(radius, table)) return {};
    return std::vector<int>(table, table + radius + 1);
}

}  // namespace

// Worked by hand from the angles 90, 90 - s, ... with s = 45 div r. The
// degree constant is a little under pi/180, so 3 sin(30) gives 1.49999 and
// rounds down.
TEST(QuarterCircleTable, SmallRadii) {
    EXPECT_EQ(tableOf(1), (std::vector<int>{1, 1}));        // 45 degrees overwrites row 1
    EXPECT_EQ(tableOf(2), (std::vector<int>{2, 2, 1}));     // 68 degrees gives row 2 width 1
    EXPECT_EQ(tableOf(3), (std::vector<int>{3, 3, 2, 2}));  // 60 degrees overwrites row 3
    EXPECT_EQ(tableOf(5), (std::vector<int>{5, 5, 5, 4, 4, 2}));
    EXPECT_EQ(tableOf(45).size(), 46u);
    EXPECT_EQ(tableOf(45)[0], 45);
}

TEST(QuarterCircleTable, RadiiOutsideOneToFortyFiveHaveNoTable) {
    EXPECT_TRUE(tableOf(0).empty());
    EXPECT_TRUE(tableOf(46).empty());
    EXPECT_TRUE(tableOf(-3).empty());
}

TEST(DrawCircle, RadiusOneIsASquareWithACentre) {
    EXPECT_EQ(circleArt(5, 1, 2), ".....\n.###.\n.#o#.\n.###.\n.....\n");
    EXPECT_EQ(circleArt(5, 1, 1), ".....\n.###.\n.#.#.\n.###.\n.....\n");
    EXPECT_EQ(circleArt(5, 1, 0), ".....\n.ooo.\n.ooo.\n.ooo.\n.....\n");
}

TEST(DrawCircle, RadiusTwo) {
    const std::string both = ".......\n..###..\n.#ooo#.\n.#ooo#.\n.#ooo#.\n..###..\n.......\n";
    EXPECT_EQ(circleArt(7, 2, 2), both);
    EXPECT_EQ(circleArt(7, 2, 1), swapped(both, 'o', '.'));
}

TEST(DrawCircle, RadiusFiveKeepsTheSteepOutlineConnected) {
    const std::string both =
        ".............\n"
        "....#####....\n"
        "..##ooooo##..\n"
        "..#ooooooo#..\n"
        ".#ooooooooo#.\n"
        ".#ooooooooo#.\n"
        ".#ooooooooo#.\n"
        ".#ooooooooo#.\n"
        ".#ooooooooo#.\n"
        "..#ooooooo#..\n"
        "..##ooooo##..\n"
        "....#####....\n"
        ".............\n";
    EXPECT_EQ(circleArt(13, 5, 2), both);
    EXPECT_EQ(circleArt(13, 5, 1), swapped(both, 'o', '.'));
    EXPECT_EQ(circleArt(13, 5, 0), swapped(both, '#', 'o'));
}

TEST(DrawCircle, DrawnOnlyWhenWhollyInside) {
    GuardedCanvas canvas(20, 20);
    Surface& s = canvas.surface();
    // Centre, then the edge pixel a circle of radius 3 there reaches: left,
    // right, bottom, top.
    const int touching[4][4] = {{3, 10, 0, 10}, {16, 10, 19, 10}, {10, 16, 10, 19}, {10, 3, 10, 0}};
    for (const auto& t : touching) {
        drawCircle(s, t[0], t[1], 3, 2, kEdge, kFill);
        EXPECT_EQ(s.pixel(t[2], t[3]), kEdge) << t[0] << "," << t[1];
    }

    // One pixel further out on each side, then radii without a table (0 has
    // none) and centres at the ends of the int range.
    const int refused[][3] = {{2, 10, 3},
                              {17, 10, 3},
                              {10, 17, 3},
                              {10, 2, 3},
                              {10, 10, 0},
                              {10, 10, -1},
                              {10, 10, 46},
                              {INT_MAX, INT_MAX, 45},
                              {INT_MIN, INT_MIN, 45}};
    GuardedCanvas other(20, 20);
    for (const auto& c : refused) drawCircle(other.surface(), c[0], c[1], c[2], 2, kEdge, kFill);
    EXPECT_EQ(art(other.surface()), art(GuardedCanvas(20, 20).surface()));
    EXPECT_TRUE(other.canariesIntact());
}

TEST(DrawRoundRect, SmallCornersAndTheLastRowLeftOut) {
    // Corners (1,1)-(8,7): rows 1 to 6 only.
    const std::string both =
        "..........\n"
        "..######..\n"
        ".#oooooo#.\n"
        ".#oooooo#.\n"
        ".#oooooo#.\n"
        ".#oooooo#.\n"
        "..######..\n"
        "..........\n"
        "..........\n";
    EXPECT_EQ(roundRectArt(10, 9, 1, 1, 8, 7, 2, 2), both);
    EXPECT_EQ(roundRectArt(10, 9, 1, 1, 8, 7, 2, 1), swapped(both, 'o', '.'));
}

TEST(DrawRoundRect, RadiusFive) {
    EXPECT_EQ(roundRectArt(16, 15, 1, 1, 14, 13, 5, 2),
              "................\n"
              "....########....\n"
              "..##oooooooo##..\n"
              "..#oooooooooo#..\n"
              ".#oooooooooooo#.\n"
              ".#oooooooooooo#.\n"
              ".#oooooooooooo#.\n"
              ".#oooooooooooo#.\n"
              ".#oooooooooooo#.\n"
              ".#oooooooooooo#.\n"
              "..#oooooooooo#..\n"
              "..##oooooooo##..\n"
              "....########....\n"
              "................\n"
              "................\n");
}

TEST(DrawRoundRect, ACardFromYToYPlus45IsFortyFiveRowsHigh) {
    GuardedCanvas canvas(40, 60);
    drawRoundRect(canvas.surface(), 2, 5, 31, 50, 3, 2, kEdge, kFill);
    const Surface& s = canvas.surface();
    for (int y = 0; y < 60; ++y) {
        bool touched = false;
        for (int x = 0; x < 40; ++x) touched |= s.pixel(x, y) != kBackground;
        EXPECT_EQ(touched, y >= 5 && y < 50) << "row " << y;
    }
    EXPECT_EQ(s.pixel(2, 27), kEdge);
    EXPECT_EQ(s.pixel(31, 27), kEdge);
    EXPECT_EQ(s.pixel(3, 27), kFill);
}

TEST(DrawRoundRect, PartsOutsideAreDroppedAndTheRestIsUnchanged) {
    // The same card drawn 4 pixels past each side of a small surface and in
    // the middle of a large one: the overlap must agree pixel for pixel.
    const int cases[4][2] = {{-4, 3}, {12 - 26 + 4, 3}, {3, -4}, {3, 14 - 30 + 4}};
    for (const auto& at : cases) {
        GuardedCanvas small(12, 14);
        drawRoundRect(small.surface(), at[0], at[1], at[0] + 25, at[1] + 30, 5, 2, kEdge, kFill);
        EXPECT_TRUE(small.canariesIntact());
        GuardedCanvas large(100, 100);
        drawRoundRect(large.surface(), 50 + at[0], 50 + at[1], 50 + at[0] + 25, 50 + at[1] + 30, 5,
                      2, kEdge, kFill);
        EXPECT_EQ(art(small.surface()), art(large.surface(), 50, 50, 61, 63));
    }
}

TEST(DrawRoundRect, RadiusOutsideTheTableDrawsNothing) {
    const std::string blank = roundRectArt(6, 6, 0, 0, 5, 5, 0, 2);
    EXPECT_EQ(blank, "......\n......\n......\n......\n......\n......\n");
    EXPECT_EQ(roundRectArt(6, 6, 0, 0, 5, 5, 46, 2), blank);
    EXPECT_EQ(roundRectArt(6, 6, 0, 0, 5, 5, -2, 2), blank);
}

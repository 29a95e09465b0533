#include <gtest/gtest.h>

#include "Canvas.h"
#include "gamekit/graphics/Primitives.h"

using namespace graphics_test;
using gamekit::drawTriangle;

namespace {

std::string triangleArt(int w, int h, int x1, int y1, int x2, int y2, int x3, int y3, int mode) {
    GuardedCanvas canvas(w, h);
    drawTriangle(canvas.surface(), x1, y1, x2, y2, x3, y3, mode, kEdge, kFill);
    EXPECT_TRUE(canvas.canariesIntact());
    return art(canvas.surface());
}

}  // namespace

TEST(DrawTriangle, FlatTopIsTheLowerHalfOfTheWalkAndAFlatLineItsSpan) {
    EXPECT_EQ(triangleArt(8, 8, 0, 0, 6, 0, 0, 6, 0),
              "ooooooo.\n"
              "oooooo..\n"
              "ooooo...\n"
              "oooo....\n"
              "ooo.....\n"
              "oo......\n"
              "o.......\n"
              "........\n");
    EXPECT_EQ(triangleArt(8, 8, 0, 0, 6, 0, 0, 6, 1),
              "#######.\n"
              "#....#..\n"
              "#...#...\n"
              "#..#....\n"
              "#.#.....\n"
              "##......\n"
              "#.......\n"
              "........\n");
    // All corners on one row: the whole span.
    EXPECT_EQ(triangleArt(8, 2, 5, 1, 1, 1, 3, 1, 0), "........\n.ooooo..\n");
}

TEST(DrawTriangle, EdgesAreWalkedInFloatAndRoundedPerRow) {
    // Long edge (1,0)-(0,7) moves -1/7 a row; the short edges +1 and -5/3.
    const char* filled =
        ".o......\n"
        ".oo.....\n"
        ".ooo....\n"
        ".oooo...\n"
        "oooooo..\n"
        "oooo....\n"
        "ooo.....\n"
        "o.......\n";
    EXPECT_EQ(triangleArt(8, 8, 1, 0, 5, 4, 0, 7, 0), filled);
    // Corner order does not matter.
    EXPECT_EQ(triangleArt(8, 8, 0, 7, 1, 0, 5, 4, 0), filled);
    EXPECT_EQ(triangleArt(8, 8, 5, 4, 0, 7, 1, 0, 0), filled);
}

TEST(DrawTriangle, OutlineAndFillModesCombine) {
    GuardedCanvas canvas(8, 8);
    drawTriangle(canvas.surface(), 1, 0, 5, 4, 0, 7, 2, kEdge, kFill);
    // Mode 2 is the filled triangle with the three drawLine edges on top.
    GuardedCanvas expected(8, 8);
    drawTriangle(expected.surface(), 1, 0, 5, 4, 0, 7, 0, kEdge, kFill);
    drawTriangle(expected.surface(), 1, 0, 5, 4, 0, 7, 1, kEdge, kFill);
    EXPECT_TRUE(samePixels(canvas.surface(), expected.surface()));
    EXPECT_EQ(canvas.surface().pixel(2, 3), kFill);
    EXPECT_EQ(canvas.surface().pixel(1, 3), kEdge);
    EXPECT_EQ(canvas.surface().pixel(5, 4), kEdge);
}

TEST(DrawTriangle, NothingWhenACornerIsOutside) {
    GuardedCanvas empty(6, 6);
    const std::string none = art(empty.surface());
    EXPECT_EQ(triangleArt(6, 6, -1, 0, 5, 0, 0, 5, 2), none);
    EXPECT_EQ(triangleArt(6, 6, 0, -1, 5, 0, 0, 5, 2), none);
    EXPECT_EQ(triangleArt(6, 6, 0, 0, 6, 0, 0, 5, 2), none);  // x at the width
    EXPECT_EQ(triangleArt(6, 6, 0, 0, 5, 0, 0, 6, 2), none);  // y at the height
    EXPECT_NE(triangleArt(6, 6, 0, 0, 5, 0, 0, 5, 2), none);  // all inside
}

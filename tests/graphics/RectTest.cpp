#include <gtest/gtest.h>

#include <climits>

#include "Canvas.h"
#include "gamekit/graphics/Primitives.h"

using namespace graphics_test;
using gamekit::drawRaisedBox;
using gamekit::drawRect;
using gamekit::drawSunkenBox;

namespace {

std::string rectArt(int w, int h, int x1, int y1, int x2, int y2, int mode) {
    GuardedCanvas canvas(w, h);
    drawRect(canvas.surface(), x1, y1, x2, y2, mode, kEdge, kFill);
    EXPECT_TRUE(canvas.canariesIntact());
    return art(canvas.surface());
}

}  // namespace

TEST(DrawRect, ModesPaintEdgeAndInside) {
    EXPECT_EQ(rectArt(8, 6, 1, 1, 6, 4, gamekit::kShapeOutlineFilled),
              "........\n.######.\n.#oooo#.\n.#oooo#.\n.######.\n........\n");
    EXPECT_EQ(rectArt(8, 6, 1, 1, 6, 4, gamekit::kShapeOutline),
              "........\n.######.\n.#....#.\n.#....#.\n.######.\n........\n");
    EXPECT_EQ(rectArt(8, 6, 1, 1, 6, 4, gamekit::kShapeFilled),
              "........\n.oooooo.\n.oooooo.\n.oooooo.\n.oooooo.\n........\n");
    // Any other mode is outline and inside.
    EXPECT_EQ(rectArt(8, 6, 1, 1, 6, 4, 7), rectArt(8, 6, 1, 1, 6, 4, 2));
}

TEST(DrawRect, OneAndTwoRowRectanglesAreEdgeRows) {
    EXPECT_EQ(rectArt(5, 3, 0, 1, 4, 1, 2), ".....\n#####\n.....\n");
    EXPECT_EQ(rectArt(5, 4, 0, 1, 4, 2, 2), ".....\n#####\n#####\n.....\n");
    EXPECT_EQ(rectArt(4, 4, 1, 0, 1, 3, 2), ".#..\n.#..\n.#..\n.#..\n");
    EXPECT_EQ(rectArt(4, 4, 1, 0, 2, 3, 1), ".##.\n.##.\n.##.\n.##.\n");
}

TEST(DrawRect, CornersInAnyOrderGiveTheSameRectangle) {
    const std::string expected = rectArt(9, 7, 2, 1, 6, 5, 2);
    EXPECT_EQ(rectArt(9, 7, 6, 1, 2, 5, 2), expected);
    EXPECT_EQ(rectArt(9, 7, 2, 5, 6, 1, 2), expected);
    EXPECT_EQ(rectArt(9, 7, 6, 5, 2, 1, 2), expected);
}

TEST(DrawRect, CornersBeyondTheSurfaceAreClampedAndWhollyOutsideDrawsNothing) {
    EXPECT_EQ(rectArt(6, 5, -5, -5, 300, 400, 2), "######\n#oooo#\n#oooo#\n#oooo#\n######\n");
    EXPECT_EQ(rectArt(6, 5, 3, -100, 100, 2, 1), "...###\n...#.#\n...###\n......\n......\n");
    EXPECT_EQ(rectArt(6, 5, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0),
              "oooooo\noooooo\noooooo\noooooo\noooooo\n");
    // Wholly outside on any side draws nothing.
    const std::string blank = rectArt(4, 3, 0, -5, 3, -1, 2);
    EXPECT_EQ(blank, "....\n....\n....\n");
    EXPECT_EQ(rectArt(4, 3, -9, 0, -1, 2, 2), blank);
    EXPECT_EQ(rectArt(4, 3, 4, 0, 9, 2, 2), blank);
    EXPECT_EQ(rectArt(4, 3, 0, 3, 3, 9, 2), blank);
}

TEST(DrawBox, RaisedBoxHasLightTopLeftAndDarkBottomRight) {
    GuardedCanvas canvas(6, 5);
    // L = edge colour (light), D = fill colour (dark), face shown as '?'.
    drawRaisedBox(canvas.surface(), 0, 0, 5, 4, 0x1234, kEdge, kFill, 2);
    EXPECT_EQ(art(canvas.surface()),
              "######\n"
              "#####o\n"
              "##??oo\n"
              "##oooo\n"
              "#ooooo\n");
    GuardedCanvas sunken(6, 5);
    drawSunkenBox(sunken.surface(), 0, 0, 5, 4, 0x1234, kFill, kEdge, 2);
    EXPECT_TRUE(samePixels(canvas.surface(), sunken.surface()));
}

TEST(DrawBox, StandardButtonOfDepthOne) {
    GuardedCanvas canvas(5, 4);
    drawRaisedBox(canvas.surface(), 0, 0, 4, 3, 0xC618, 0xFFFF, 0x4208, 1);
    const Surface& s = canvas.surface();
    for (int x = 0; x < 5; ++x) EXPECT_EQ(s.pixel(x, 0), 0xFFFF);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(s.pixel(0, y), 0xFFFF);
    for (int x = 1; x < 5; ++x) EXPECT_EQ(s.pixel(x, 3), 0x4208);
    for (int y = 1; y < 4; ++y) EXPECT_EQ(s.pixel(4, y), 0x4208);
    for (int x = 1; x < 4; ++x)
        for (int y = 1; y < 3; ++y) EXPECT_EQ(s.pixel(x, y), 0xC618);
}

TEST(DrawBox, HugeDepthAndFarCornersStayInside) {
    GuardedCanvas canvas(20, 10);
    drawRaisedBox(canvas.surface(), -100000, -5, 100000, 100000, 0x1234, kEdge, kFill, INT_MAX);
    drawSunkenBox(canvas.surface(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0x1234, kEdge, kFill,
                  INT_MAX);
    EXPECT_TRUE(canvas.canariesIntact());
}

// Windows onto part of a surface: drawing on one lands on the parent's
// pixels, counted from the window's corner and cut at its edges, which are
// the parent's where the window would reach beyond it.
#include <gtest/gtest.h>

#include "Canvas.h"
#include "gamekit/graphics/Primitives.h"

namespace {

using namespace graphics_test;

TEST(Window, DrawsOnTheParentWithinItsOwnEdges) {
    Surface parent(8, 6);
    parent.fill(kBackground);
    Surface window(parent, 2, 1, 4, 3);
    EXPECT_EQ(window.width(), 4);
    EXPECT_EQ(window.height(), 3);
    EXPECT_EQ(window.stride(), 8);
    // A rectangle far larger than the window fills just the window; a line
    // down its second column stays in it.
    gamekit::drawRect(window, -5, -5, 50, 50, gamekit::kShapeFilled, kFill, kFill);
    gamekit::drawLine(window, 1, -3, 1, 9, kEdge);
    EXPECT_EQ(art(parent, 0, 0, 7, 5),
              "........\n"
              "..o#oo..\n"
              "..o#oo..\n"
              "..o#oo..\n"
              "........\n"
              "........\n");
}

TEST(Window, CutToTheParent) {
    struct Case {
        const char* name;
        int x, y, width, height;
        int cutWidth, cutHeight;
    };
    const Case cases[] = {
        {"inside", 1, 1, 3, 2, 3, 2},
        {"across the right and bottom", 6, 4, 5, 5, 2, 2},
        {"across the left and top: its corner is the parent's", -2, -1, 4, 3, 2, 2},
        {"wholly outside", 9, 0, 3, 3, 0, 0},
        {"of no size", 2, 2, 0, 4, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Surface parent(8, 6);
        parent.fill(kBackground);
        Surface window(parent, c.x, c.y, c.width, c.height);
        EXPECT_EQ(window.width(), c.cutWidth);
        EXPECT_EQ(window.height(), c.cutHeight);
        window.fill(kFill);
        int filled = 0;
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) filled += parent.pixel(x, y) == kFill;
        EXPECT_EQ(filled, c.cutWidth * c.cutHeight);
    }
}

TEST(Window, AWindowOfAWindowCountsFromItsOwnCorner) {
    Surface parent(8, 6);
    parent.fill(kBackground);
    Surface outer(parent, 1, 1, 6, 4);
    Surface inner(outer, 2, 1, 10, 10);
    EXPECT_EQ(inner.width(), 4);
    EXPECT_EQ(inner.height(), 3);
    inner.putPixel(0, 0, kEdge);
    inner.putPixel(3, 2, kEdge);
    EXPECT_EQ(parent.pixel(3, 2), kEdge);
    EXPECT_EQ(parent.pixel(6, 4), kEdge);
}

}  // namespace

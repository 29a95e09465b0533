#include <gtest/gtest.h>

#include "Viewport.h"

namespace platform::sdl {
namespace {

TEST(Letterbox, TakesTheLargestWholeScaleThatFitsCentredOrShrinksKeepingTheShape) {
    struct Case {
        const char* name;
        int width, height;
        int x, y, w, h;
    };
    const Case cases[] = {
        {"1x exactly", 240, 320, 0, 0, 240, 320},
        {"2x exactly", 480, 640, 0, 0, 480, 640},
        {"3x exactly", 720, 960, 0, 0, 720, 960},
        // 1000 / 240 = 4 but 700 / 320 = 2: bars left and right, 30 above.
        {"height decides", 1000, 700, 260, 30, 480, 640},
        {"width decides", 500, 1000, 10, 180, 480, 640},
        {"just short of 3x", 719, 959, 119, 159, 480, 640},
        {"shrunk to half", 120, 160, 0, 0, 120, 160},
        // 100 wide makes 133 high, centred in 300.
        {"shrunk, width-limited", 100, 300, 0, 83, 100, 133},
        // 160 high makes 120 wide, centred in 239.
        {"shrunk, height-limited", 239, 160, 59, 0, 120, 160},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewRect v = letterbox(c.width, c.height);
        EXPECT_EQ(v.x, c.x);
        EXPECT_EQ(v.y, c.y);
        EXPECT_EQ(v.w, c.w);
        EXPECT_EQ(v.h, c.h);
    }
    ViewRect empty = letterbox(0, 480);
    EXPECT_EQ(empty.w, 0);
    EXPECT_EQ(empty.h, 0);
}

TEST(ToDevice, MapsScaledLetterboxedAndShrunkPicturesClampingTheBars) {
    struct Case {
        const char* name;
        int width, height;  // of the window
        int px, py;
        int x, y;
    };
    const Case cases[] = {
        {"2x top-left", 480, 640, 0, 0, 0, 0},
        {"2x odd pixel", 480, 640, 75, 503, 37, 251},
        {"2x even pixel of the same square", 480, 640, 74, 502, 37, 251},
        {"2x bottom-right", 480, 640, 479, 639, 239, 319},
        // The picture at (260, 30), 2x.
        {"bars subtracted", 1000, 700, 260 + 241, 30 + 601, 120, 300},
        {"left bar", 1000, 700, 10, 350, 0, 160},
        {"bottom-right corner on the bar", 1000, 700, 999, 699, 239, 319},
        {"just above-left of the picture", 1000, 700, 259, 29, 0, 0},
        {"captured mouse left of the window", 1000, 700, -50, -50, 0, 0},
        {"shrunk, middle", 120, 160, 60, 80, 120, 160},
        {"shrunk, last pixel", 120, 160, 119, 159, 238, 318},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int x = -1, y = -1;
        toDevice(letterbox(c.width, c.height), c.px, c.py, &x, &y);
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
    }
}

TEST(FittingScale, KeepsTheWantedScaleOrShrinksToTheDesktopButNeverBelowOne) {
    EXPECT_EQ(fittingScale(2, 1024, 768), 2);
    EXPECT_EQ(fittingScale(3, 1280, 1024), 3);
    EXPECT_EQ(fittingScale(4, 1280, 1024), 3);  // 1280 high would not fit
    EXPECT_EQ(fittingScale(3, 1024, 768), 2);
    EXPECT_EQ(fittingScale(2, 200, 200), 1);
}

}  // namespace
}  // namespace platform::sdl

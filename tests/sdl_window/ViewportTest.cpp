#include <gtest/gtest.h>

#include "Viewport.h"

namespace platform::sdl {
namespace {

void expectView(const ViewRect& v, int x, int y, int w, int h) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.w, w);
    EXPECT_EQ(v.h, h);
}

TEST(Letterbox, FillsAWindowOfAWholeScale) {
    expectView(letterbox(240, 320), 0, 0, 240, 320);
    expectView(letterbox(480, 640), 0, 0, 480, 640);
    expectView(letterbox(720, 960), 0, 0, 720, 960);
}

TEST(Letterbox, TakesTheLargestWholeScaleThatFitsAndCentresIt) {
    // 1000 / 240 = 4 but 700 / 320 = 2: bars left and right, 30 above.
    expectView(letterbox(1000, 700), 260, 30, 480, 640);
    // Width decides: 500 / 240 = 2, 1000 / 320 = 3.
    expectView(letterbox(500, 1000), 10, 180, 480, 640);
    // Just short of 3x stays at 2x.
    expectView(letterbox(719, 959), 119, 159, 480, 640);
}

TEST(Letterbox, ShrinksBelowOneToOneKeepingTheShape) {
    expectView(letterbox(120, 160), 0, 0, 120, 160);
    // Width-limited: 100 wide makes 133 high, centred in 300.
    expectView(letterbox(100, 300), 0, 83, 100, 133);
    // Height-limited: 160 high makes 120 wide, centred in 239.
    expectView(letterbox(239, 160), 59, 0, 120, 160);
}

TEST(Letterbox, AnEmptyDrawableHasNoPicture) {
    ViewRect v = letterbox(0, 480);
    EXPECT_EQ(v.w, 0);
    EXPECT_EQ(v.h, 0);
}

TEST(ToDevice, MapsEveryWindowPixelOfAScaledPixelToIt) {
    ViewRect v = letterbox(480, 640);
    int x = -1, y = -1;
    toDevice(v, 0, 0, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    toDevice(v, 75, 503, &x, &y);
    EXPECT_EQ(x, 37);
    EXPECT_EQ(y, 251);
    toDevice(v, 74, 502, &x, &y);
    EXPECT_EQ(x, 37);
    EXPECT_EQ(y, 251);
    toDevice(v, 479, 639, &x, &y);
    EXPECT_EQ(x, 239);
    EXPECT_EQ(y, 319);
}

TEST(ToDevice, SubtractsTheBarsOfALetterbox) {
    ViewRect v = letterbox(1000, 700);  // picture at (260, 30), 2x
    int x = -1, y = -1;
    toDevice(v, 260 + 241, 30 + 601, &x, &y);
    EXPECT_EQ(x, 120);
    EXPECT_EQ(y, 300);
}

TEST(ToDevice, ClampsPointsOnTheBarsToTheNearestEdge) {
    ViewRect v = letterbox(1000, 700);
    int x = -1, y = -1;
    toDevice(v, 10, 350, &x, &y);  // left bar
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 160);
    toDevice(v, 999, 699, &x, &y);  // bottom-right corner, on the bar
    EXPECT_EQ(x, 239);
    EXPECT_EQ(y, 319);
    toDevice(v, 259, 29, &x, &y);  // just above-left of the picture
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    toDevice(v, -50, -50, &x, &y);  // a captured mouse left of the window
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

TEST(ToDevice, ScalesUpFromAShrunkenPicture) {
    ViewRect v = letterbox(120, 160);
    int x = -1, y = -1;
    toDevice(v, 60, 80, &x, &y);
    EXPECT_EQ(x, 120);
    EXPECT_EQ(y, 160);
    toDevice(v, 119, 159, &x, &y);
    EXPECT_EQ(x, 238);
    EXPECT_EQ(y, 318);
}

TEST(FittingScale, KeepsTheWantedScaleWhenTheDesktopHoldsIt) {
    EXPECT_EQ(fittingScale(2, 1024, 768), 2);
    EXPECT_EQ(fittingScale(3, 1280, 1024), 3);
}

TEST(FittingScale, ShrinksToTheDesktopButNeverBelowOne) {
    EXPECT_EQ(fittingScale(4, 1280, 1024), 3);  // 1280 high would not fit
    EXPECT_EQ(fittingScale(3, 1024, 768), 2);
    EXPECT_EQ(fittingScale(2, 200, 200), 1);
}

}  // namespace
}  // namespace platform::sdl

#include <gtest/gtest.h>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/ui/Screens.h"

using namespace gamekit;

namespace {
struct Appearance {
    bool hints = false, cards = true, points = false;
    int speed = 6;
    int theme = 5;
    Button ok{kPageButtonWidth, kPageButtonHeight, "OK", kOkButtonLeft, kPageButtonTop, &font1()};
    const char* labels[3] = {"Display Hints", "Display cards left in deck", "Display points in hand"};
    bool* values[3] = {&hints, &cards, &points};
    AppearanceScreen screen{AppearanceScreen::fullLayout(labels, values, &speed), &theme};
    AppearanceScreen::Tap tap(int x, int y) { return screen.tap({x, y}, ok); }
};
}  // namespace

TEST(Appearance, SwitchRowsToggleWithinTheirBands) {
    Appearance a;
    EXPECT_EQ(a.tap(20, 20), AppearanceScreen::Tap::Changed);
    EXPECT_TRUE(a.hints);
    a.tap(150, 45);
    EXPECT_FALSE(a.cards);
    EXPECT_EQ(a.tap(151, 45), AppearanceScreen::Tap::None);
    a.tap(30, 74);
    EXPECT_TRUE(a.points);
    EXPECT_EQ(a.tap(100, 19), AppearanceScreen::Tap::None);
}

TEST(Appearance, TheSpeedRowAtItsEdges) {
    Appearance a;
    a.tap(90, 95);
    EXPECT_EQ(a.speed, 0);
    a.tap(179, 101);
    EXPECT_EQ(a.speed, 9);  // (179 - 90) / 9
    a.tap(98, 87);
    EXPECT_EQ(a.speed, 0);
    EXPECT_EQ(a.tap(180, 95), AppearanceScreen::Tap::None);  // right of the tenth box
    EXPECT_EQ(a.tap(85, 95), AppearanceScreen::Tap::None);   // left of the first
    EXPECT_EQ(a.speed, 0);
    a.tap(30, 80);  // the Animation Speed switch: off is -1
    EXPECT_EQ(a.speed, -1);
    a.tap(30, 86);  // on again starts at 4
    EXPECT_EQ(a.speed, 4);
}

TEST(Appearance, ThemeTapsClampBelowTheNinthName) {
    Appearance a;
    a.tap(10, 130);
    EXPECT_EQ(a.theme, 0);
    a.tap(135, 130 + 17 * 7);
    EXPECT_EQ(a.theme, 7);
    a.tap(10, 130 + 17 * 9);
    EXPECT_EQ(a.theme, 8);  // the clamp
    a.theme = 2;
    EXPECT_EQ(a.tap(10, 130 + 17 * 9 + 1), AppearanceScreen::Tap::None);
    EXPECT_EQ(a.tap(136, 140), AppearanceScreen::Tap::None);
    EXPECT_EQ(a.theme, 2);
    EXPECT_EQ(a.tap(170, 290), AppearanceScreen::Tap::Ok);
}

TEST(Pager, CountsPagesOf17AndWrapsBothWays) {
    static const char* lines[40];
    for (auto& l : lines) l = "   body";
    Pager pager("Rules", lines, 40);
    Button ok(kPageButtonWidth, kPageButtonHeight, "OK", kOkButtonLeft, kPageButtonTop, &font1());
    EXPECT_EQ(pager.pageCount(), 3);
    EXPECT_EQ(pager.tap({160, 10}, ok), Pager::Tap::Turned);  // back from the first page
    EXPECT_EQ(pager.page(), 2);
    pager.tap({230, 10}, ok);
    EXPECT_EQ(pager.page(), 0);
    EXPECT_EQ(Pager("Help", lines, 17).pageCount(), 1);
    EXPECT_EQ(Pager("Help", lines, 18).pageCount(), 2);
}

TEST(Pager, ASinglePageHasNoPageNumberAndNoArrows) {
    static const char* lines[] = {"Heading:", "   body"};
    Pager pager("Help", lines, 2);
    Button ok(kPageButtonWidth, kPageButtonHeight, "OK", kOkButtonLeft, kPageButtonTop, &font1());
    MenuBar bar(&font1());
    Surface s(240, 320);
    pager.draw(s, bar, font1(), font2(), ok);
    for (int y = 2; y <= 15; ++y) EXPECT_NE(s.pixel(156, y), 0x0000) << y;
    pager.tap({230, 10}, ok);
    EXPECT_EQ(pager.page(), 0);
}

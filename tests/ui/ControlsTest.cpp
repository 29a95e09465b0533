#include <string>

#include <gtest/gtest.h>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/ui/Controls.h"

using namespace gamekit;

TEST(Button, HitTestsOnePixelBeyondItsDrawnBox) {
    Button b(60, 20, "OK", 15, 280, &font1());
    EXPECT_TRUE(b.hitTest(75, 300));
    EXPECT_FALSE(b.hitTest(76, 300));
    EXPECT_TRUE(b.hitTest(15, 280));
    EXPECT_FALSE(b.hitTest(14, 280));
    EXPECT_FALSE(b.hitTest(15, 301));
    Surface s(240, 320);
    s.fill(0x1234);
    b.draw(s);
    EXPECT_EQ(s.pixel(74, 299), 0x4208);  // the dark edge, last drawn pixel
    EXPECT_EQ(s.pixel(75, 300), 0x1234);  // hit, but not drawn
}

TEST(Button, ADisabledButtonIsNeverHit) {
    Button b(60, 20, "Reset", 15, 280, &font1());
    b.setEnabled(false);
    for (int y = 270; y < 310; ++y) {
        for (int x = 0; x < 100; ++x) ASSERT_FALSE(b.hitTest(x, y));
    }
    b.toggle();
    EXPECT_TRUE(b.isToggled());
}

TEST(MessageLog, KeepsTheLastLinesThatFitAndTheNewestInWhite) {
    MessageLog log(3, 100, 234, 60, &font1());
    EXPECT_EQ(log.maxLines(), 4);
    for (int i = 1; i <= 5; ++i) log.addLine(("line " + std::to_string(i)).c_str());
    ASSERT_EQ(log.lineCount(), 4);
    EXPECT_EQ(std::wstring(log.line(0)), L"line 2");
    Surface s(240, 320);
    log.draw(s);
    bool white = false, blue = false;
    for (int y = 100 + 2 + 39; y < 100 + 2 + 39 + 11; ++y) {
        for (int x = 8; x < 60; ++x) white |= s.pixel(x, y) == 0xFFFF;
    }
    for (int y = 102; y < 113; ++y) {
        for (int x = 8; x < 60; ++x) blue |= s.pixel(x, y) == 0x001F;
    }
    EXPECT_TRUE(white);
    EXPECT_TRUE(blue);
}

TEST(MessageLog, ALongTextIsCutAndLinesStayInsideTheBox) {
    MessageLog log(10, 10, 50, 30, &font1());
    std::string longText(500, 'W');
    log.addLine(longText.c_str());
    EXPECT_EQ(std::wstring(log.line(0)).size(), 99u);
    Surface s(240, 320);
    s.fill(0x1234);
    log.draw(s);
    for (int y = 0; y < 320; ++y) {
        for (int x = 61; x < 240; ++x) ASSERT_EQ(s.pixel(x, y), 0x1234) << x << "," << y;
    }
}

TEST(MessageLog, AnEmptyLogDrawsItsEmptyBox) {
    MessageLog log(3, 286, 234, 31, &font1());
    Surface s(240, 320);
    log.draw(s);
    EXPECT_EQ(s.pixel(100, 300), 0x0000);  // the fill
    EXPECT_EQ(s.pixel(100, 286), 0xFFFF);  // the frame
}

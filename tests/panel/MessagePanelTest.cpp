#include <vector>

#include <gtest/gtest.h>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/shell/MessagePanel.h"
#include "gamekit/graphics/Surface.h"

using namespace gamekit;

TEST(MessagePanel, BreaksAtTheLastBlankOnceALineReaches150Pixels) {
    // "Version Error. Please deinstall previous version first!" is wider than
    // 150 pixels in font 1: it breaks at a blank, never inside a word.
    std::vector<std::string> lines =
        panelLines(font1(), "Version Error. Please deinstall previous version first!");
    ASSERT_GE(lines.size(), 2u);
    std::string joined;
    for (const auto& l : lines) {
        EXPECT_LT(font1().measure(l.c_str()), 150 + 16) << l;
        EXPECT_NE(l.front(), ' ');
        joined += (joined.empty() ? "" : " ") + l;
    }
    EXPECT_EQ(joined, "Version Error. Please deinstall previous version first!");
}

TEST(MessagePanel, ALineBreakStartsANewLineEvenWhenShort) {
    std::vector<std::string> lines = panelLines(font1(), "Configuration Error.\nRetry");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Configuration Error.");
    EXPECT_EQ(lines[1], "Retry");
}

TEST(MessagePanel, AWordWiderThanALineIsCut) {
    std::string word(60, 'm');
    std::vector<std::string> lines = panelLines(font1(), word);
    ASSERT_GE(lines.size(), 2u);
    size_t total = 0;
    for (const auto& l : lines) total += l.size();
    EXPECT_EQ(total, word.size());
}

namespace {
// The rows of column 120 that are the body's black frame.
int bodyBottom(const char* text) {
    Surface s(240, 320);
    s.fill(0x1234);
    drawMessagePanel(s, text, "Heading");
    int bottom = -1;
    for (int y = 141; y < 320; ++y) {
        if (s.pixel(36, y) == 0x1234) break;
        bottom = y;
    }
    return bottom;
}
}  // namespace

TEST(MessagePanel, OneLineGivesABodyDownTo203AndEachFurtherLineAdds14) {
    EXPECT_EQ(bodyBottom("Short."), 203);
    EXPECT_EQ(bodyBottom("One\nTwo"), 217);
    EXPECT_EQ(bodyBottom("One\nTwo\nThree"), 231);
}

TEST(MessagePanel, ManyLinesStayInsideTheScreen) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "Line\n";
    std::vector<uint16_t> guarded(240 * 320 + 2000, 0xBEEF);
    Surface s(guarded.data() + 1000, 240, 320);
    EXPECT_EQ(drawMessagePanel(s, text.c_str(), "Many"), 40);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(guarded[i], 0xBEEF);
        ASSERT_EQ(guarded[guarded.size() - 1 - i], 0xBEEF);
    }
}

TEST(MessagePanel, TheOkMarkIsCentredOn194AndTheFontIsRestored) {
    Surface s(240, 320);
    font1().setColours(0x1111, 0x2222);
    font1().setTransparent(false);
    drawMessagePanel(s, "x", "H");
    EXPECT_EQ(font1().foreground(), 0x1111);
    EXPECT_FALSE(font1().transparent());
    // "ok" measures 13, so it starts at 194 - 6 = 188, in dark blue on the
    // white mark, whose inside at x 188 is white elsewhere.
    bool inkAt188 = false;
    for (int y = 124; y <= 132; ++y) inkAt188 |= s.pixel(188, y) == 0x0012;
    EXPECT_TRUE(inkAt188);
}
